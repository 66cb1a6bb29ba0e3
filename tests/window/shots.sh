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
