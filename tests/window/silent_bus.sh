#!/usr/bin/env bash
# A session bus that takes connections but never answers (its daemon
# stopped): the game says so in one line, leaves the bus alone and paints
# its first frame anyway; closing it ends the game cleanly.
set -uo pipefail
bin=$1
probe=${SHOT_PROBE:?}
xctl=${XCTL:?}
. "$(dirname "${BASH_SOURCE[0]}")/session.sh"
command -v dbus-daemon >/dev/null || { echo "skipped: no dbus-daemon here"; exit 77; }
export DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/bus"
dbus-daemon --session --address="$DBUS_SESSION_BUS_ADDRESS" --nofork --nopidfile >"$work/bus.log" 2>&1 &
bus=$!
helpers+=("$bus")
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/bus" ] && break; sleep 0.05; done
kill -STOP "$bus"

launch "$work/game.log" "$bin"
game_pid=$launched
if win=$(find_window "$game_pid") && wait_for 10 board_painted; then
  ok "a silent bus: the first frame is painted"
else
  not_ok "a silent bus: no frame: $(cat "$work/game.log")"
fi
if [ "$(grep -c "session bus does not answer" "$work/game.log")" -eq 1 ]; then
  ok "said in one line: $(grep -m 1 "session bus" "$work/game.log")"
else
  not_ok "not said once: $(cat "$work/game.log")"
fi
[ -n "${win:-}" ] && "$xctl" close "$win"
if wait_for 5 eval '! kill -0 "$game_pid" 2>/dev/null'; then
  reap "$game_pid" "$work/game.log"
  status=$?
  if [ "$status" -eq 0 ]; then ok "closed: status 0"; else not_ok "closed with status $status"; fi
else
  not_ok "the game did not end on closing"
fi
game_pid=
kill -CONT "$bus"
finish
