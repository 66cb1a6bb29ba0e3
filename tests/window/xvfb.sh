# Sourced by the window tests and the window benchmarks.

# A game that dies by a signal leaves a core in the folder it was started
# in (launch starts it in its log's folder); show_cores names its frames.
ulimit -c unlimited 2>/dev/null || true

# show_cores DIR: gdb's backtrace of every thread for each core in DIR.
show_cores() {
  local core
  for core in "$1"/core*; do
    [ -f "$core" ] || continue
    echo "--- the game died by a signal; its threads, from $(basename "$core"):"
    if command -v gdb >/dev/null 2>&1; then
      gdb -batch -nx -ex 'info signals SIGSEGV' -ex 'thread apply all bt 30' -c "$core" "${bin:-}" 2>&1 |
        grep -v '^\[\|^Signal \|^SIGSEGV\|^$' | head -n 150
    else
      echo "(gdb is not installed)"
    fi
    rm -f "$core"
  done
}

# reap PID [LOG]: wait for the game; a death by a signal the test did not
# send is said, with the game's own crash report (in LOG) and the core's
# backtrace. Returns the game's status.
reap() {
  local pid=$1 log=${2:-} status
  wait "$pid"
  status=$?
  if [ "$status" -gt 128 ] && [ "$status" -lt 160 ]; then
    case $(kill -l $((status - 128))) in
      TERM | INT | HUP | KILL) ;;
      *)
        echo "--- the game died of SIG$(kill -l $((status - 128)))"
        [ -n "$log" ] && [ -f "$log" ] && tail -n 60 "$log"
        show_cores "$(dirname "${log:-$work/x}")"
        ;;
    esac
  fi
  return $status
}
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

# missing_display [FROM]: the first display number from FROM (500 by
# default) that no X server here holds: no socket in /tmp/.X11-unix or in
# the abstract namespace, no lock file, nobody on its TCP port.
missing_display() {
  local n port
  for ((n = ${1:-500}; n < 59535; n++)); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    grep -q "@/tmp/.X11-unix/X$n\$" /proc/net/unix 2>/dev/null && continue
    port=$(printf '%04X' $((6000 + n)))
    cat /proc/net/tcp /proc/net/tcp6 2>/dev/null | awk -v p=":$port" '$2 ~ p"$" && $4 == "0A" { f = 1 } END { exit !f }' && continue
    echo "$n"
    return 0
  done
  return 1
}

# find_window PID [TITLE]: the visible window of that title (a pattern; the
# game's "Form1" by default). xdotool gives up when a
# window vanishes under it (a run before closing), so ask again for up to
# ten seconds.
find_window() {
  local w
  for _ in $(seq 500); do
    w=$(xdotool search --all --onlyvisible --pid "$1" --name "${2:-^Form1\$}" 2>/dev/null | head -n 1)
    [ -n "$w" ] && { echo "$w"; return 0; }
    sleep 0.02
  done
  return 1
}

# first_frame WINDOW: status 0 once the game has painted its first frame
# (the step right after it gives the window its icon), 1 if the window went
# first or a minute passed.
first_frame() { "${XCTL:?}" await "$1" _NET_WM_ICON; }

# launch LOG COMMAND [ARGS...]: start the game in the background with its
# output in LOG, and set launched to its pid. Xvfb now and then turns a new
# connection away when clients come and go quickly (about 2 in 100 rapid
# connects here); the game then says "cannot open the X display" and ends
# with status 1 at once. The harness, not the game, starts it again; a
# new recording (`--record FILE` where FILE is not there yet) gets a fresh
# name each time, so that what a failed start left cannot stand in its
# way. recording is set to the name the game records into.
launch() {
  local log=$1 attempt i at= first=
  shift
  local args=("$@")
  recording=
  for ((i = 0; i + 1 < ${#args[@]}; i++)); do
    [ "${args[i]}" = --record ] || continue
    recording=${args[i + 1]}
    [ -n "$recording" ] && (cd "$(dirname "$log")" && [ ! -e "$recording" ] && [ ! -L "$recording" ]) &&
      at=$((i + 1)) first=$recording
  done
  for attempt in 1 2 3 4 5; do
    if [ "$attempt" -gt 1 ] && [ -n "$at" ]; then
      case $first in
        *.rec) recording=${first%.rec}.$attempt.rec ;;
        *) recording=$first.$attempt ;;
      esac
      args[at]=$recording
    fi
    (cd "$(dirname "$log")" && exec "${args[@]}") >"$log" 2>&1 &
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
