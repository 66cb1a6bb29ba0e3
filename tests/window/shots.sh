# Sourced by the real-window tests: results, waiting, and reading the
# screen through shot_probe ($probe) in design twips. Needs $work.
ok() { echo "ok - $1"; passed=$((passed + 1)); }
not_ok() {
  echo "not ok - $1"
  failed=$((failed + 1))
  [ -f "$work/shot.png" ] && cp "$work/shot.png" "${TMPDIR:-/tmp}/zandovik-e2e-failure-$failed.png"
}

# Poll a condition for up to $1 seconds.
wait_for() {
  local limit=$1
  shift
  local end=$((SECONDS + limit))
  while [ $SECONDS -le $end ]; do
    "$@" && return 0
    sleep 0.05
  done
  return 1
}

# ran_past REC PATTERN MS: the recording REC holds a line matching PATTERN
# (an awk pattern) and, after the last such line, an advance MS ms or more
# past it: the game took that input and ran on for MS ms since.
ran_past() {
  awk -v ms="$3" "$2"' { t = $2; seen = 1; past = 0 }
    seen && $1 == "advance" && $2 >= t + ms { past = 1 }
    END { exit !past }' "$1"
}

shot() { import -window root "$work/shot.png" 2>/dev/null; }
# colour_at X Y: "r g b" at a design point in a fresh screenshot
colour_at() { shot && "$probe" "$work/shot.png" "$1" "$2"; }
is_colour() { [ "$(colour_at "$1" "$2")" = "$3" ]; }
is_not_colour() {
  local c
  c=$(colour_at "$1" "$2") && [ "$c" != "$3" ]
}
board_painted() { shot && "$probe" "$work/shot.png" --board >/dev/null 2>&1; }
click_at() {
  local xy
  shot
  xy=$("$probe" "$work/shot.png" --screen "$1" "$2") || return 1
  # shellcheck disable=SC2086
  xdotool mousemove $xy click 1
}

# point X Y: the pointer to a design point (a step aside and back, so that
# it is new motion even where it already was).
point() {
  local xy
  shot && xy=$("$probe" "$work/shot.png" --screen "$1" "$2") || return 1
  # shellcheck disable=SC2086
  set -- $xy
  xdotool mousemove $(($1 + 1)) "$2" mousemove "$1" "$2"
}
paddle_at() { is_colour "$1" 6850 "255 128 0"; }
# The pointer over the board at X, and the paddle under it a moment later.
steered_to() { point "$1" 6000 && sleep 0.3 && paddle_at "$1"; }

# Game Over shows: its face above the Pause button's (Pause lies within it,
# in the same grey).
game_over_shows() { is_colour 3460 2760 "225 225 225"; }
# A brick of value 6, the centre of pattern 2.
pattern_2_shows() { is_colour $((120 + 9 * 415 + 40)) $((1560 + 7 * 226 + 40)) "0 128 255"; }
# to_pattern_2: F1 to pattern 2, with no Game Over left: the ball rests on
# the centred paddle, and nothing moves until the test moves it. A ball
# left in play could be lost during a later check, end the game, and put
# Game Over over what the check looks at. A game already over is started
# anew first.
to_pattern_2() {
  xdotool key F1
  wait_for 10 eval 'pattern_2_shows || game_over_shows' || return 1
  game_over_shows || return 0
  # F1 was taken before the click, which starts a game on pattern 1.
  click_at 4567 3607
  wait_for 10 eval '! game_over_shows' || return 1
  xdotool key F1
  wait_for 10 pattern_2_shows
}
