#!/usr/bin/env bash
# Share of a core the game uses natively on Wayland: weston nested in Xvfb
# (X11 backend), with its pixman or its GL renderer, at rest or in play.
#   bench/wayland.sh [-s SECONDS] [-r pixman|gl] [-p] GAME
# -p keeps a ball in play: F1 and a short Right every 2.5 s.
# Prints "renderer=R cpu_percent=N peak_rss_kib=N".
set -euo pipefail
seconds=20
renderer=pixman
play=
while [ $# -gt 1 ]; do
  case "$1" in
    -s) seconds=$2; shift 2 ;;
    -r) renderer=$2; shift 2 ;;
    -p) play=1; shift ;;
    *) break ;;
  esac
done
[ $# -eq 1 ] || { echo "usage: bench/wayland.sh [-s S] [-r pixman|gl] [-p] GAME" >&2; exit 2; }
game=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
cleanup() { kill "${player:-}" "${pid:-}" "${weston_pid:-}" "${xvfb_pid:-}" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
. "$here/../tests/window/xvfb.sh"
start_xvfb 1400x1150 "$work" || { echo "Xvfb did not start" >&2; exit 1; }
flags=()
[ "$renderer" = pixman ] && flags=(--use-pixman)
weston --backend=x11-backend.so "${flags[@]}" --idle-time=0 --socket=wayland-bench \
  --width=1300 --height=1100 >"$work/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 200); do [ -S "$XDG_RUNTIME_DIR/wayland-bench" ] && break; sleep 0.05; done
output=
for _ in $(seq 200); do output=$(xdotool search --classname weston 2>/dev/null | head -n 1) && [ -n "$output" ] && break; sleep 0.05; done
WAYLAND_DISPLAY=wayland-bench "$game" >/dev/null 2>&1 &
pid=$!
sleep 2
xdotool windowfocus "$output" 2>/dev/null || true
# Weston's pointer follows the X pointer's steps from its corner.
xdotool mousemove 0 0 mousemove 700 800 click 1
. "$here/measure.sh"
[ -n "$play" ] && keep_ball_in_play
cpu_share "$pid" "$seconds" "renderer=$renderer "
