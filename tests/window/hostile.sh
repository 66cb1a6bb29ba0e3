#!/usr/bin/env bash
# Recordings made to hurt: each is refused with one message naming the file
# and the line, status 1 in the window and 2 in the driver, never a signal,
# a hang or a window left waiting. And --record never writes over a file,
# never waits on a pipe and refuses an empty path, while the game plays on.
set -uo pipefail
bin=$1
script=${ZANDOVIK_SCRIPT:?}
. "$(dirname "${BASH_SOURCE[0]}")/session.sh"
head=$'zandovik-replay 2\nversion 1.0.0\n'
make() { printf '%s' "$2" >"$work/$1.rec"; }
make header-only "$head"
make no-show "$head"$'seed 5\nadvance 10\n'
make late-show "$head"$'seed 5\nadvance 10\nshow 20\n'
make backwards "$head"$'show 0\nseed 5\nadvance 30\nadvance 20\n'
make far-ahead "$head"$'show 0\nseed 5\nadvance 3e9\n'
make negative "$head"$'show -5\nseed 5\n'
make second-show "$head"$'show 0\nseed 5\nshow 10\n'
make after-end "$head"$'show 0\nseed 5\nend 10 0123456789abcdef\nadvance 20\n'
make minus-one-sum "$head"$'show 0\nseed 5\ncheck 10 -1\n'
make big-key "$head"$'show 0\nseed 5\nkey_down 10 65536 0\n'
make no-seed "$head"$'show 0\nadvance 50\n'
make row-not-digits "$head"$'board A\nrow board\nrow 11111111111111111111\nshow 0\nseed 5\n'
mkfifo "$work/fifo.rec"

for f in header-only no-show late-show backwards far-ahead negative second-show after-end \
  minus-one-sum big-key no-seed row-not-digits fifo; do
  rec=$work/$f.rec
  # The window: a refusal ends it with status 1 and one message.
  (cd "$work" && exec timeout 30 "$bin" --replay "$rec") >"$work/$f.out" 2>"$work/$f.err" &
  pid=$!
  reap "$pid" "$work/$f.err"
  status=$?
  said=$(grep -c "^zandovik: .*$f.rec" "$work/$f.err")
  if [ "$status" -eq 1 ] && [ "$said" -eq 1 ] && ! grep -q 'replay matches' "$work/$f.out"; then
    ok "window, $f: status 1, $(grep "^zandovik: " "$work/$f.err" | sed "s|$work/||")"
  else
    not_ok "window, $f: status $status, out: $(cat "$work/$f.out"), err: $(cat "$work/$f.err")"
  fi
  # The driver: status 2, the script's line and the file's.
  out=$(printf 'replay %s\n' "$rec" | timeout 30 "$script" 2>&1)
  status=$?
  if [ "$status" -eq 2 ] && echo "$out" | grep -q "^line 1: .*$f.rec"; then
    ok "driver, $f: status 2"
  else
    not_ok "driver, $f: status $status: $out"
  fi
done

# --record: a file that exists is kept, a pipe is never opened, an empty
# path is refused; each said in one line while the game plays on.
echo "a player's earlier game" >"$work/kept.rec"
for target in "$work/kept.rec" "$work/fifo.rec" ""; do
  launch "$work/rec.log" "$bin" --record "$target"
  game_pid=$launched
  if find_window "$game_pid" >/dev/null && wait_for 10 grep -q "cannot record into" "$work/rec.log" &&
    kill -0 "$game_pid" 2>/dev/null && [ "$(grep -c 'zandovik:' "$work/rec.log")" -eq 1 ]; then
    ok "--record '${target#"$work/"}': $(sed "s|$work/||" "$work/rec.log" | grep zandovik:)"
  else
    not_ok "--record '$target': $(cat "$work/rec.log")"
  fi
  kill "$game_pid"
  reap "$game_pid" "$work/rec.log"
  game_pid=
done
[ "$(cat "$work/kept.rec")" = "a player's earlier game" ] && ok "the earlier recording is untouched" ||
  not_ok "the earlier recording changed: $(head -c 200 "$work/kept.rec")"
finish
