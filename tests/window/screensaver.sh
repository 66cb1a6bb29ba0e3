#!/usr/bin/env bash
# The screen stays awake while the ball is in play: on a private session
# bus where screensaver_probe owns org.freedesktop.ScreenSaver, the game
# inhibits when the ball is launched, lets go on P, inhibits again when a click on
# Pause goes on, and lets go when the window closes. With the bus but no
# such service, the game says nothing.
set -uo pipefail
bin=$1
probe=${SHOT_PROBE:?}
xctl=${XCTL:?}
saver=${SCREENSAVER_PROBE:?}
. "$(dirname "${BASH_SOURCE[0]}")/session.sh"
export DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/bus"
dbus-daemon --session --address="$DBUS_SESSION_BUS_ADDRESS" --nofork --nopidfile >"$work/bus.log" 2>&1 &
helpers+=($!)
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/bus" ] && break; sleep 0.05; done
calls=$work/calls
said() { grep -q "$1" "$calls"; }

# Without the service first: nothing said.
launch "$work/quiet.log" "$bin"
game_pid=$launched
if win=$(find_window "$game_pid"); then
  wait_for 5 "$xctl" focus "$win"
  xdotool key F1 keydown Right sleep 0.2 keyup Right sleep 0.5
  "$xctl" close "$win"
  wait_for 5 eval '! kill -0 "$game_pid" 2>/dev/null'
  reap "$game_pid" "$work/quiet.log"
  if [ ! -s "$work/quiet.log" ]; then ok "no screen-saver service: nothing said"; else not_ok "said: $(cat "$work/quiet.log")"; fi
else
  not_ok "no window without the service"
fi
game_pid=

"$saver" >"$calls" 2>"$work/saver.err" &
helpers+=($!)
wait_for 10 said ready || { echo "the probe did not start: $(cat "$work/saver.err")"; exit 1; }
launch "$work/game.log" "$bin"
game_pid=$launched
win=$(find_window "$game_pid") || { echo "no window"; exit 1; }
wait_for 5 "$xctl" focus "$win"
wait_for 10 board_painted
sleep 0.5
if said Inhibit; then not_ok "inhibited with the ball at rest: $(cat "$calls")"; else ok "the ball at rest: not inhibited"; fi
xdotool key F1 keydown Right sleep 0.2 keyup Right
if wait_for 5 said "^Inhibit zandovik"; then ok "play runs: inhibited ($(grep -m 1 Inhibit "$calls"))"; else not_ok "no Inhibit in play"; fi
xdotool key p
if wait_for 5 said "^UnInhibit 42"; then ok "P: let go"; else not_ok "no UnInhibit on P: $(cat "$calls")"; fi
click_at 4567 3900
if wait_for 5 said "^Inhibit .* 43$"; then ok "a click on Pause: inhibited again"; else not_ok "no Inhibit after Pause: $(cat "$calls")"; fi
"$xctl" close "$win"
if wait_for 5 said "^UnInhibit 43"; then ok "closing: let go"; else not_ok "no UnInhibit on closing: $(cat "$calls")"; fi
wait_for 5 eval '! kill -0 "$game_pid" 2>/dev/null'
reap "$game_pid" "$work/game.log"
game_pid=
finish
