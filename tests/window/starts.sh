#!/usr/bin/env bash
# The window started and closed three hundred times, with a CPU hog beside
# it (start-up races show under load), every other time with a launcher's
# startup id that the toolkit unsets while starting: no death by a signal,
# no process left behind. Then a crash report: a game sent SIGSEGV says so,
# with a backtrace, and dies of that signal.
set -uo pipefail
bin=$1
xctl=${XCTL:?}
runs=${RUNS:-300}
work=$(mktemp -d)
cleanup() {
  kill "${xvfb_pid:-}" "${hog:-}" 2>/dev/null
  wait 2>/dev/null
  show_cores "$work"
  rm -rf "$work"
}
trap cleanup EXIT
. "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"
start_xvfb 1280x1024 "$work" || { echo "Xvfb did not start"; exit 1; }
# gone PID: the process has ended, within half a minute (a busy machine can
# take seconds; a close that hangs cannot).
gone() {
  local end=$((SECONDS + 30))
  while kill -0 "$1" 2>/dev/null; do
    [ $SECONDS -ge $end ] && return 1
    sleep 0.02
  done
}
sh -c 'while :; do :; done' &
hog=$!
failed=0
pids=()
for i in $(seq "$runs"); do
  if [ $((i % 2)) -eq 0 ]; then
    launch "$work/game.log" env DESKTOP_STARTUP_ID="zandovik-test_TIME$i" "$bin"
  else
    launch "$work/game.log" "$bin"
  fi
  pid=$launched
  pids+=("$pid")
  win=$(find_window "$pid")
  # Closed once its first frame is painted, as the sound and the pads start.
  if [ -z "$win" ] || ! first_frame "$win"; then
    [ -n "$win" ] && echo "not ok - run $i: no first frame" || echo "not ok - run $i: no window"
    failed=$((failed + 1))
    kill "$pid" 2>/dev/null
    reap "$pid" "$work/game.log"
    continue
  fi
  "$xctl" close "$win"
  if ! gone "$pid"; then
    echo "not ok - run $i: still running half a minute after closing"
    failed=$((failed + 1))
    kill -9 "$pid" 2>/dev/null
  elif ! reap "$pid" "$work/game.log"; then
    echo "not ok - run $i: exit status not 0"
    failed=$((failed + 1))
  fi
done
kill "$hog"
wait "$hog" 2>/dev/null
hog=
echo "$runs starts under load done, $failed failed"

# Standard error a pipe whose reader has gone, and lines to write there (a
# font configuration with one face, so the missing fonts are reported): the
# game plays on and closes cleanly.
mkdir -p "$work/fonts"
cp "$(find /usr/share/fonts -name DejaVuSansMono.ttf -print -quit)" "$work/fonts/"
printf '<?xml version="1.0"?>\n<fontconfig><dir>%s</dir><cachedir>%s</cachedir></fontconfig>\n' \
  "$work/fonts" "$work/fonts/cache" >"$work/fonts/fonts.conf"
(cd "$work" && FONTCONFIG_FILE=$work/fonts/fonts.conf exec "$bin") 2> >(exit 0) >/dev/null &
pid=$!
# The font check runs right after the first frame, before the close is
# taken.
if win=$(find_window "$pid") && first_frame "$win"; then
  "$xctl" close "$win"
  gone "$pid" || kill -9 "$pid"
  reap "$pid"
  status=$?
  if [ "$status" -eq 0 ]; then echo "ok - standard error a closed pipe: plays on, status 0"; else
    echo "not ok - standard error a closed pipe: status $status"
    failed=$((failed + 1))
  fi
else
  kill "$pid" 2>/dev/null
  reap "$pid"
  echo "not ok - standard error a closed pipe: no window (status $?)"
  failed=$((failed + 1))
fi

# The crash report: one line naming the signal and the version, the
# frames, the request to report it; and the status of that signal.
launch "$work/crash.log" "$bin"
pid=$launched
if find_window "$pid" >/dev/null; then
  kill -SEGV "$pid"
  reap "$pid" "$work/crash.log" >"$work/reaped"
  status=$?
  if [ "$status" -eq 139 ] && grep -q "^zandovik [0-9.]* crashed: SIGSEGV" "$work/crash.log" &&
    grep -q "(+0x[0-9a-f]*)\[0x" "$work/crash.log" && grep -q "reportbug zandovik" "$work/crash.log"; then
    echo "ok - SIGSEGV: a crash report and status 139: $(head -n 1 "$work/crash.log")"
    grep -q "^#[0-9]" "$work/reaped" && echo "ok - the harness shows the core's backtrace:" && grep -m 4 "^#[0-9]" "$work/reaped" ||
      echo "(no core's backtrace here: $(cat /proc/sys/kernel/core_pattern))"
  else
    echo "not ok - SIGSEGV: status $status, report: $(cat "$work/crash.log")"
    failed=$((failed + 1))
  fi
else
  echo "not ok - no window for the crash report"
  failed=$((failed + 1))
fi
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
