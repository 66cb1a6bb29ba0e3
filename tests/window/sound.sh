#!/usr/bin/env bash
# The game heard through a real sound server: a private PipeWire with its
# pulse interface and WirePlumber's null sink, recorded from the sink's
# monitor while a ball is in play. Then M silences it; then, with no server
# at all, the game still starts and plays.
set -uo pipefail
bin=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
pids=()
cleanup() {
  kill "${game:-}" "${rec:-}" "${pids[@]}" "${xvfb_pid:-}" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
. "$here/xvfb.sh"
start_xvfb 1280x1024 "$work" || { echo "Xvfb did not start"; exit 1; }

# The sound server, private to this test.
export XDG_RUNTIME_DIR=$work/run
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
dbus-daemon --session --address="unix:path=$XDG_RUNTIME_DIR/bus" --nofork --nopidfile \
  >"$work/dbus.log" 2>&1 &
pids+=($!)
export DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/bus"
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/bus" ] && break; sleep 0.05; done
pipewire >"$work/pw.log" 2>&1 &
pids+=($!)
wireplumber >"$work/wp.log" 2>&1 &
pids+=($!)
pipewire-pulse >"$work/pp.log" 2>&1 &
pids+=($!)
sink=
for _ in $(seq 200); do
  sink=$(pactl get-default-sink 2>/dev/null || true)
  [ -n "$sink" ] && pactl list short sinks 2>/dev/null | grep -q "$sink" && break
  sink=
  sleep 0.05
done
[ -n "$sink" ] || { echo "no sound server: $(tail -3 "$work"/*.log)"; exit 1; }

# Peak absolute sample of a raw s16 mono recording.
peak() { od -An -v -td2 -w2 "$1" | awk '{a = $1 < 0 ? -$1 : $1; if (a > m) m = a} END {print m + 0}'; }
record() { parec -d "$sink.monitor" --raw --format=s16le --rate=48000 --channels=1 >"$1" & rec=$!; }
# A ball launched and left alone: it bounces and is lost within seconds.
play_a_ball() {
  xdotool key --window "$win" F1 2>/dev/null
  xdotool keydown --window "$win" Right sleep 0.1 keyup --window "$win" Right 2>/dev/null
  sleep "$1"
}

"$bin" >"$work/game.out" 2>&1 &
game=$!
win=$(find_window "$game") || { echo "no game window"; exit 1; }
"$XCTL" focus "$win" >/dev/null 2>&1 || true
# The stream is there once the game has connected (off the first frame).
for _ in $(seq 100); do
  pactl list sink-inputs 2>/dev/null | grep -q 'application.id = "org.zandovik.Zandovik"' && break
  play_a_ball 0.1
done
record "$work/on.raw"
play_a_ball 6
kill "$rec"; wait "$rec" 2>/dev/null; rec=
loud=$(peak "$work/on.raw")
echo "peak in play: $loud"
[ "$loud" -gt 1000 ] || fail "no sound in play (peak $loud)"
pactl list sink-inputs | grep -q 'application.id = "org.zandovik.Zandovik"' ||
  fail "no stream with application.id org.zandovik.Zandovik: $(pactl list sink-inputs)"

xdotool key --window "$win" m 2>/dev/null
sleep 0.5  # let effects already under way end
record "$work/off.raw"
play_a_ball 6
kill "$rec"; wait "$rec" 2>/dev/null; rec=
quiet=$(peak "$work/off.raw")
echo "peak after M: $quiet"
[ "$quiet" -lt 100 ] || fail "sound after M (peak $quiet)"
kill "$game"; wait "$game" 2>/dev/null; game=

# No server at all: the game starts and plays on.
kill "${pids[@]}" 2>/dev/null; wait "${pids[@]}" 2>/dev/null; pids=()
export XDG_RUNTIME_DIR=$work/empty
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
unset DBUS_SESSION_BUS_ADDRESS
"$bin" >/dev/null 2>"$work/err" &
game=$!
if win=$(find_window "$game"); then
  play_a_ball 2
  kill -0 "$game" 2>/dev/null || fail "the game ended without a sound server: $(cat "$work/err")"
  lines=$(wc -l <"$work/err")
  [ "$lines" -le 1 ] || fail "$lines lines on stderr without a sound server: $(cat "$work/err")"
else
  fail "no window without a sound server"
fi
[ "$failures" -eq 0 ] && echo "sound: all checks passed"
exit $((failures > 0))
