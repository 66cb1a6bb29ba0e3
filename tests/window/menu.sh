#!/usr/bin/env bash
# The menu in the real window (F10 and a right click open it, a choice of
# board set starts that set) and what the game keeps on a fresh home: with
# Keep off nothing under its folders after a game over; with keep=true a
# game over with a score is in `zandovik --best`, verified, and its table
# edited is not; a garbage config is one line and a playing game.
# SHOT=FILE keeps the screenshot of the open menu.
set -uo pipefail
bin=$1
probe=${SHOT_PROBE:?}
xctl=${XCTL:?}
script=${ZANDOVIK_SCRIPT:?}
. "$(dirname "${BASH_SOURCE[0]}")/session.sh"
xset r on 2>/dev/null

export HOME=$work/home
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share
export XDG_CACHE_HOME=$HOME/.cache XDG_STATE_HOME=$HOME/.local/state
mkdir -p "$HOME"
ours() { find "$XDG_CONFIG_HOME/zandovik" "$XDG_DATA_HOME/zandovik" "$XDG_CACHE_HOME/zandovik" \
  "$XDG_STATE_HOME/zandovik" 2>/dev/null; }
game_over_shows() { is_colour 3460 2980 "225 225 225"; }
pause_shows() { is_colour 3460 2980 "225 225 225"; }
windows_of() { xdotool search --all --onlyvisible --pid "$1" 2>/dev/null | wc -l; }
menu_open() { [ "$(windows_of "$game_pid")" -ge 2 ]; }

start_game() {
  launch "$work/game.log" "$bin" "$@"
  game_pid=$launched
  win=$(find_window "$game_pid") || { echo "no window: $(cat "$work/game.log")"; exit 1; }
  wait_for 5 "$xctl" focus "$win"
  wait_for 10 board_painted
}
close_game() {
  "$xctl" close "$win"
  wait_for 10 eval '! kill -0 "$game_pid" 2>/dev/null'
  reap "$game_pid" "$work/game.log" && ok "$1: the game closes cleanly" || not_ok "$1: status"
  game_pid=
}
# The paddle waits at the left wall, the key held (its repeats launching
# each ball after its stall), until the last ball is lost. A ball launched
# level (a vertical step of 0) flies from wall to wall for ever: after 25 s
# without Game Over, F1 builds a new board (the lives stay) and the held
# key launches again.
play_to_game_over() {
  local status=1
  for _ in 1 2 3 4 5; do
    xdotool keydown Left
    if wait_for 25 game_over_shows; then
      status=0
      break
    fi
    xdotool keyup Left key F1
  done
  xdotool keyup Left
  return $status
}

# --- Keep off: nothing is written ------------------------------------------
xdotool mousemove 5 5
start_game
if play_to_game_over; then ok "Keep off: a game played to game over"; else not_ok "Keep off: no game over"; fi
close_game "Keep off"
[ -z "$(ours)" ] && ok "Keep off: nothing under the game's folders" || not_ok "Keep off wrote: $(ours)"

# --- The menu: F10 and a right click -----------------------------------------
start_game
xdotool keydown Right sleep 0.3 keyup Right
wait_for 5 is_not_colour 4267 6706 "0 0 255"
xdotool key F10
if wait_for 5 menu_open; then ok "F10 opens the menu"; else not_ok "F10 opens no menu"; fi
if wait_for 5 pause_shows; then ok "opening the menu during play pauses it"; else not_ok "the menu did not pause play"; fi
shot && cp "$work/shot.png" "${SHOT:-$work/menu.png}"
xdotool key Escape
wait_for 5 eval '! menu_open'
xy=$("$probe" "$work/shot.png" --screen 6000 5000)
# shellcheck disable=SC2086
xdotool mousemove $xy click 3
if wait_for 5 menu_open; then ok "a right click opens the menu"; else not_ok "a right click opens no menu"; fi
# Boards (its mnemonic), then the second set: the first shipped one.
xdotool key b Down Return
if wait_for 10 eval '! is_colour 3900 2060 "255 0 0"' && board_painted; then
  ok "choosing a board set starts it"
else
  not_ok "the board set chosen did not start: $(tail -3 "$work/game.log")"
fi
close_game "the menu"
[ -z "$(ours)" ] && ok "Keep off: the menu wrote nothing" || not_ok "the menu wrote: $(ours)"

# --- Keep on: a best game that proves itself --------------------------------
mkdir -p "$XDG_CONFIG_HOME/zandovik"
# At 85 %: the speed kept, played and carried by the recording.
printf '[General]\nkeep=true\nversion=1\nspeed=85\n' >"$XDG_CONFIG_HOME/zandovik/zandovik.conf"
start_game
play_to_game_over
close_game "Keep on"
best=$("$bin" --best 2>"$work/best.err")
echo "$best" | grep -q "^builtin	85	1	[1-9][0-9]*	[0-9]*	.*	20..-..-..T..:..:..[^	]*	verified$" &&
  ok "the game over is in --best, verified: $best" || not_ok "--best: $best $(cat "$work/best.err")"
rec=$(ls "$XDG_DATA_HOME"/zandovik/best/game-*.rec 2>/dev/null | head -n 1)
score=$(echo "$best" | head -n 1 | cut -f 4)
out=$(printf 'replay %s\nget points\n' "$rec" | "$script" 2>&1)
[ "$out" = "replay matches
$score" ] && ok "its recording replays in the driver to $score" || not_ok "the driver: $out"
[ -z "$(ls "$XDG_DATA_HOME"/zandovik/best/run-* 2>/dev/null)" ] && ok "the run's recording is removed" ||
  not_ok "left: $(ls "$XDG_DATA_HOME"/zandovik/best)"
table=$XDG_DATA_HOME/zandovik/best/builtin-85.best
sed -i "2s/^$score	/$((score + 10))	/" "$table"
"$bin" --best | grep -q "	$((score + 10))	.*	not verified$" && ok "a score edited: not verified" ||
  not_ok "after the edit: $("$bin" --best)"
printf 'zandovik-best 1\ngarbage\n' >"$XDG_DATA_HOME/zandovik/best/extra-70.best"
out=$("$bin" --best 2>"$work/best.err")
status=$?
[ $status -eq 0 ] && [ "$(wc -l <"$work/best.err")" -eq 1 ] && grep -q "extra-70.best: line 2" "$work/best.err" &&
  ok "a bad table: one line, status 0" || not_ok "a bad table: $status $(cat "$work/best.err")"

# --- A garbage config: one line and a playing game --------------------------
head -c 300 /dev/urandom >"$XDG_CONFIG_HOME/zandovik/zandovik.conf"
cp "$XDG_CONFIG_HOME/zandovik/zandovik.conf" "$work/garbage"
xdotool mousemove 5 5  # off the board, where the pointer would steer
start_game
xdotool keydown Right sleep 0.3 keyup Right
if wait_for 5 is_not_colour 4267 6706 "0 0 255" && [ "$(grep -c zandovik.conf "$work/game.log")" -eq 1 ]; then
  ok "a garbage config: one line and a playing game"
else
  not_ok "a garbage config: $(cat "$work/game.log")"
fi
close_game "a garbage config"
cmp -s "$work/garbage" "$XDG_CONFIG_HOME/zandovik/zandovik.conf" && ok "the garbage config is left as it is" ||
  not_ok "the garbage config was changed"
finish
