#!/usr/bin/env bash
# A real game under Xvfb, recorded (keys held and released at uneven
# times, P and a click on Pause, balls lost with a key held through the
# stalls, a click on Game Over, F1), then replayed headlessly by the driver
# and in the window: both must end in exactly the recorded state. Then the
# recording's failures: a path it cannot write, a disk that is full.
set -uo pipefail
bin=$1
probe=${SHOT_PROBE:?}
xctl=${XCTL:?}
script=${ZANDOVIK_SCRIPT:?}
. "$(dirname "${BASH_SOURCE[0]}")/session.sh"
xset r on 2>/dev/null
game_over_shows() { is_colour 3460 2980 "225 225 225"; }
rec=$work/game.rec

launch "$work/game.log" "$bin" --record "$rec"
rec=$recording
game_pid=$launched
win=$(find_window "$game_pid") || { echo "no window"; exit 1; }
wait_for 5 "$xctl" focus "$win"
wait_for 10 board_painted
xdotool key F1 keydown Right sleep 0.35 keyup Right sleep 0.23 keydown Left sleep 0.17 keyup Left
xdotool sleep 0.4 key p
if wait_for 5 game_over_shows; then click_at 4567 3900; fi
# The paddle waits at the left wall, the key held (its repeats arriving
# through every stall), until the last ball is lost.
# A ball launched level (the rules allow a vertical step of 0) flies from
# wall to wall for ever: after 25 s without Game Over, F1 builds a new board
# (the lives stay) and the held key launches again.
over=false
for _ in 1 2 3 4 5; do
  xdotool keydown Left
  if wait_for 25 game_over_shows; then
    over=true
    break
  fi
  xdotool keyup Left key F1
done
if $over; then ok "three balls lost with a key held: Game Over"; else not_ok "the game never ended"; fi
xdotool keyup Left
click_at 4567 3607
xdotool sleep 0.3 key F1 sleep 0.2 keydown Right sleep 0.3 keyup Right sleep 0.5
"$xctl" close "$win"
wait_for 5 eval '! kill -0 "$game_pid" 2>/dev/null'
reap "$game_pid" "$work/game.log" && ok "the recorded game closes cleanly" || not_ok "the recorded game's status"
game_pid=
# KEEP_RECORDING=FILE keeps it (the scenario tests' recordings are made so).
[ -n "${KEEP_RECORDING:-}" ] && cp "$rec" "$KEEP_RECORDING"
lines=$(wc -l <"$rec")
grep -q "^click .* gameover$" "$rec" && ok "the recording holds the click on Game Over ($lines lines)" ||
  not_ok "no click on Game Over in the recording: $(grep -v advance "$rec" | head -20)"
[ "$(grep -c '^seed ' "$rec")" -ge 2 ] && ok "a seed for each window" || not_ok "seeds: $(grep '^seed' "$rec")"
tail -n 1 "$rec" | grep -q "^end " && ok "the recording ends with its closing line" || not_ok "no closing line"

out=$(printf 'replay %s\nget lives\nget stalls\n' "$rec" | "$script" 2>&1)
if [ "$(echo "$out" | head -n 1)" = "replay matches" ]; then
  ok "the driver replays it exactly: $(echo "$out" | tr '\n' ' ')"
else
  not_ok "the driver's replay: $out"
fi

launch "$work/replay.log" "$bin" --replay "$rec"
game_pid=$launched
end=$(awk '/^end / {print int($2 / 1000) + 15}' "$rec")
wait_for "${end:-60}" grep -q "^replay" "$work/replay.log"
if grep -q "^replay matches" "$work/replay.log"; then ok "the window replays it exactly"; else not_ok "the window's replay: $(cat "$work/replay.log")"; fi
kill "$game_pid"
reap "$game_pid" "$work/replay.log"
game_pid=

# A recording that cannot be written is said once, over the game's whole
# run (the run's end is the sign nothing more will be said); the game plays
# on and closes cleanly.
for target in "$work/no/such/folder/x.rec" /dev/full; do
  launch "$work/bad.log" "$bin" --record "$target"
  game_pid=$launched
  if win=$(find_window "$game_pid") && first_frame "$win"; then
    "$xctl" close "$win"
    wait_for 10 eval '! kill -0 "$game_pid" 2>/dev/null'
    reap "$game_pid" "$work/bad.log"
    status=$?
    if [ $status -eq 0 ] && [ "$(grep -c "cannot write the recording\|cannot record into" "$work/bad.log")" -eq 1 ]; then
      ok "--record $target: said once, the game plays on"
    else
      not_ok "--record $target: status $status: $(cat "$work/bad.log")"
    fi
  else
    not_ok "--record $target: no window: $(cat "$work/bad.log")"
    kill "$game_pid"
    reap "$game_pid" "$work/bad.log"
  fi
  game_pid=
done
finish
