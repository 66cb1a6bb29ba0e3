#!/usr/bin/env bash
# How smoothly the ball is drawn, watched from outside: the game under its
# own Xvfb with a ball kept in play, the screen grabbed through shared
# memory as fast as the server answers, the ball found by its blue on the
# board between the bricks and the paddle. Prints, with smooth motion and with --draw-at-ticks,
#   "smooth: moves_per_s=N step_cv=N steps=N" and "ticks: ...".
#   bench/motion.sh [SECONDS] [BUILD_DIR]
set -euo pipefail
seconds=${1:-10}
build=${2:-build}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
game=$build/zandovik
probe=$build/bench/motion_probe
shot_probe=$build/tests/shot_probe
for f in "$game" "$probe" "$shot_probe"; do
  [ -x "$f" ] || { echo "bench/motion.sh: $f is missing: build with ./run test first" >&2; exit 1; }
done
work=$(mktemp -d)
cleanup() { kill "${player:-}" "${pid:-}" "${xvfb_pid:-}" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
. "$here/../tests/window/xvfb.sh"
. "$here/measure.sh"
start_xvfb 1280x1024 "$work" || { echo "Xvfb did not start" >&2; exit 1; }

for mode in ${MOTION_MODES:-smooth ticks}; do
  args=()
  [ "$mode" = ticks ] && args=(--draw-at-ticks)
  "$game" "${args[@]}" >/dev/null 2>&1 &
  pid=$!
  win=$(timeout 10 xdotool search --sync --onlyvisible --pid "$pid" --name '^Form1$' | head -n 1)
  # The board painted, and the keyboard on the game.
  for _ in $(seq 100); do
    import -window root "$work/shot.png" && "$shot_probe" "$work/shot.png" --board >/dev/null 2>&1 && break
    sleep 0.1
  done
  xdotool windowfocus --sync "$win"
  # Below the bricks (a brick that takes seven hits is the ball's blue)
  # and above the ball resting on the paddle: the ball in free flight.
  # shellcheck disable=SC2046
  set -- $("$shot_probe" "$work/shot.png" --screen 120 4300) $("$shot_probe" "$work/shot.png" --screen 8415 6600)
  keep_ball_in_play
  # The watcher must not miss a frame: ahead of the others where allowed.
  echo "$mode: $(nice -n -10 "$probe" "$seconds" "$@" || "$probe" "$seconds" "$@")"
  kill "$player" "$pid"
  wait "$pid" 2>/dev/null || true
  player=
  pid=
done
