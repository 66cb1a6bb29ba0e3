#!/usr/bin/env bash
# From a key press to the paddle moving on screen, watched from outside:
# the game under its own Xvfb, an arrow key pressed through the X test
# extension, the paddle's strip grabbed through shared memory until it
# moved (bench/key_latency.cpp). Rounds alternate smooth motion and
# --draw-at-ticks, each a fresh game; prints per round
#   "smooth: median_ms=N p90_ms=N presses=N unanswered=N" and "ticks: ...",
# then the median of each mode over all its presses' medians.
#   bench/latency.sh [PRESSES] [ROUNDS] [BUILD_DIR]
set -euo pipefail
presses=${1:-30}
rounds=${2:-1}
build=${3:-build}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
game=$build/zandovik
probe=$build/bench/key_latency
shot_probe=$build/tests/shot_probe
for f in "$game" "$probe" "$shot_probe"; do
  [ -x "$f" ] || { echo "bench/latency.sh: $f is missing: build with ./run test first" >&2; exit 1; }
done
work=$(mktemp -d)
cleanup() { kill "${pid:-}" "${xvfb_pid:-}" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
. "$here/../tests/window/xvfb.sh"
start_xvfb 1280x1024 "$work" || { echo "Xvfb did not start" >&2; exit 1; }

for _ in $(seq "$rounds"); do
  for mode in smooth ticks; do
    args=()
    [ "$mode" = ticks ] && args=(--draw-at-ticks)
    "$game" "${args[@]}" >/dev/null 2>&1 &
    pid=$!
    win=$(timeout 10 xdotool search --sync --onlyvisible --pid "$pid" --name '^Form1$' | head -n 1)
    for _ in $(seq 100); do
      import -window root "$work/shot.png" && "$shot_probe" "$work/shot.png" --board >/dev/null 2>&1 && break
      sleep 0.1
    done
    xdotool windowfocus --sync "$win"
    # Across the board, through the paddle's middle rows (its top is on
    # the 24th of the board's 25 rows, 6763 twips down).
    # shellcheck disable=SC2046
    set -- $("$shot_probe" "$work/shot.png" --screen 120 6800) $("$shot_probe" "$work/shot.png" --screen 8415 6900)
    echo "$mode: $(nice -n -10 "$probe" "$presses" "$@" 2>/dev/null || "$probe" "$presses" "$@")"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    pid=
  done
done | tee "$work/out"
for mode in smooth ticks; do
  sed -n "s/^$mode: median_ms=\([0-9.]*\).*/\1/p" "$work/out" | sort -n |
    awk -v m="$mode" '{ v[NR] = $1 } END { if (NR) printf "%s_median_of_rounds_ms=%.1f rounds=%d\n", m, (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2, NR }'
done
