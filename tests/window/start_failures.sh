#!/usr/bin/env bash
# Start-up failures name their cause in one line, with status 1; --help and
# --version need no display; an unknown option gets the usage and status 2.
set -uo pipefail
bin=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
. "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"
# Two displays that no server holds here, whatever else this machine runs.
none=$(missing_display) && other=$(missing_display $((none + 1))) || { echo "no free display number"; exit 1; }
mkdir -m 700 "$work/run"
failures=0

# expect STATUS PATTERN ENV... -- ARGS...: run the game in a bare environment.
expect() {
  local want=$1 pattern=$2 envs=() status lines
  shift 2
  while [ $# -gt 0 ] && [ "$1" != -- ]; do envs+=("$1"); shift; done
  shift
  env -i PATH="$PATH" "${envs[@]}" timeout 10 "$bin" "$@" >"$work/out" 2>"$work/err"
  status=$?
  lines=$(wc -l <"$work/err")
  if [ "$status" -ne "$want" ] || ! grep -q -- "$pattern" "$work/err" "$work/out" ||
    { [ "$want" -ne 0 ] && [ "$lines" -ne 1 ]; }; then
    echo "FAIL: ${envs[*]} $*: status $status, $lines lines: $(head -c 300 "$work/err")"
    failures=$((failures + 1))
  else
    echo "ok: ${envs[*]} $*: $(head -n 1 "$work/err" "$work/out" | grep -v '^==>' | grep . | head -n 1)"
  fi
}

expect 1 "no display to open the window on" --
expect 1 "cannot open the X display ':$none'" DISPLAY=:$none --
expect 1 "cannot open the X display ':$other'" DISPLAY=:$none -- -display :$other
expect 1 "cannot open the Wayland display 'nowhere-77'" XDG_RUNTIME_DIR="$work/run" WAYLAND_DISPLAY=nowhere-77 --
expect 1 "XDG_RUNTIME_DIR is not set" WAYLAND_DISPLAY=nowhere-77 --
expect 0 "^usage: zandovik" -- --help
expect 0 "^zandovik [0-9]" -- --version
expect 2 "^usage: zandovik" -- --bogus
expect 2 "^usage: zandovik" -- --stray
# A word alone names a shipped set; a file is played by its path (a file
# manager passes one so).
expect 1 "^zandovik: no shipped set named stray$" -- stray
expect 1 "^zandovik: ./stray: cannot open: No such file or directory" -- ./stray

# Without Qt's Wayland platform (hidden in a private mount namespace).
plugins=$(dirname "$(find /usr/lib -path '*qt6/plugins/platforms/libqxcb.so' -print -quit)")
mkdir "$work/empty"
if unshare -m true 2>/dev/null; then
  env -i PATH="$PATH" XDG_RUNTIME_DIR="$work/run" WAYLAND_DISPLAY=wayland-0 \
    unshare -m sh -c 'mount --bind "$1" "$2" && exec "$3"' sh "$work/empty" "$plugins" "$bin" \
    >/dev/null 2>"$work/err"
  status=$?
  if [ "$status" -eq 1 ] && [ "$(wc -l <"$work/err")" -eq 1 ] && grep -q qt6-wayland "$work/err"; then
    echo "ok: without the Wayland platform: $(cat "$work/err")"
  else
    echo "FAIL: without the Wayland platform: status $status: $(cat "$work/err")"
    failures=$((failures + 1))
  fi
  # No platform at all: the display is not to blame; the toolkit's cause is
  # said instead.
  env -i PATH="$PATH" DISPLAY=:$none \
    unshare -m sh -c 'mount --bind "$1" "$2" && exec "$3"' sh "$work/empty" "$plugins" "$bin" \
    >/dev/null 2>"$work/err"
  status=$?
  if [ "$status" -eq 1 ] && [ "$(wc -l <"$work/err")" -eq 1 ] &&
    grep -q "cannot start on the X display .:$none.: .*platform plugin \"xcb\"" "$work/err"; then
    echo "ok: without any platform: $(cat "$work/err")"
  else
    echo "FAIL: without any platform: status $status: $(cat "$work/err")"
    failures=$((failures + 1))
  fi
else
  echo "skipped: no private mount namespace here for the missing-plugin case"
  skipped=1
fi
# --help and --version whose output is lost: a failure, said on stderr.
"$bin" --help >/dev/full 2>"$work/err"
st_full=$?
"$bin" --version >&- 2>"$work/err2"
st_closed=$?
if [ "$st_full" -eq 1 ] && [ "$st_closed" -eq 1 ] && grep -q "cannot write the output" "$work/err" &&
  grep -q "cannot write the output" "$work/err2"; then
  echo "ok: --help on a full disk and --version with stdout closed: status 1, said"
else
  echo "FAIL: lost output: statuses $st_full and $st_closed: $(cat "$work/err" "$work/err2")"
  failures=$((failures + 1))
fi
[ "$failures" -gt 0 ] && exit 1
# A case that could not run: counted as skipped, not passed.
[ -n "${skipped:-}" ] && exit 77
echo "start failures: all checks passed"
