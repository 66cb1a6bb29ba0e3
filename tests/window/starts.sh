#!/usr/bin/env bash
# The window started and closed a hundred times leaves no process behind.
set -uo pipefail
bin=$1
xctl=${XCTL:?}
probe=${SHOT_PROBE:?}
runs=${RUNS:-100}
work=$(mktemp -d)
cleanup() { kill "${xvfb_pid:-}" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
. "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"
start_xvfb 1280x1024 "$work" || { echo "Xvfb did not start"; exit 1; }
painted() {
  import -window root "$work/shot.png" 2>/dev/null && "$probe" "$work/shot.png" --board >/dev/null 2>&1
}
failed=0
pids=()
for i in $(seq "$runs"); do
  launch "$work/game.log" "$bin"
  pid=$launched
  pids+=("$pid")
  win=$(find_window "$pid")
  for _ in $(seq 200); do painted && break; sleep 0.02; done
  if [ -z "$win" ]; then
    echo "not ok - run $i: no window"
    failed=$((failed + 1))
    kill "$pid" 2>/dev/null
    continue
  fi
  "$xctl" close "$win"
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.02; done
  if kill -0 "$pid" 2>/dev/null; then
    echo "not ok - run $i: still running two seconds after closing"
    failed=$((failed + 1))
    kill -9 "$pid" 2>/dev/null
  elif ! wait "$pid"; then
    echo "not ok - run $i: exit status not 0"
    failed=$((failed + 1))
  fi
done
left=0
for pid in "${pids[@]}"; do kill -0 "$pid" 2>/dev/null && left=$((left + 1)); done
if [ "$left" -eq 0 ] && [ "$failed" -eq 0 ]; then
  echo "ok - $runs starts and closes, no process left behind"
  echo "1 passed, 0 failed"
  exit 0
fi
echo "not ok - $left processes left behind, $failed runs failed"
echo "0 passed, 1 failed"
exit 1
