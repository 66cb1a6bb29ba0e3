#!/usr/bin/env bash
# Time from exec to the first painted frame, median of N runs under Xvfb.
#   bench/startup.sh [RUNS]    (uses build/bench/window_bench)
set -euo pipefail
runs=${1:-10}
bin=${WINDOW_BENCH:-$(dirname "$0")/../build/bench/window_bench}
work=$(mktemp -d)
cleanup() { kill "${xvfb_pid:-}" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
. "$(dirname "${BASH_SOURCE[0]}")/../tests/window/xvfb.sh"
start_xvfb 1280x1024 "$work" || { echo "Xvfb did not start" >&2; exit 1; }
"$bin" --startup >/dev/null 2>&1 || true  # warm the caches once
for _ in $(seq "$runs"); do
  ZANDOVIK_T0_NS=$(date +%s%N) "$bin" --startup 2>/dev/null | sed -n 's/startup_ms=//p'
done | sort -n | awk '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2;
  printf "startup_ms_median=%.1f min=%.1f max=%.1f runs=%d\n", m, v[1], v[NR], NR }'
