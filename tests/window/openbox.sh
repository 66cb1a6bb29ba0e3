#!/usr/bin/env bash
# The window under a real window manager (openbox), as a desktop has one:
# minimising it during play pauses the game, and closing it from the window
# manager ends the process with status 0.
set -uo pipefail
bin=$1
probe=${SHOT_PROBE:?}
work=$(mktemp -d)
passed=0
failed=0
cleanup() {
  kill "${game_pid:-}" "${wm_pid:-}" "${xvfb_pid:-}" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
here=$(dirname "${BASH_SOURCE[0]}")
. "$here/shots.sh"
. "$here/xvfb.sh"
start_xvfb 1280x1024 "$work" || { echo "Xvfb did not start"; exit 1; }
openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
wait_for 10 wm_ready || { echo "openbox did not start"; exit 1; }

launch "$work/game.log" "$bin"
game_pid=$launched
win=$(find_window "$game_pid") || { echo "no game window"; exit 1; }
if ! wait_for 10 board_painted; then
  echo "no board: $("$probe" "$work/shot.png" --board 2>&1)"
  xwininfo -root -tree | grep -i form1
  cat "$work/game.log"
  exit 1
fi
wmctrl -ia "$win"
xdotool key F1  # play runs
pause_shows() { is_colour 3460 2980 "225 225 225" || is_colour 3420 4250 "225 225 225"; }

xdotool windowminimize "$win"
sleep 0.5
wmctrl -ia "$win"
if wait_for 5 pause_shows; then ok "minimising during play pauses the game"; else not_ok "minimising during play pauses the game"; fi

wmctrl -ic "$win"
for _ in $(seq 40); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.05; done
if kill -0 "$game_pid" 2>/dev/null; then
  not_ok "closing from the window manager ends the game"
else
  wait "$game_pid"
  status=$?
  if [ "$status" -eq 0 ]; then ok "closing from the window manager ends the game (status 0)"; else not_ok "closing ends the game with status $status"; fi
fi
game_pid=
echo "$passed passed, $failed failed"
exit $((failed > 0))
