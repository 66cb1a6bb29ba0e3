#!/usr/bin/env bash
# Refusals a player sees. Started by the desktop entry's own Exec lines, a
# board file, a recording or a set that cannot be played is said in a
# dialog as well as on standard error, and the game ends with status 1 once
# it is closed; started by hand, the same refusal opens nothing. A file the
# editor may not read is said as the system says it; /proc/kmsg is refused
# at once; a name with control characters stays one line.
set -uo pipefail
bin=$1
script=${ZANDOVIK_SCRIPT:?}
xctl=${XCTL:?}
. "$(dirname "${BASH_SOURCE[0]}")/session.sh"
desktop=$(dirname "${BASH_SOURCE[0]}")/../../packaging/org.zandovik.Zandovik.desktop

# exec_words GROUP GAME [FILE]: the group's Exec line as words, the game's
# name replaced by GAME and %f by FILE (nothing without one).
exec_words() {
  local w parts
  words=()
  read -r -a parts <<<"$(sed -n "/^\[$1\]/,/^\[/s/^Exec=//p" "$desktop" | head -n 1)"
  for w in "${parts[@]}"; do
    case $w in
      zandovik) words+=("$2") ;;
      %f) [ -n "${3:-}" ] && words+=("$3") ;;
      *) words+=("$w") ;;
    esac
  done
}
gone() { ! kill -0 "$game_pid" 2>/dev/null; }
# refused_in_a_dialog WHAT LOG PATTERN TITLE: the dialog shows, the log has
# one line matching PATTERN, closing the dialog ends the game with status 1.
refused_in_a_dialog() {
  local what=$1 log=$2 pattern=$3 title=${4:-^zandovik\$} win status
  game_pid=$launched
  if ! win=$(find_window "$game_pid" "$title"); then
    not_ok "$what: no dialog: $(cat "$log")"
    kill "$game_pid" 2>/dev/null
    reap "$game_pid" "$log"
    game_pid=
    return
  fi
  shot  # kept by not_ok, to look at a failure
  if [ "$(grep -c . "$log")" -eq 1 ] && grep -q -- "$pattern" "$log"; then
    ok "$what: a dialog, and $(sed "s|$work/||" "$log")"
  else
    not_ok "$what: the log: $(cat "$log")"
  fi
  "$xctl" close "$win"
  if wait_for 10 gone; then
    reap "$game_pid" "$log"
    status=$?
    [ "$status" -eq 1 ] && ok "$what: closing the dialog ends the game, status 1" ||
      not_ok "$what: status $status"
  else
    not_ok "$what: the game outlived its dialog"
    kill "$game_pid"
  fi
  game_pid=
}

printf 'zandovik-boards 1\nboard\n0000000000000000000x\n' >"$work/bad.boards"
exec_words 'Desktop Entry' "$bin" "$work/bad.boards"
[ "${words[1]}" = --desktop ] && ok "the desktop entry starts the game with --desktop" ||
  not_ok "the desktop entry's Exec: ${words[*]}"
launch "$work/entry.log" "${words[@]}"
refused_in_a_dialog "a bad board file from the desktop" "$work/entry.log" \
  "^zandovik: $work/bad.boards: line 3: a row is 20 digits"

# The extra set's action, in a game with no shipped sets beside it.
mkdir "$work/lone"
cp "$bin" "$work/lone/zandovik"
exec_words 'Desktop Action extra-boards' "$work/lone/zandovik"
launch "$work/extra.log" "${words[@]}"
refused_in_a_dialog "no extra set" "$work/extra.log" "^zandovik: no shipped set named extra$"

printf 'zandovik-replay 2\nversion 0.1\n' >"$work/old.rec"
launch "$work/replay.log" "$bin" --desktop --replay "$work/old.rec"
refused_in_a_dialog "a bad recording" "$work/replay.log" "^zandovik: $work/old.rec: line 2: "

# By hand, without --desktop: the line and nothing else.
timeout 20 "$bin" "$work/bad.boards" >"$work/hand.log" 2>&1
status=$?
[ "$status" -eq 1 ] && [ "$(wc -l <"$work/hand.log")" -eq 1 ] &&
  ok "without --desktop: status 1 and one line, no dialog" ||
  not_ok "without --desktop: status $status: $(cat "$work/hand.log")"

# A file the editor may not read (for root: as nobody): the system's words
# are the message.
mkdir "$work/locked"
printf 'zandovik-boards 1\nboard\n11111111111111111111\n' >"$work/locked/set.boards"
chmod 600 "$work/locked/set.boards"
exec_words 'Desktop Action make-boards' "$bin"
as=()
if [ "$(id -u)" -eq 0 ]; then
  chmod 711 "$work"
  chmod 755 "$work/locked"
  mkdir -m 700 "$work/home" && chown nobody "$work/home"
  as=(env HOME="$work/home" XDG_RUNTIME_DIR="$work/home" setpriv --reuid=nobody --regid=nogroup
    --clear-groups)
else
  chmod 000 "$work/locked/set.boards"
fi
launch "$work/locked.log" "${as[@]}" "${words[@]}" "$work/locked/set.boards"
refused_in_a_dialog "an unreadable file in the editor" "$work/locked.log" \
  "^zandovik: $work/locked/set.boards: cannot open: Permission denied$" '^zandovik board editor$'

# A "plain file" that waits for news: refused at once, never waited on.
if [ -r /proc/kmsg ]; then
  timeout 20 "$bin" --boards /proc/kmsg >"$work/kmsg.log" 2>&1
  status=$?
  [ "$status" -eq 1 ] && grep -q "^zandovik: /proc/kmsg: a file the system makes" "$work/kmsg.log" &&
    ok "--boards /proc/kmsg: status 1, $(cat "$work/kmsg.log")" ||
    not_ok "--boards /proc/kmsg: status $status: $(cat "$work/kmsg.log")"
fi

# Names with a newline and an escape: one line each, escaped.
odd=$work/$'odd\n\e[2J'
for run in "$bin --boards" "$bin --replay" "$script"; do
  # shellcheck disable=SC2086
  timeout 20 $run "$odd" >"$work/odd.log" 2>&1
  if [ "$(wc -l <"$work/odd.log")" -eq 1 ] && grep -q 'odd\\n\\033\[2J"' "$work/odd.log"; then
    ok "${run##*/}: the name escaped, $(sed "s|$work/||" "$work/odd.log")"
  else
    not_ok "${run##*/}: $(cat -v "$work/odd.log")"
  fi
done
finish
