#!/usr/bin/env bash
# The pointer steers: moved over the board, it takes the paddle to its
# column at the rules' speed and the paddle stops under it; a key press
# takes over and the paddle then stays until the pointer moves again; a
# click on the board does nothing; the cursor hides over the board in play
# and shows when paused; while paused the pointer moves nothing,
# and a click on Pause still goes on. The game so steered replays exactly.
set -uo pipefail
bin=$1
probe=${SHOT_PROBE:?}
xctl=${XCTL:?}
script=${ZANDOVIK_SCRIPT:?}
cursor=${CURSOR_PROBE:?}
. "$(dirname "${BASH_SOURCE[0]}")/session.sh"
pause_shows() { is_colour 3460 2980 "225 225 225"; }

launch "$work/game.log" "$bin" --record "$work/game.rec"
game_pid=$launched
win=$(find_window "$game_pid") || { echo "no window"; exit 1; }
wait_for 5 "$xctl" focus "$win"
wait_for 10 board_painted

if wait_for 10 steered_to 1500; then
  ok "the paddle goes to the pointer"
  [ "$("$cursor")" = hidden ] && ok "the cursor is hidden over the board in play" ||
    not_ok "the cursor shows over the board in play: $("$cursor")"
  sleep 1
  if paddle_at 1500 && ! paddle_at 300; then ok "and stops under it"; else not_ok "the paddle did not stop under the pointer"; fi
else
  not_ok "the paddle never reached the pointer"
fi

xdotool keydown Right sleep 0.4 keyup Right
sleep 1
if ! paddle_at 1500 && ! paddle_at 1000; then ok "a key takes over, and the paddle stays where the key left it"; else not_ok "the paddle went back to the pointer by itself"; fi

if wait_for 10 steered_to 6500; then ok "new motion steers again"; else not_ok "new motion did not steer"; fi

click_at 4267 5500
sleep 0.3
if pause_shows; then not_ok "a click on the board did something"; else ok "a click on the board does nothing"; fi

xdotool key p
if wait_for 5 pause_shows; then
  point 2000 6000
  sleep 0.8
  if ! paddle_at 2000; then ok "paused: the pointer moves nothing"; else not_ok "the paddle followed the pointer while paused"; fi
  [ "$("$cursor")" = shown ] && ok "paused: the cursor shows" || not_ok "paused: the cursor is hidden"
  click_at 4567 3900
  if wait_for 5 eval '! pause_shows'; then ok "a click on Pause goes on"; else not_ok "a click on Pause"; fi
  sleep 0.8
  if ! paddle_at 2000; then ok "after the pause the paddle waits for new motion"; else not_ok "the paddle went to the pointer by itself after the pause"; fi
else
  not_ok "P did not pause"
fi

"$xctl" close "$win"
wait_for 5 eval '! kill -0 "$game_pid" 2>/dev/null'
reap "$game_pid" "$work/game.log"
game_pid=
out=$(printf 'replay %s\n' "$work/game.rec" | "$script" 2>&1)
if [ "$out" = "replay matches" ]; then ok "the game steered by the pointer replays exactly"; else not_ok "replay: $out"; fi
finish
