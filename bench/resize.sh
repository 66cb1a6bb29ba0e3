#!/usr/bin/env bash
# Resident memory of the real window through a drag resize and back.
#   bench/resize.sh [-n STEPS] GAME
# Grows the window from 994 x 855 to 1924 x 1665 in STEPS steps (30), as
# dragging its corner does, then returns to 994 x 855. Prints
# "rss_start_kib=N rss_peak_kib=N rss_end_kib=N growth_kib=N".
set -euo pipefail
steps=30
[ "${1:-}" = -n ] && { steps=$2; shift 2; }
[ $# -eq 1 ] || { echo "usage: bench/resize.sh [-n STEPS] GAME" >&2; exit 2; }
game=$1

work=$(mktemp -d)
cleanup() { kill "${pid:-}" "${xvfb_pid:-}" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
. "$(dirname "${BASH_SOURCE[0]}")/../tests/window/xvfb.sh"
start_xvfb 2560x2048 "$work" || { echo "Xvfb did not start" >&2; exit 1; }
launch "$work/game.log" "$game"
pid=$launched
win=$(find_window "$pid") || { echo "no game window" >&2; exit 1; }
rss() { awk '/^VmRSS/ {print $2}' "/proc/$pid/status"; }
size() {
  xdotool windowsize "$win" "$1" "$2"
  # Let the window take the size and paint it.
  sleep 0.1
}
size 994 855
sleep 1
start=$(rss)
for i in $(seq "$steps"); do
  size $((994 + (1924 - 994) * i / steps)) $((855 + (1665 - 855) * i / steps))
done
size 994 855
sleep 1
end=$(rss)
peak=$(awk '/^VmHWM/ {print $2}' "/proc/$pid/status")
echo "rss_start_kib=$start rss_peak_kib=$peak rss_end_kib=$end growth_kib=$((end - start))"
