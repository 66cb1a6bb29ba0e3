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
  show_cores "$work"
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
# The check window comes early in openbox's start; a window mapped before
# its event loop runs can stay unmanaged, never shown. Ask it for two
# desktops until it has them: then it is answering requests.
wm_answers() {
  wmctrl -n 2 2>/dev/null
  xprop -root _NET_NUMBER_OF_DESKTOPS 2>/dev/null | grep -q '= 2$'
}
wait_for 10 wm_answers || { echo "openbox does not answer"; exit 1; }

launch "$work/game.log" "$bin" --record "$work/game.rec"
game_pid=$launched
rec=$recording
if ! win=$(find_window "$game_pid"); then
  echo "no game window; game running: $(kill -0 "$game_pid" 2>/dev/null && echo yes || echo no)"
  xwininfo -root -tree | grep -iE 'form1|zandovik'
  cat "$work/game.log" "$work/openbox.log"
  exit 1
fi
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
# Restored once the game has taken the minimising: it presses P for the
# player, which its recording holds.
wait_for 10 grep -q '^key_down [^ ]* 80 ' "$rec"
wmctrl -ia "$win"
if wait_for 5 pause_shows; then ok "minimising during play pauses the game"; else not_ok "minimising during play pauses the game"; fi

wmctrl -ic "$win"
for _ in $(seq 40); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.05; done
if kill -0 "$game_pid" 2>/dev/null; then
  not_ok "closing from the window manager ends the game"
else
  reap "$game_pid" "$work/game.log"
  status=$?
  if [ "$status" -eq 0 ]; then ok "closing from the window manager ends the game (status 0)"; else not_ok "closing ends the game with status $status"; fi
fi
game_pid=
echo "$passed passed, $failed failed"
exit $((failed > 0))
