#!/usr/bin/env bash
# The board editor in a real window, driven by keys: a digit and a name
# saved and found on disk after quitting; undo; a board with no brick refused at
# save; an unreadable file opened and closed untouched; a save onto a full
# disk (a small tmpfs of the test's own) leaves the old file whole. The
# full-disk part needs mount: without it the test reports a skip (77).
set -uo pipefail
bin=$1
xctl=${XCTL:?}
. "$(dirname "${BASH_SOURCE[0]}")/session.sh"

# Recovery copies go to the test's own folder, never the user's.
export XDG_DATA_HOME=$work/data
recovery=$XDG_DATA_HOME/zandovik/recovery

# editor_window PID: the editor's main window once it is visible.
editor_window() { find_window "$1" 'board editor$'; }
# A dialog of the editor's, by its title.
dialog_shows() { xdotool search --all --onlyvisible --pid "$game_pid" --name "$1" >/dev/null 2>&1; }
# Keys to the dialog by its title: no window manager gives it the focus.
focus_dialog() {
  local w
  w=$(xdotool search --all --onlyvisible --pid "$game_pid" --name "$1" | head -n 1) &&
    wait_for 5 "$xctl" focus "$w"
}
gone() { ! kill -0 "$game_pid" 2>/dev/null; }
# open FILE: the editor on FILE, focused; sets game_pid and win.
open_editor() {
  launch "$work/editor.log" "$bin" --edit "$1"
  game_pid=$launched
  win=$(editor_window "$game_pid") && wait_for 5 "$xctl" focus "$win"
}
keys() { xdotool key --delay 30 "$@"; }
# board_box WINDOW: "left top width height" of the green board on the screen.
board_box() {
  local geo
  import -window root "$work/shot.png" 2>/dev/null &&
    geo=$(convert "$work/shot.png" -fill black +opaque 'rgb(128,255,128)' -trim -format '%w %h %X %Y' info:) &&
    # shellcheck disable=SC2086
    set -- $geo && [ "$1" -gt 100 ] && echo "${3#+} ${4#+} $1 $2"
}
row() { sed -n "$(($2 + 2))p" "$1"; }  # row N (1-based) of the first board

set_file=$work/mine.boards
# --- a digit, save, quit: the file on disk has it ---------------------------
if open_editor "$set_file"; then
  keys Right Right 5 F2
  xdotool type --delay 30 "The Gate"
  keys Return ctrl+s
  if wait_for 10 eval '[ "$(row "$set_file" 1)" = 11511111111111111111 ]'; then
    ok "a digit and Ctrl+S: the new file holds the cell"
  else not_ok "the saved file: $(cat "$set_file" 2>&1)"; fi
  grep -qx 'board The Gate' "$set_file" && ok "F2 names the board" ||
    not_ok "the name: $(sed -n 2p "$set_file")"
  head -n 1 "$set_file" | grep -qx 'zandovik-boards 1' && ok "the file is a board file" ||
    not_ok "first line: $(head -n 1 "$set_file")"
  keys ctrl+q
  if wait_for 10 gone; then
    reap "$game_pid" "$work/editor.log" && ok "Ctrl+Q with nothing unsaved quits at once, status 0" ||
      not_ok "status $? on quitting"
  else
    not_ok "Ctrl+Q did not quit"
    kill "$game_pid"
  fi
  game_pid=
else not_ok "the editor's window did not show: $(cat "$work/editor.log")"; fi

# --- a name being typed stays with its board ---------------------------------
names=$work/names.boards
if open_editor "$names"; then
  # Ctrl+N while the first board's name is typed: the name is the first's.
  keys F2
  xdotool type --delay 30 "First"
  keys ctrl+n F2
  xdotool type --delay 30 "Second"
  keys Return 1 ctrl+s ctrl+q
  wait_for 10 gone || kill "$game_pid"
  reap "$game_pid" "$work/editor.log"
  game_pid=
  [ "$(grep '^board' "$names" 2>/dev/null | tr '\n' /)" = "board First/board Second/" ] &&
    ok "a name being typed stays with its board when another is added" ||
    not_ok "names: $(grep '^board' "$names" 2>&1 | tr '\n' /)"
else not_ok "the editor did not open $names"; fi

# A click on another board in the list while a name is typed: the name is
# still the first board's when Enter comes.
clicked=$work/clicked.boards
if open_editor "$clicked"; then
  keys ctrl+d Page_Up F2
  xdotool type --delay 30 "Mine"
  # The list's second row: the side panel is the window's right 290 pixels,
  # its list under the title line.
  xdotool mousemove --window "$win" 900 74 click 1
  keys Return 7 ctrl+s ctrl+q  # the 7 shows which board the click showed
  wait_for 10 gone || kill "$game_pid"
  reap "$game_pid" "$work/editor.log"
  game_pid=
  [ "$(awk '/^board/ { n++; getline; print n ":" substr($0, 1, 1) }' "$clicked" | tr '\n' /)" = "1:1/2:7/" ] ||
    not_ok "the click in the list did not show the second board: $(cat "$clicked")"
  [ "$(grep '^board' "$clicked" 2>/dev/null | tr '\n' /)" = "board Mine/board/" ] &&
    ok "a name being typed stays with its board when another is clicked in the list" ||
    not_ok "names after a click: $(grep '^board' "$clicked" 2>&1 | tr '\n' /)"
else not_ok "the editor did not open $clicked"; fi

# --- undo, and a board with no brick refused ---------------------------------
if open_editor "$set_file"; then
  keys Down 7 Right 3 ctrl+z ctrl+s
  if wait_for 10 eval '[ "$(row "$set_file" 2)" = 71111111111111111110 ]'; then
    ok "Ctrl+Z takes back the last digit only"
  else not_ok "after undo: $(row "$set_file" 2)"; fi
  # A left drag along row 4 paints the chosen 3 into every cell it
  # crosses, and one Ctrl+Z takes the whole drag back.
  if board=$(board_box "$win"); then
    # shellcheck disable=SC2086
    set -- $board  # left top width height of the board, in screen pixels
    y=$(($2 + ($4 * (4 + 2) - $4 / 2) / 25))  # the pattern's rows begin at the third
    xdotool mousemove $(($1 + $3 / 40)) "$y" mousedown 1 mousemove $(($1 + $3 * 9 / 40)) "$y" \
      mousemove $(($1 + $3 * 19 / 40)) "$y" mouseup 1
    keys ctrl+s
    if wait_for 10 eval '[ "$(row "$set_file" 4)" = 33333333331111111000 ]'; then
      ok "a left drag paints every cell it crosses"
    else not_ok "after the drag: $(row "$set_file" 4)"; fi
    keys ctrl+z ctrl+s
    if wait_for 10 eval '[ "$(row "$set_file" 4)" = 00011111111111111000 ]'; then
      ok "one Ctrl+Z takes back the whole drag"
    else not_ok "after undoing the drag: $(row "$set_file" 4)"; fi
  else not_ok "the board is not on the screen"; fi
  cp "$set_file" "$work/before"
  keys ctrl+n ctrl+s ctrl+q
  if wait_for 10 dialog_shows '^Unsaved changes$'; then
    ok "a set with an empty board is not saved: quitting asks"
    cmp -s "$set_file" "$work/before" && ok "and the file is unchanged" ||
      not_ok "the file changed: $(cat "$set_file")"
    focus_dialog '^Unsaved changes$' && keys Escape  # Cancel: the editor stays
    # Quitting again asks again: the editor took more keys after Cancel.
    if wait_for 10 eval '! dialog_shows "^Unsaved changes$"' && wait_for 5 "$xctl" focus "$win" &&
      keys ctrl+q && wait_for 10 dialog_shows '^Unsaved changes$' && ! gone; then
      ok "Cancel keeps the editor open"
    else not_ok "Cancel did not keep the editor"; fi
    cmp -s "$set_file" "$work/before" || not_ok "the file changed on Cancel"
  else not_ok "no question on quitting with unsaved changes"; fi
  kill "$game_pid" 2>/dev/null  # a quit signal ends it without a question
  reap "$game_pid" "$work/editor.log"
  game_pid=
  [ "$(ls -A "$work" | grep -c 'mine.boards.')" = 0 ] && ok "no temporary file is left beside" ||
    not_ok "left beside: $(ls "$work")"
else not_ok "the editor did not open the saved set: $(cat "$work/editor.log")"; fi

# --- F5: the board in the game, and back ---------------------------------------
# Only once the game plays board files from its command line.
if "$bin" --help | grep -q -- '--boards'; then
  if open_editor "$set_file"; then
    keys F5
    game_win=
    for _ in $(seq 250); do
      game_win=$(xdotool search --all --onlyvisible --name '^Form1$' 2>/dev/null | head -n 1)
      [ -n "$game_win" ] && break
      sleep 0.04
    done
    if [ -n "$game_win" ]; then
      ok "F5 opens the game"
      # Escape in the tried game comes back.
      wait_for 5 "$xctl" focus "$game_win"
      xdotool key Escape
      if wait_for 10 eval '[ -z "$(xdotool search --all --onlyvisible --name "^Form1$")" ]'; then
        ok "Escape in the game closes it"
      else
        not_ok "Escape left the game open"
        "$xctl" close "$game_win"
      fi
      # Back in the editor, as it was: a digit at the cursor (still the
      # top-left cell) saved beside the first one.
      back() {
        "$xctl" focus "$win" && keys 8 ctrl+s &&
          wait_for 1 eval '[ "$(row "$set_file" 1)" = 81511111111111111111 ]'
      }
      for _ in 1 2 3 4 5; do back && break; done  # the same cell each time: no harm in a repeat
      [ "$(row "$set_file" 1)" = 81511111111111111111 ] && ok "back in the editor as it was" ||
        not_ok "after the game: $(row "$set_file" 1)"
    else not_ok "F5 opened no game: $(cat "$work/editor.log")"; fi
    kill "$game_pid" 2>/dev/null
    reap "$game_pid" "$work/editor.log"
    game_pid=
  else not_ok "the editor did not open for F5"; fi
else
  echo "# the game does not take --boards yet: F5 is not tried"
fi

# --- F5's game ends with the editor, by kill -9 too; TMPDIR plays no part ----
# F5 keeps no file of its own: a missing TMPDIR changes nothing.
launch "$work/editor.log" env TMPDIR="$work/no-such-folder" "$bin" --edit "$set_file"
game_pid=$launched
if win=$(editor_window "$game_pid") && wait_for 5 "$xctl" focus "$win"; then
  keys F5
  trial=
  wait_for 10 eval 'trial=$(pgrep -P "$game_pid" | head -n 1); [ -n "$trial" ]'
  if [ -n "$trial" ] && find_window "$trial" >/dev/null; then
    ok "F5 plays with TMPDIR set to a missing folder"
    kill -9 "$game_pid"
    reap "$game_pid"
    game_pid=
    if wait_for 10 eval '! kill -0 "$trial" 2>/dev/null'; then
      ok "the tried game ends when the editor is killed with -9"
    else
      not_ok "the tried game outlived the editor"
      kill "$trial"
    fi
  else not_ok "F5 opened no game with TMPDIR missing: $(cat "$work/editor.log")"; fi
  kill "${game_pid:-}" 2>/dev/null
  game_pid=
else not_ok "the editor did not open for F5's end"; fi

# --- a quit signal keeps the changes, and the next start offers them --------
modified() { xdotool search --all --onlyvisible --pid "$game_pid" --name '^mine.boards\* ' >/dev/null 2>&1; }
for sig in TERM KILL; do
  rm -rf "$recovery"
  cp "$set_file" "$work/kept.before"
  if open_editor "$set_file"; then
    digit=6
    [ $sig = KILL ] && digit=4
    keys Down Down $digit
    wait_for 5 modified || not_ok "the digit made no change"
    # The copy is written a moment after the change: wait for it for -9.
    [ $sig = KILL ] && wait_for 10 eval 'ls "$recovery"/mine.boards-*.boards >/dev/null 2>&1'
    kill -$sig "$game_pid"
    if wait_for 5 gone; then
      reap "$game_pid"
      status=$?
      [ $sig = KILL ] || { [ $status = 0 ] && ok "SIGTERM with unsaved changes ends at once, status 0" ||
        not_ok "SIGTERM: status $status"; }
    else
      not_ok "SIG$sig did not end the editor at once"
      kill -9 "$game_pid"
    fi
    game_pid=
    cmp -s "$set_file" "$work/kept.before" || not_ok "SIG$sig changed the file itself"
    if ls "$recovery"/mine.boards-*.boards >/dev/null 2>&1; then
      ok "SIG$sig: the unsaved changes are in a recovery copy"
    else not_ok "SIG$sig: no recovery copy in $recovery: $(cat "$work/editor.log")"; fi
    launch "$work/editor.log" "$bin" --edit "$set_file"
    game_pid=$launched
    if wait_for 10 dialog_shows '^Unsaved changes were kept$'; then
      ok "SIG$sig: the next start offers the kept changes"
      focus_dialog '^Unsaved changes were kept$'
      if [ $sig = TERM ]; then
        keys Return  # Restore
        win=$(editor_window "$game_pid") && wait_for 5 "$xctl" focus "$win" && keys ctrl+s
        if wait_for 10 eval '[ "$(row "$set_file" 3 | cut -c1)" = 6 ]'; then
          ok "Restore and save: the file has the change"
        else not_ok "after Restore: $(row "$set_file" 3)"; fi
      else
        keys alt+d  # Discard
        win=$(editor_window "$game_pid") && wait_for 5 "$xctl" focus "$win"
        cmp -s "$set_file" "$work/kept.before" && ok "Discard leaves the file as it was" ||
          not_ok "Discard changed the file"
      fi
      if wait_for 10 eval '! ls "$recovery"/mine.boards-*.boards >/dev/null 2>&1'; then
        ok "the recovery copy goes once saved or discarded"
      else not_ok "left in $recovery: $(ls "$recovery")"; fi
    else not_ok "SIG$sig: no offer to restore: $(cat "$work/editor.log")"; fi
    keys ctrl+q
    wait_for 10 gone || kill "$game_pid"
    reap "$game_pid"
    game_pid=
  else not_ok "the editor did not open for SIG$sig"; fi
done

# --- a link in a loop is refused --------------------------------------------
ln -s "$work/loop-b.boards" "$work/loop-a.boards"
ln -s "$work/loop-a.boards" "$work/loop-b.boards"
launch "$work/loop.log" "$bin" --edit "$work/loop-a.boards"
game_pid=$launched
if wait_for 10 dialog_shows '^zandovik board editor$'; then
  grep -q "loop-a.boards is a link that leads round in a loop" "$work/loop.log" &&
    ok "a link in a loop is named as one" || not_ok "message: $(cat "$work/loop.log")"
  focus_dialog '^zandovik board editor$' && keys Return
  if wait_for 10 gone; then
    reap "$game_pid"
    status=$?
    [ $status = 1 ] && ok "and the editor ends with status 1" || not_ok "status $status"
  else not_ok "the refusal did not end the editor"; fi
  [ -L "$work/loop-a.boards" ] && ok "the link stays a link" || not_ok "the link was replaced"
else not_ok "no refusal for a link in a loop: $(cat "$work/loop.log")"; fi
kill "$game_pid" 2>/dev/null
game_pid=

# --- a file that is not a board file ----------------------------------------
bad=$work/bad.boards
printf 'zandovik-boards 1\nboard\n1111\n' >"$bad"
cp "$bad" "$work/bad.copy"
launch "$work/bad.log" "$bin" --edit "$bad"
game_pid=$launched
if wait_for 10 dialog_shows '^zandovik board editor$'; then
  grep -q "bad.boards: line 3" "$work/bad.log" && ok "an unreadable file: its line is named" ||
    not_ok "message: $(cat "$work/bad.log")"
  focus_dialog '^zandovik board editor$' && keys Escape
  if wait_for 10 gone; then
    reap "$game_pid"
    status=$?
    [ $status = 1 ] && ok "Quit ends with status 1" || not_ok "status $status"
  else
    not_ok "Escape did not quit"
    kill "$game_pid"
  fi
  cmp -s "$bad" "$work/bad.copy" && ok "the unreadable file is unchanged" || not_ok "bad file changed"
else not_ok "no dialog for an unreadable file: $(cat "$work/bad.log")"; fi
game_pid=

# --- a full disk -------------------------------------------------------------
small=$work/small
mkdir -p "$small"
if ! mount -t tmpfs -o size=256k tmpfs "$small" 2>/dev/null; then
  echo "# cannot mount a tmpfs here: the full-disk part is skipped"
  echo "$passed passed, $failed failed"
  [ $failed -gt 0 ] && exit 1
  exit 77
fi
trap 'umount "$small" 2>/dev/null; cleanup' EXIT
cp "$set_file" "$small/set.boards"
cp "$set_file" "$work/full.before"
if open_editor "$small/set.boards"; then
  dd if=/dev/zero of="$small/fill" bs=4k 2>/dev/null
  keys ctrl+d ctrl+d ctrl+d 4 ctrl+s ctrl+q
  if wait_for 10 dialog_shows '^Unsaved changes$'; then
    ok "a save onto a full disk fails and the changes stay unsaved"
    cmp -s "$small/set.boards" "$work/full.before" && ok "the old file is whole" ||
      not_ok "the old file changed: $(cat "$small/set.boards")"
    [ "$(ls "$small")" = "$(printf 'fill\nset.boards')" ] && ok "nothing else is left behind" ||
      not_ok "left on the disk: $(ls "$small")"
    rm -f "$small/fill"
    focus_dialog '^Unsaved changes$' && keys Return  # Save, now that there is room
    if wait_for 10 gone; then
      [ "$(grep -c '^board' "$small/set.boards")" = 4 ] &&
        ok "with room again, Save in the question writes all four boards and quits" ||
        not_ok "after saving: $(cat "$small/set.boards")"
    else not_ok "Save in the question did not quit"; fi
  else not_ok "no question after a failed save"; fi
  kill "$game_pid" 2>/dev/null
  reap "$game_pid" "$work/editor.log"
  game_pid=
else not_ok "the editor did not open the set on the tmpfs"; fi
finish
