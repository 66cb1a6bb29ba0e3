#!/usr/bin/env bash
# Memory of the real window: it follows the window's size, and running out
# of it is a clean end (one line, status 1), never a hang or a crash.
set -uo pipefail
bin=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
cleanup() { kill "${pid:-}" "${xvfb_pid:-}" 2>/dev/null || true; wait 2>/dev/null || true; show_cores "$work"; rm -rf "$work"; }
trap cleanup EXIT
. "$here/xvfb.sh"
start_xvfb 1280x1024 "$work" || { echo "Xvfb did not start"; exit 1; }
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# $1: what; the game's stderr in $work/err, its status in $status.
one_line_status_1() {
  local lines
  lines=$(wc -l <"$work/err")
  [ "$status" -eq 1 ] || fail "$1: status $status, want 1"
  [ "$lines" -eq 1 ] || fail "$1: $lines lines on stderr, want 1: $(head -c 400 "$work/err")"
  grep -q '^zandovik: out of memory' "$work/err" || fail "$1: $(head -c 200 "$work/err")"
}

# Too little address space to start.
(ulimit -v $((120 * 1024)); exec timeout 10 "$bin") >/dev/null 2>"$work/err"
status=$?
one_line_status_1 "a 120 MiB limit"

# Room to start, but not for a window of 8000 x 8000.
launch "$work/err" sh -c 'ulimit -v $((300 * 1024)) && exec "$0"' "$bin"
pid=$launched
if win=$(find_window "$pid"); then
  xdotool windowsize "$win" 8000 8000
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
  if kill -0 "$pid" 2>/dev/null; then
    fail "an 8000 x 8000 window under a 300 MiB limit: still running after 5 s"
    kill -KILL "$pid"
  fi
  reap "$pid" "$work/err"
  status=$?
  one_line_status_1 "an 8000 x 8000 window under a 300 MiB limit"
else
  fail "no window under a 300 MiB limit: $(head -c 300 "$work/err")"
fi
pid=

# A drag resize and back leaves memory where it started.
kill "$xvfb_pid" 2>/dev/null
wait "$xvfb_pid" 2>/dev/null
xvfb_pid=
result=$(bash "$here/../../bench/resize.sh" "$bin") || fail "bench/resize.sh: $result"
echo "$result"
growth=$(echo "$result" | sed -n 's/.*growth_kib=\(-\?[0-9]*\).*/\1/p')
[ -n "$growth" ] && [ "$growth" -lt 20000 ] || fail "memory grew by ${growth:-?} KiB through a resize and back"

[ "$failures" -eq 0 ] && echo "memory: all checks passed"
exit $((failures > 0))
