#!/usr/bin/env bash
# End-to-end checks of the real binary under a private Xvfb, judged from
# screenshots in design twips (the board is found by its colour).
set -uo pipefail
bin=$1
probe=${SHOT_PROBE:?}
xctl=${XCTL:?}
work=$(mktemp -d)
passed=0
failed=0
game_pid=
xvfb_pid=

cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  show_cores "$work"
  rm -rf "$work"
}
trap cleanup EXIT

# shellcheck source=tests/window/shots.sh
. "$(dirname "${BASH_SOURCE[0]}")/shots.sh"

# --- A private X server ---------------------------------------------------
# shellcheck source=tests/window/xvfb.sh
. "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"
start_xvfb 1280x1024 "$work" || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
xset r on 2>/dev/null

launch "$work/game.log" "$bin"
game_pid=$launched
win=$(timeout 10 xdotool search --sync --onlyvisible --name '^Form1$' | head -n 1)
if [ -n "$win" ]; then ok "the window Form1 maps"; else not_ok "the window Form1 maps"; fi
xdotool mousemove 5 5  # off the board: over it the pointer steers the paddle
wait_for 5 "$xctl" focus "$win"

if wait_for 10 board_painted; then ok "a frame with the green board is painted"; else not_ok "a frame with the green board is painted"; fi
if is_colour 1000 6000 "128 255 128"; then ok "board fill is (128,255,128)"; else not_ok "board fill"; fi
if is_colour 4267 6850 "255 128 0"; then ok "the paddle rests centred"; else not_ok "the paddle rests centred"; fi
if is_colour 4267 6706 "0 0 255"; then ok "the ball rests on the paddle"; else not_ok "the ball rests on the paddle"; fi
if is_colour 3900 2060 "255 0 0"; then ok "pattern 1 shows red bricks"; else not_ok "pattern 1 shows red bricks"; fi

# --- Holding Right drives the paddle to the wall and launches the ball ----
xdotool keydown Right
if wait_for 5 is_colour 8300 6850 "255 128 0"; then ok "holding Right takes the paddle to the right wall"; else not_ok "holding Right takes the paddle to the right wall"; fi
if is_not_colour 4267 6706 "0 0 255"; then ok "the ball has left its resting place"; else not_ok "the ball has left its resting place"; fi
xdotool keyup Right

# --- The X server's own auto-repeat does not stutter the paddle -------------
# A short repeat delay, so that a long hold turns into many release/press
# pairs; a release that got through would stop the paddle short of the wall.
xset r rate 120 40 2>/dev/null
xdotool keydown Left
wait_for 5 is_colour 300 6850 "255 128 0"
xdotool keyup Left
xdotool keydown Right
sleep 0.4  # hold on past the repeat delay, so repeats come
if wait_for 5 is_not_colour 300 6850 "255 128 0" && wait_for 5 is_colour 8300 6850 "255 128 0"; then
  ok "a held arrow crosses the board under X auto-repeat"
else
  not_ok "a held arrow crosses the board under X auto-repeat"
fi
xdotool keyup Right
xset r rate 660 25 2>/dev/null

# --- F1 builds pattern 2, the ball at rest from then on --------------------
if to_pattern_2; then ok "F1 shows pattern 2's colours"; else not_ok "F1 shows pattern 2's colours"; fi

# --- P shows Pause; a click on it hides it --------------------------------
xdotool key p
if wait_for 5 is_colour 3460 2980 "225 225 225"; then ok "P shows the Pause button"; else not_ok "P shows the Pause button"; fi
click_at 4567 3900
if wait_for 5 is_not_colour 3460 2980 "225 225 225"; then ok "a click on Pause hides it"; else not_ok "a click on Pause hides it"; fi

# --- Looking away during play presses P for the player ---------------------
xdotool key F1
wait_for 5 is_not_colour 3460 2980 "225 225 225"
wait_for 5 "$xctl" focus "$win"
wait_for 5 is_colour 4267 6706 "0 0 255"  # F1 has put the ball back: play runs
"$xctl" unfocus
if wait_for 5 is_colour 3460 2980 "225 225 225"; then ok "losing the focus during play shows Pause"; else not_ok "losing the focus during play shows Pause"; fi
click_at 4567 3900
if wait_for 5 is_not_colour 3460 2980 "225 225 225"; then ok "a click on Pause goes on"; else not_ok "a click on Pause goes on after losing the focus"; fi
wait_for 5 "$xctl" focus "$win"

# --- The scene scales with the window ---------------------------------------
shot
before=$("$probe" "$work/shot.png" --board)
xdotool windowsize "$win" 700 500
grown() {
  shot && local now && now=$("$probe" "$work/shot.png" --board) && [ "$now" != "$before" ]
}
if wait_for 5 grown && is_colour 1000 6000 "128 255 128" && is_colour 4267 6850 "255 128 0"; then
  ok "the scene scales when the window is resized"
else
  not_ok "the scene scales when the window is resized"
fi

# --- Resizing to tiny and to huge sizes --------------------------------------
xdotool windowsize "$win" 40 30
sleep 0.2
xdotool windowsize "$win" 3800 2900
if wait_for 5 board_painted && kill -0 "$game_pid" 2>/dev/null; then ok "tiny and huge sizes: the game lives and paints"; else not_ok "tiny and huge sizes"; fi
xdotool windowsize "$win" 900 780
wait_for 5 board_painted

# --- A storm of ten thousand key events -------------------------------------
storm=()
for i in $(seq 500); do storm+=(Left Right p F1 F2 space a Shift_L F11 Down); done
for round in 1 2; do xdotool key --delay 0 "${storm[@]}" 2>/dev/null; done
xdotool key F1
if wait_for 10 is_colour $((120 + 9 * 415 + 40)) $((1560 + 7 * 226 + 40)) "0 128 255" || wait_for 5 is_colour 3900 2060 "255 0 0"; then
  ok "after ten thousand key events the game still answers"
else
  not_ok "after ten thousand key events the game still answers"
fi

# --- Closing the window ends the process within a second -------------------
"$xctl" close "$win"
gone() { ! kill -0 "$game_pid" 2>/dev/null; }
if wait_for 1 gone; then
  reap "$game_pid" "$work/game.log"
  rc=$?
  if [ $rc -eq 0 ]; then ok "closing the window ends the process (status 0)"; else not_ok "closing ends the process with status $rc"; fi
else
  not_ok "closing the window ends the process within a second"
fi
game_pid=

# Starts the game and waits for its first painted frame; sets game_pid, win.
start_game() {
  launch "$work/game.log" "$bin" "$@"
  game_pid=$launched
  win=$(find_window "$game_pid") && wait_for 10 board_painted
}
ends_within() {
  local limit=$1
  if wait_for "$limit" gone; then
    reap "$game_pid" "$work/game.log"
    local rc=$?
    game_pid=
    return $rc
  fi
  return 1
}

# --- SIGTERM, SIGINT and SIGHUP end the game cleanly -----------------------
for sig in TERM INT HUP; do
  if start_game; then
    kill -s "$sig" "$game_pid"
    if ends_within 1; then ok "SIG$sig: a clean exit"; else not_ok "SIG$sig: a clean exit"; fi
  else
    not_ok "the game starts again for SIG$sig"
  fi
  # Sent before the game has even started (pending across exec, as from a
  # launcher that blocks it): taken as soon as it can be, still clean.
  launch "$work/early.log" perl -e 'use POSIX; my $s = POSIX::SigSet->new(&{"POSIX::SIG$ARGV[0]"});
    sigprocmask(SIG_BLOCK, $s); kill $ARGV[0], $$; exec @ARGV[1..$#ARGV] or exit 127' "$sig" "$bin"
  game_pid=$launched
  if ends_within 10; then ok "SIG$sig before start-up: a clean exit"; else not_ok "SIG$sig before start-up: a clean exit: $(head -c 300 "$work/early.log")"; fi
  kill "${game_pid:-}" 2>/dev/null
  game_pid=
done

# --- Closing during the stall after a lost ball ------------------------------
if start_game; then
  wait_for 5 "$xctl" focus "$win"
  # The paddle waits at the left wall; the ball is lost once it shows below
  # the paddle's top. A ball may fly nearly level for a minute (the rules
  # allow a vertical step of 1): after 15 s, a fresh board and a new launch.
  seen=false
  for _ in 1 2 3 4; do
    xdotool keydown Right sleep 0.1 keyup Right keydown Left
    if wait_for 15 eval 'shot && "$probe" "$work/shot.png" --ball-in 6900 7215'; then
      seen=true
      break
    fi
    xdotool keyup Left key F1
  done
  if $seen; then
    "$xctl" close "$win"
    if ends_within 1; then ok "closing during the stall ends the process within a second"; else not_ok "closing during the stall"; fi
  else
    not_ok "the ball was never lost in four launches"
    kill "$game_pid" 2>/dev/null
    ends_within 2
  fi
  xdotool keyup Left
fi

# --- A fractional device-pixel ratio: edges stay on whole pixels -------------
if QT_SCALE_FACTOR=1.25 start_game; then
  # Pure design colours right next to edges mean nothing was smeared.
  if is_colour 1000 6000 "128 255 128" && is_colour 4267 6850 "255 128 0" &&
    is_colour 3900 2060 "255 0 0" && is_colour 2000 900 "255 0 0"; then
    ok "at a device-pixel ratio of 1.25 the scene paints crisply"
  else
    not_ok "at a device-pixel ratio of 1.25 the scene paints crisply"
  fi
  kill "$game_pid"
  ends_within 2
else
  not_ok "the game starts at a device-pixel ratio of 1.25"
fi

# --- A missing font: the fallback is named once --------------------------------
mkdir -p "$work/fonts"
cp "$(fc-match -f '%{file}' 'DejaVu Sans Mono')" "$work/fonts/" 2>/dev/null
cat >"$work/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig><dir>$work/fonts</dir><cachedir>$work/fontcache</cachedir></fontconfig>
CONF
if FONTCONFIG_FILE=$work/fonts.conf start_game; then
  n=$(grep -c "are not installed" "$work/game.log")
  arial=$(grep -c '"Arial"' "$work/game.log")
  if [ "$n" -eq 5 ] && [ "$arial" -eq 1 ]; then ok "missing fonts: each fallback named once, the game runs"; else not_ok "missing fonts ($n warnings)"; fi
  kill "$game_pid"
  ends_within 2
else
  not_ok "the game starts without its fonts"
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
