#!/usr/bin/env bash
# A start that fails before the window shows leaves no recording behind,
# so the same name can be used again; a file the player had is never touched.
set -uo pipefail
bin=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# A display number no server holds: neither its socket nor its lock file.
n=90
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done

# check NAME CONDITION...: one line saying what held.
check() {
  local name=$1
  shift
  if "$@"; then
    echo "ok: $name"
  else
    echo "FAIL: $name: $(head -c 300 "$work/err")"
    failures=$((failures + 1))
  fi
}

for attempt in 1 2; do
  env -i PATH="$PATH" DISPLAY=":$n" timeout 10 "$bin" --record "$work/game.rec" 2>"$work/err"
  status=$?
  check "attempt $attempt: no display :$n, status 1" [ "$status" -eq 1 ]
  check "attempt $attempt: the cause said, not the recording" \
    grep -q "cannot open the X display ':$n'" "$work/err"
  check "attempt $attempt: no recording left" [ ! -e "$work/game.rec" ]
done

printf 'a game of mine\n' >"$work/mine.rec"
env -i PATH="$PATH" DISPLAY=":$n" timeout 10 "$bin" --record "$work/mine.rec" 2>"$work/err"
check "a file that exists is refused" grep -q "mine.rec: it exists already" "$work/err"
check "and kept as it was" [ "$(cat "$work/mine.rec")" = "a game of mine" ]

[ "$failures" -eq 0 ]
