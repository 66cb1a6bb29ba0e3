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
pause_shows() { is_colour 3460 2980 "225 225 225"; }
export DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/bus"
dbus-daemon --session --address="$DBUS_SESSION_BUS_ADDRESS" --nofork --nopidfile >"$work/bus.log" 2>&1 &
helpers+=($!)
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/bus" ] && break; sleep 0.05; done
calls=$work/calls
said() { grep -q "$1" "$calls"; }
# What the game asks of the screen saver, and the bus's answers to it.
dbus-monitor --session "interface='org.freedesktop.ScreenSaver'" "type='error'" >"$work/monitor" 2>&1 &
helpers+=($!)
wait_for 10 grep -q NameLost "$work/monitor" || { echo "dbus-monitor did not start: $(cat "$work/monitor")"; exit 1; }
# The game asked for an inhibit and the bus answered that no one serves it.
refused() { awk '/member=Inhibit/ { asked = 1 } asked && /ServiceUnknown/ { no = 1 } END { exit !no }' "$work/monitor"; }
# A round trip to the probe: once answered, every call it got before is in $calls.
round_trip() {
  dbus-send --session --print-reply --dest=org.freedesktop.ScreenSaver /org/freedesktop/ScreenSaver \
    org.freedesktop.DBus.Peer.Ping >/dev/null 2>&1
}

# Without the service first: nothing said.
launch "$work/quiet.log" "$bin"
game_pid=$launched
if win=$(find_window "$game_pid"); then
  wait_for 5 "$xctl" focus "$win"
  xdotool key F1 keydown Right sleep 0.2 keyup Right
  # The game asked and was told there is no such service; P, after, shows
  # the game went on past the answer.
  wait_for 10 refused ||
    not_ok "the game did not ask to keep the screen awake: $(grep -A 1 -e member= -e error "$work/monitor")"
  xdotool key p
  wait_for 5 pause_shows || not_ok "P did not pause"
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
launch "$work/game.log" "$bin" --record "$work/game.rec"
game_pid=$launched
rec=$recording
win=$(find_window "$game_pid") || { echo "no window"; exit 1; }
wait_for 5 "$xctl" focus "$win"
wait_for 10 board_painted
# Half a second of the ball at rest, and every call of it at the probe.
wait_for 10 ran_past "$rec" '/^show /' 500 || not_ok "the game did not run at rest"
round_trip
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
