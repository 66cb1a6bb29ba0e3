# Sourced by the window tests and the window benchmarks.
# start_xvfb WxH DIR: a private X server on a free display; sets DISPLAY,
# XDG_RUNTIME_DIR and xvfb_pid, and returns non-zero if it did not start.
start_xvfb() {
  local geometry=$1 dir=$2
  exec 3>"$dir/display"
  Xvfb -displayfd 3 -screen 0 "${geometry}x24" -nolisten tcp >"$dir/xvfb.log" 2>&1 &
  xvfb_pid=$!
  exec 3>&-
  for _ in $(seq 200); do
    [ -s "$dir/display" ] && break
    sleep 0.05
  done
  [ -s "$dir/display" ] || return 1
  export DISPLAY=":$(cat "$dir/display")"
  export XDG_RUNTIME_DIR=$dir/runtime
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
  unset WAYLAND_DISPLAY QT_QPA_PLATFORM
}

# find_window PID: the game's visible "Form1" window. xdotool gives up when a
# window vanishes under it (a run before closing), so ask again for up to
# ten seconds.
find_window() {
  local w
  for _ in $(seq 500); do
    w=$(xdotool search --all --onlyvisible --pid "$1" --name '^Form1$' 2>/dev/null | head -n 1)
    [ -n "$w" ] && { echo "$w"; return 0; }
    sleep 0.02
  done
  return 1
}

# launch LOG COMMAND [ARGS...]: start the game in the background with its
# output in LOG, and set launched to its pid. Xvfb now and then turns a new
# connection away when clients come and go quickly (about 2 in 100 rapid
# connects here); the game then says "cannot open the X display" and ends
# with status 1 at once. The harness, not the game, starts it again.
launch() {
  local log=$1
  shift
  for _ in 1 2 3 4 5; do
    "$@" >"$log" 2>&1 &
    launched=$!
    for _ in $(seq 500); do
      kill -0 "$launched" 2>/dev/null || break
      [ -n "$(xdotool search --pid "$launched" 2>/dev/null)" ] && return 0
      sleep 0.02
    done
    kill -0 "$launched" 2>/dev/null && return 0
    wait "$launched" && return 0
    grep -q "cannot open the X display" "$log" || return 0
  done
}
