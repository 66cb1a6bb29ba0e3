#!/usr/bin/env bash
# Time from exec to the first painted pixel on screen, for the game and for
# a bare Qt window, alternately, median of RUNS each, under Xvfb. The bare
# window runs three times: at the game's design size (568x489), at the size
# the game opens at on this screen (994x855), since filling the window's
# first image costs in proportion to its area, and at that size drawing the
# game's first texts in its faces and sizes (the floor for that frame).
#   bench/startup.sh [RUNS] [BUILD]    (BUILD defaults to build/)
set -euo pipefail
runs=${1:-9}
build=${2:-$(dirname "$0")/../build}
work=$(mktemp -d)
cleanup() { kill "${xvfb_pid:-}" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
. "$(dirname "${BASH_SOURCE[0]}")/../tests/window/xvfb.sh"
start_xvfb 1280x1024 "$work" || { echo "Xvfb did not start" >&2; exit 1; }
measure() { "$build/bench/first_frame" 200 200 -- "$@" 2>/dev/null | sed -n 's/first_frame_ms=//p'; }
# Warm the file caches once.
measure "$build/zandovik" >/dev/null
measure "$build/bench/bare_window" >/dev/null
for _ in $(seq "$runs"); do
  echo "game $(measure "$build/zandovik")"
  echo "bare $(measure "$build/bench/bare_window")"
  echo "same $(measure "$build/bench/bare_window" 994x855)"
  echo "faces $(measure "$build/bench/bare_window" --faces 994x855)"
done >"$work/times"
median() {
  awk -v k="$1" '$1 == k {print $2}' "$work/times" | sort -n |
    awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
game=$(median game)
bare=$(median bare)
same=$(median same)
faces=$(median faces)
awk -v g="$game" -v b="$bare" -v s="$same" -v f="$faces" -v n="$runs" \
  'BEGIN { printf "game_ms_median=%.1f bare_qt_ms_median=%.1f ratio=%.2f bare_qt_same_size_ms_median=%.1f ratio_same_size=%.2f bare_qt_same_faces_ms_median=%.1f ratio_same_faces=%.2f runs=%d\n", g, b, g / b, s, g / s, f, g / f, n }'
