#!/usr/bin/env bash
# Peak resident memory while a large recording plays, in the driver and in
# the window (under Xvfb), beside each one's own at rest: a recording is
# read as a stream, so the peak may grow by at most the file's size.
#   bench/replay_memory.sh [MB] [BUILD]    (200 MB, build/ by default)
set -euo pipefail
mb=${1:-200}
build=${2:-$(dirname "$0")/../build}
work=$(mktemp -d)
cleanup() { kill "${game:-}" "${xvfb_pid:-}" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
. "$(dirname "${BASH_SOURCE[0]}")/../tests/window/xvfb.sh"
start_xvfb 1280x1024 "$work" || { echo "Xvfb did not start" >&2; exit 1; }
# Every line plays at once: advances to the same quarter of a ms.
python3 - "$work/big.rec" "$mb" <<'PY'
import sys
with open(sys.argv[1], 'w') as f:
    f.write('zandovik-replay 2\nversion 1.0.0\nshow 0\nseed 1\n')
    block, size = 'advance 0.25\n' * 100000, 0
    while size < int(sys.argv[2]) * 1000000:
        f.write(block)
        size += len(block)
PY
peak_kib() { /usr/bin/time -f '%M' "$@" 2>&1 >/dev/null | tail -n 1; }
echo "recording: $(du -m "$work/big.rec" | cut -f1) MB"
echo "driver at rest: $(printf 'show\n' | peak_kib "$build/zandovik-script") KiB"
echo "driver replaying: $(printf 'replay %s\n' "$work/big.rec" | peak_kib "$build/zandovik-script") KiB"
window_peak() {
  "$build/zandovik" "$@" >"$work/out" 2>&1 &
  game=$!
  until grep -q '^replay' "$work/out" 2>/dev/null || ! kill -0 "$game" 2>/dev/null; do
    [ $# -eq 0 ] && [ -n "$(xdotool search --pid "$game" 2>/dev/null)" ] && sleep 1 && break
    sleep 0.2
  done
  awk '/VmHWM/ {print $2}' "/proc/$game/status"
  kill "$game"
  wait "$game" 2>/dev/null || true
}
echo "window at rest: $(window_peak) KiB"
echo "window replaying: $(window_peak --replay "$work/big.rec") KiB"
