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
# The colours along the paddle's row, where the paddle stands.
# shellcheck disable=SC2046
paddle_row() {
  shot && "$probe" "$work/shot.png" $(for x in $(seq 150 100 8350); do echo "$x 6850"; done) | tr '\n' ' '
}

launch "$work/game.log" "$bin" --record "$work/game.rec"
rec=$recording
game_pid=$launched
win=$(find_window "$game_pid") || { echo "no window"; exit 1; }
wait_for 5 "$xctl" focus "$win"
wait_for 10 board_painted

# The game so far, as the driver replays the recording: one value of it.
so_far() { printf 'replay %s\nget %s\n' "$rec" "$1" | "$script" 2>/dev/null | tail -n 1; }
# again STEP: nobody plays the ball, so now and then it is lost; a ball lost
# while STEP ran (the paddle put back, the pointer waiting for new motion)
# leaves its outcome moot, and STEP runs again (after a new game if that was
# the last ball), up to three times.
again() {
  local before
  for _ in 1 2 3; do
    if [ "$(so_far gameover.Visible)" = true ]; then
      click_at 4567 3600
      wait_for 5 eval '[ "$(so_far gameover.Visible)" = false ]'
    fi
    before=$(so_far stalls)
    "$@" && return 0
    [ "$(so_far stalls)" = "$before" ] && return 1
  done
  return 1
}

if wait_for 10 steered_to 1500; then
  ok "the paddle goes to the pointer"
  [ "$("$cursor")" = hidden ] && ok "the cursor is hidden over the board in play" ||
    not_ok "the cursor shows over the board in play: $("$cursor")"
else
  not_ok "the paddle never reached the pointer"
fi
# The pointer let go of its arrow there and play ran on for a second.
stops_under() {
  wait_for 10 steered_to 1500 && wait_for 10 ran_past "$rec" '/^key_/' 1000 &&
    grep '^key_' "$rec" | tail -n 1 | grep -q '^key_up' && paddle_at 1500 && ! paddle_at 300
}
if again stops_under; then ok "and stops under it"; else not_ok "the paddle did not stop under the pointer"; fi

xdotool keydown Right sleep 0.4 keyup Right
# The key's release taken, and play run on for a second past it.
wait_for 10 ran_past "$rec" '/^key_up [^ ]+ 39 /' 1000 || not_ok "the key's release was not taken"
if ! paddle_at 1500 && ! paddle_at 1000; then ok "a key takes over, and the paddle stays where the key left it"; else not_ok "the paddle went back to the pointer by itself"; fi

if again wait_for 10 steered_to 6500; then ok "new motion steers again"; else not_ok "new motion did not steer"; fi

# The pointer clicks on the board and the paddle comes under it; then P,
# the pointer moved while paused, and a click on Pause.
paused_steps() {
  local clicks
  clicks=$(grep -c '^click ' "$rec")
  click_at 4267 5500
  wait_for 5 paddle_at 4267 || { why="the paddle did not come under the click"; return 1; }
  xdotool key p
  # P comes after the click: once it pauses, the click was taken too.
  wait_for 5 pause_shows || { why="P did not pause"; return 1; }
  [ "$(grep -c '^click ' "$rec")" = "$clicks" ] ||
    { why="a click on the board did something: $(grep '^click ' "$rec" | tail -n 1)"; return 1; }
  cursor_paused=$("$cursor")
  paused=$(paddle_row)
  point 2000 6000
  click_at 4567 3900
  # The click comes after the motion: once play goes on, the motion was taken.
  wait_for 5 eval '! pause_shows' || { why="a click on Pause did not go on"; return 1; }
  # A second of play since: a paddle that took the motion while paused
  # (to 2000, then to Pause) has moved by now.
  wait_for 10 ran_past "$rec" '/^click [^ ]+ pause$/' 1000 ||
    { why="play did not go on after the click on Pause"; return 1; }
  [ "$(paddle_row)" = "$paused" ] || { why="the paddle moved by itself after the pause"; return 1; }
}
if again paused_steps; then
  ok "a click on the board does nothing"
  [ "$cursor_paused" = shown ] && ok "paused: the cursor shows" || not_ok "paused: the cursor is hidden"
  ok "a click on Pause goes on"
  ok "paused, the pointer moves nothing; after the pause the paddle waits for new motion"
else
  not_ok "$why"
fi

"$xctl" close "$win"
wait_for 5 eval '! kill -0 "$game_pid" 2>/dev/null'
reap "$game_pid" "$work/game.log"
game_pid=
out=$(printf 'replay %s\n' "$rec" | "$script" 2>&1)
if [ "$out" = "replay matches" ]; then ok "the game steered by the pointer replays exactly"; else not_ok "replay: $out"; fi
finish
