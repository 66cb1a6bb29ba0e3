#!/usr/bin/env bash
# The board is the game's design in every language: the game under French
# shows a board identical, pixel for pixel, to the English one (captions,
# counters, bricks, the Pause button), under the caption "Form1"; only the
# title panel, where the logo's balls move, is left out. The board editor
# under German has its German title.
set -uo pipefail
bin=$1
probe=${SHOT_PROBE:?}
xctl=${XCTL:?}
. "$(dirname "${BASH_SOURCE[0]}")/session.sh"
xdotool mousemove 5 5  # off the board: over it the pointer steers the paddle

# crop NAME X0 Y0 X1 Y1: the design box of the last screenshot into NAME.png
crop() {
  local a b
  a=$("$probe" "$work/shot.png" --screen "$2" "$3") && b=$("$probe" "$work/shot.png" --screen "$4" "$5") &&
    set -- "$1" $a $b && convert "$work/shot.png" -crop "$(($4 - $2))x$(($5 - $3))+$2+$3" +repage "$work/$1.png"
}
# pictures LANG: the board at rest, then paused, under LANGUAGE=LANG
pictures() {
  launch "$work/$1.log" env LANGUAGE="$1" "$bin"
  game_pid=$launched
  local win
  win=$(find_window "$game_pid") || { not_ok "$1: no window titled Form1: $(cat "$work/$1.log")"; return 1; }
  wait_for 5 "$xctl" focus "$win"
  wait_for 10 board_painted || { not_ok "$1: no board painted"; return 1; }
  sleep 0.2  # the first frames settle
  shot
  # Around the title panel (x 3120 to 5655, down to 615), where the logo's
  # balls move: Score, High, then Lives and Bricks with the lives beneath it.
  crop "$1-score" 0 0 3060 600 && crop "$1-high" 5720 0 8520 600 &&
    crop "$1-lives" 0 660 8520 1440 && crop "$1-board" 0 1440 8520 7335
  xdotool key p
  wait_for 5 is_not_colour 4500 3500 "128 255 128" || { not_ok "$1: P shows no Pause button"; return 1; }
  crop "$1-paused" 0 1440 8520 7335
  "$xctl" close "$win"
  wait_for 5 eval '! kill -0 "$game_pid" 2>/dev/null'
  reap "$game_pid" "$work/$1.log" || not_ok "$1: status: $(cat "$work/$1.log")"
  game_pid=
  ok "$1: the window is Form1, pictures taken"
}

pictures en_US && pictures fr || finish
for part in score high lives board paused; do
  diff=$(compare -metric AE "$work/en_US-$part.png" "$work/fr-$part.png" null: 2>&1)
  if [ "$diff" = 0 ]; then
    ok "French and English: the same $part"
  else
    not_ok "French and English: the $part differs in $diff pixels"
    [ -n "${KEEP_WORK:-}" ] || cp "$work/en_US-$part.png" "$work/fr-$part.png" "${TMPDIR:-/tmp}/"
  fi
done
mkdir -p "$work/home"
launch "$work/editor.log" env LANGUAGE=de HOME="$work/home" "$bin" --edit "$work/new.boards"
game_pid=$launched
if find_window "$game_pid" "^new\.boards — zandovik Spielfeld-Editor\$" >/dev/null; then
  ok "German: the editor's title"
else
  not_ok "German: the editor's title: $(xdotool search --pid "$game_pid" getwindowname 2>/dev/null)"
fi
kill "$game_pid"
reap "$game_pid" "$work/editor.log"
game_pid=
finish
