#!/usr/bin/env bash
# Share of one core a program uses under Xvfb, over a window of seconds.
#   bench/cpu.sh [-s SECONDS] [-g WxH] [-w WxH] [-n TITLE] [-u] [-p] [-k KEYS] -- COMMAND [ARGS...]
# -u unmaps the window first, as minimising it does.
# -n picks the program's window by a title pattern (default ^Form1$).
# -g sets the screen size, -w resizes the program's window; -k sends xdotool
# key names to the window first; -p keeps a ball in play: every 2.5 s it
# presses F1 (a fresh board, which also leaves pause or game over) and
# holds Right for 0.15 s to launch. -j PROBE plugs in a gamepad first: SDL's
# virtual one, through the tests' pad probe (tests/libpad_probe.so in the
# build tree), as a pad player's game runs. Prints "cpu_percent=N.N peak_rss_kib=N".
set -euo pipefail
seconds=20
geometry=1280x1024
keys=
name='^Form1$'
play=
size=
unmap=
pad_probe=
while [ $# -gt 0 ]; do
  case "$1" in
    -s) seconds=$2; shift 2 ;;
    -g) geometry=$2; shift 2 ;;
    -k) keys=$2; shift 2 ;;
    -p) play=1; shift ;;
    -n) name=$2; shift 2 ;;
    -w) size=$2; shift 2 ;;
    -u) unmap=1; shift ;;
    -j) pad_probe=$2; shift 2 ;;
    --) shift; break ;;
    *) break ;;
  esac
done
[ $# -gt 0 ] || { echo "usage: bench/cpu.sh [-s S] [-g WxH] [-k KEYS] -- COMMAND" >&2; exit 2; }

work=$(mktemp -d)
cleanup() { kill "${player:-}" "${plugger:-}" "${pid:-}" "${xvfb_pid:-}" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
. "$(dirname "${BASH_SOURCE[0]}")/../tests/window/xvfb.sh"
start_xvfb "$geometry" "$work" || { echo "Xvfb did not start" >&2; exit 1; }
if [ -n "$pad_probe" ]; then
  mkfifo "$work/pad"
  (echo plug >"$work/pad") &
  plugger=$!
  LD_PRELOAD=$pad_probe PAD_PROBE_FIFO=$work/pad PAD_PROBE_LOG=$work/pad.log "$@" >/dev/null 2>&1 &
else
  "$@" >/dev/null 2>&1 &
fi
pid=$!
win=$(timeout 10 xdotool search --sync --all --onlyvisible --pid "$pid" --name "$name" 2>/dev/null | head -n 1 || true)
sleep 1
if [ -n "$pad_probe" ]; then
  for _ in $(seq 200); do grep -q plug "$work/pad.log" 2>/dev/null && break; sleep 0.05; done
  grep -q '^plugged' "$work/pad.log" 2>/dev/null || { echo "no pad: $(cat "$work/pad.log" 2>/dev/null)" >&2; exit 1; }
fi
if [ -n "$keys" ] && [ -n "$win" ]; then
  xdotool windowfocus "$win" 2>/dev/null || true
  for k in $keys; do xdotool key "$k"; done
fi
if [ -n "$size" ] && [ -n "$win" ]; then
  xdotool windowsize "$win" "${size%x*}" "${size#*x}"
  sleep 1
fi
if [ -n "$unmap" ] && [ -n "$win" ]; then
  # What minimising does without a window manager: the window is unmapped.
  xdotool windowunmap "$win"
  sleep 1
fi
. "$(dirname "${BASH_SOURCE[0]}")/measure.sh"
if [ -n "$play" ] && [ -n "$win" ]; then
  xdotool windowfocus "$win" 2>/dev/null || true
  keep_ball_in_play
fi
cpu_share "$pid" "$seconds"
