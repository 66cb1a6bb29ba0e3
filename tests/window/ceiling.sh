#!/usr/bin/env bash
# The window's caption after a ceiling bounce, in the real window: a player
# follows the ball on screen until the bricks open a way to the ceiling.
set -uo pipefail
bin=$1
probe=${SHOT_PROBE:?}
xctl=${XCTL:?}
player=${XPLAYER:?}
limit=${CEILING_SECONDS:-420}
work=$(mktemp -d)
game_pid=
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  kill "${xvfb_pid:-}" 2>/dev/null
  wait 2>/dev/null
  show_cores "$work"
  rm -rf "$work"
}
trap cleanup EXIT
# shellcheck source=tests/window/xvfb.sh
. "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"
start_xvfb 1280x1024 "$work" || { echo "Xvfb did not start"; exit 1; }

launch "$work/game.log" "$bin"
game_pid=$launched
win=$(find_window "$game_pid") || { echo "not ok - the window Form1 maps"; exit 1; }
painted() {
  import -window root "$work/shot.png" 2>/dev/null && "$probe" "$work/shot.png" --board >/dev/null 2>&1
}
for _ in $(seq 200); do painted && break; sleep 0.05; done
for _ in $(seq 100); do "$xctl" focus "$win" && break; sleep 0.05; done

start=$SECONDS
seen=$("$player" "$win" "$limit")
rc=$?
caption=$(xprop -id "$win" _NET_WM_NAME 2>/dev/null | sed -n 's/^[^"]*"\(.*\)"$/\1/p')
echo "# the player saw '$seen' after $((SECONDS - start)) s; the window's name is now '$caption'"
if [ $rc -eq 0 ] && [[ "$caption" =~ ^\ [0-4]$ ]]; then
  echo "ok - the caption shows the ceiling draw ('$caption') after a ceiling bounce"
  echo "1 passed, 0 failed"
  exit 0
fi
echo "not ok - the caption after a ceiling bounce (player status $rc, caption '$caption')"
echo "0 passed, 1 failed"
exit 1
