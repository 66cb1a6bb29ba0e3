#!/usr/bin/env bash
# The board editor against the game: time from exec to the first painted
# pixel (median of RUNS, alternately, under Xvfb) and resident memory two
# seconds after the window shows.
#   bench/editor.sh [RUNS] [BUILD]    (BUILD defaults to build/)
set -euo pipefail
runs=${1:-9}
build=$(realpath "${2:-$(dirname "$0")/../build}")
work=$(mktemp -d)
cleanup() { kill "${xvfb_pid:-}" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
. "$(dirname "${BASH_SOURCE[0]}")/../tests/window/xvfb.sh"
start_xvfb 1280x1024 "$work" || { echo "Xvfb did not start" >&2; exit 1; }
cp "$(dirname "$0")/../boards/extra.boards" "$work/set.boards"
game=("$build/zandovik")
editor=("$build/zandovik" --edit "$work/set.boards")
measure() { "$build/bench/first_frame" 200 200 -- "$@" 2>/dev/null | sed -n 's/first_frame_ms=//p'; }
measure "${game[@]}" >/dev/null  # warm the file caches
measure "${editor[@]}" >/dev/null
for _ in $(seq "$runs"); do
  echo "game $(measure "${game[@]}")"
  echo "editor $(measure "${editor[@]}")"
done >"$work/times"
median() {
  awk -v k="$1" '$1 == k {print $2}' "$work/times" | sort -n |
    awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
# rss COMMAND...: VmRSS in kB once its window has shown for two seconds.
rss() {
  "$@" >/dev/null 2>&1 &
  local pid=$! kb
  for _ in $(seq 200); do
    [ -n "$(xdotool search --all --onlyvisible --pid "$pid" 2>/dev/null)" ] && break
    sleep 0.05
  done
  sleep 2
  kb=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo "$kb"
}
echo "game_first_frame_ms_median=$(median game) editor_first_frame_ms_median=$(median editor)" \
  "game_rss_kb=$(rss "${game[@]}") editor_rss_kb=$(rss "${editor[@]}") runs=$runs"
