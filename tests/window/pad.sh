#!/usr/bin/env bash
# A gamepad plugged in while the game runs: SDL's own virtual game
# controller, worked from inside the game's process (pad_probe), read on the
# game's real input path. The d-pad moves the paddle, Start pauses, A clicks
# the visible button, unplugging lets go of what the pad held; the game so
# played replays exactly; without the gamepad module, one line and play on.
set -uo pipefail
bin=$1
probe=${SHOT_PROBE:?}
xctl=${XCTL:?}
script=${ZANDOVIK_SCRIPT:?}
pad_probe=${PAD_PROBE:?}
. "$(dirname "${BASH_SOURCE[0]}")/session.sh"
pause_shows() { is_colour 3460 2980 "225 225 225"; }
mkfifo "$work/pad"
: >"$work/pad.log"
# pad COMMAND: done by the probe inside the game, which logs it.
pad() {
  local before
  before=$(wc -l <"$work/pad.log")
  echo "$*" >"$work/pad"
  wait_for 20 eval '[ "$(wc -l <"$work/pad.log")" -gt "$before" ]' || return 1
  if tail -n 1 "$work/pad.log" | grep -qE "failed|no pad"; then
    echo "# pad: $(tail -n 1 "$work/pad.log")"
    return 1
  fi
}

launch "$work/game.log" env LD_PRELOAD="$pad_probe" PAD_PROBE_FIFO="$work/pad" \
  PAD_PROBE_LOG="$work/pad.log" "$bin" --record "$work/game.rec"
rec=$recording
game_pid=$launched
win=$(find_window "$game_pid") || { echo "no window"; exit 1; }
wait_for 5 "$xctl" focus "$win"
wait_for 10 board_painted

pad plug || not_ok "the probe could not plug in a pad"
pad press right
if wait_for 10 paddle_at 7900; then ok "a pad plugged in while the game runs: the d-pad moves the paddle"; else not_ok "the d-pad did not move the paddle"; fi
pad release right

pad press start
pad release start
if wait_for 5 pause_shows; then ok "Start pauses"; else not_ok "Start did not pause"; fi

# Paused, the pad holds Left and is pulled out: the arrow it held is let
# go, which the recording shows before the click that goes on.
pad press left
pad unplug
pad plug
pad press a
pad release a
if wait_for 5 eval '! pause_shows'; then ok "A clicks the visible button (Pause)"; else not_ok "A did not click Pause"; fi

"$xctl" close "$win"
wait_for 5 eval '! kill -0 "$game_pid" 2>/dev/null'
reap "$game_pid" "$work/game.log"
game_pid=
if awk '$1 == "key_down" && $3 == 37 { held = 1 } $1 == "key_up" && $3 == 37 && held { held = 0; released = 1 }
        $1 == "click" && $3 == "pause" { exit !(released && !held) }' "$rec"; then
  ok "unplugged, the pad let go of the arrow it held"
else
  not_ok "the unplugged pad's arrow stayed held: $(grep -E 'key_|click' "$rec" | tail -n 6 | tr '\n' ' ')"
fi
if [ -s "$work/game.log" ]; then not_ok "the game said: $(cat "$work/game.log")"; else ok "with SDL and a pad, nothing on stderr"; fi
out=$(printf 'replay %s\n' "$rec" | "$script" 2>&1)
if [ "$out" = "replay matches" ]; then ok "the game played with a pad replays exactly"; else not_ok "replay: $out"; fi

# Without the gamepad module (SDL missing alike): one line, and play on.
mkdir "$work/bare"
cp "$bin" "$work/bare/"
cp "$(dirname "$bin")/libzandovik-sound.so" "$work/bare/" 2>/dev/null
launch "$work/bare.log" "$work/bare/zandovik"
game_pid=$launched
win=$(find_window "$game_pid") || { echo "no window"; exit 1; }
wait_for 10 board_painted
if wait_for 10 grep -q "gamepads" "$work/bare.log" && kill -0 "$game_pid"; then
  lines=$(grep -c . "$work/bare.log")
  [ "$lines" = 1 ] && ok "no gamepad module: one line, and the game plays on" ||
    not_ok "no gamepad module: $lines lines: $(cat "$work/bare.log")"
else
  not_ok "no gamepad module: $(cat "$work/bare.log")"
fi
finish
