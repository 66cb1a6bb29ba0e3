#!/usr/bin/env bash
# The player's boards in the real window: --boards plays a board file (its
# first board on screen), a bare file on the command line does the same, the
# shipped set opens by name, the game's recording replays after the board
# file is gone (in the window and the driver), and a bad file gives its
# message and status 1 with no window.
set -uo pipefail
bin=$1
probe=${SHOT_PROBE:?}
xctl=${XCTL:?}
script=${ZANDOVIK_SCRIPT:?}
. "$(dirname "${BASH_SOURCE[0]}")/session.sh"
# "!" bricks across the top where the built-in first pattern has red ones.
cat >"$work/mine.boards" <<'B'
zandovik-boards 1
board Gate
00000000999900000000
00000001111110000000
board Second
00000000333300000000
B
bang_shows() { is_colour 3500 2060 "255 255 255"; }

rec=$work/mine.rec
launch "$work/game.log" "$bin" --boards "$work/mine.boards" --record "$rec"
rec=$recording
game_pid=$launched
win=$(find_window "$game_pid") || { echo "no window: $(cat "$work/game.log")"; exit 1; }
wait_for 5 "$xctl" focus "$win"
if wait_for 10 bang_shows; then ok "--boards: the file's first board is on screen"; else not_ok "--boards: $(colour_at 3500 2060)"; fi
# F2 goes round the file's boards: from the first to its last.
xdotool keydown Right keyup Right key F2
if wait_for 10 is_colour 3500 2060 "255 255 0"; then ok "F2 goes round the file's boards"; else not_ok "after F2: $(colour_at 3500 2060)"; fi
"$xctl" close "$win"
wait_for 5 eval '! kill -0 "$game_pid" 2>/dev/null'
reap "$game_pid" "$work/game.log" && ok "the game on the player's boards closes cleanly" || not_ok "status: $(cat "$work/game.log")"
game_pid=
rm "$work/mine.boards"
grep -q '^board Gate$' "$rec" && ok "the recording carries the boards" || not_ok "no boards in: $(head -5 "$rec")"
out=$(printf 'replay %s\n' "$rec" | "$script" 2>&1)
[ "$out" = "replay matches" ] && ok "the driver replays it without the board file" || not_ok "driver: $out"
launch "$work/replay.log" "$bin" --replay "$rec"
game_pid=$launched
wait_for 30 grep -q "^replay" "$work/replay.log"
grep -q "^replay matches$" "$work/replay.log" && ok "the window replays it without the board file" ||
  not_ok "window replay: $(cat "$work/replay.log")"
kill "$game_pid"
reap "$game_pid" "$work/replay.log"

# A bare file, as a file manager opens one; and the shipped set by name.
printf 'zandovik-boards 1\nboard\n00000000999900000000\n11111111111111111111\n' >"$work/bare.boards"
for args in "$work/bare.boards" "--boards extra"; do
  # shellcheck disable=SC2086
  launch "$work/open.log" "$bin" $args
  game_pid=$launched
  if find_window "$game_pid" >/dev/null && kill -0 "$game_pid" && ! grep -q zandovik: "$work/open.log"; then
    ok "zandovik ${args#"$work/"} opens"
  else
    not_ok "zandovik $args: $(cat "$work/open.log")"
  fi
  if [ "$args" = "$work/bare.boards" ]; then
    wait_for 10 bang_shows && ok "a bare board file plays" || not_ok "bare file: $(colour_at 3500 2060)"
  fi
  kill "$game_pid"
  reap "$game_pid" "$work/open.log"
done
game_pid=

# A bad file: one message naming the file and the line, status 1, no window.
printf 'zandovik-boards 1\nboard\n0000000000000000000x\n' >"$work/bad.boards"
timeout 20 "$bin" --boards "$work/bad.boards" >"$work/bad.log" 2>&1
status=$?
if [ "$status" -eq 1 ] && grep -q "^zandovik: $work/bad.boards: line 3: " "$work/bad.log" &&
  [ "$(wc -l <"$work/bad.log")" -eq 1 ]; then
  ok "a bad board file: status 1, $(sed "s|$work/||" "$work/bad.log")"
else
  not_ok "a bad board file: status $status: $(cat "$work/bad.log")"
fi
finish
