#!/usr/bin/env bash
# Builds the .deb with ./run package, holds it to lintian, installs it with
# only what it depends on, starts the installed game under Xvfb from its menu
# entry's command, checks its files, and purges it without a trace. Needs
# root; skipped (77) without.
set -uo pipefail
probe=$1
xctl=$2
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
if [ "$(id -u)" -ne 0 ]; then
  echo "skipped: installing a package needs root"
  exit 77
fi
work=$(mktemp -d)
cleanup() {
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  dpkg --purge zandovik >/dev/null 2>&1
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "not ok - $1"; exit 1; }
passed=0
pass() { echo "ok - $1"; passed=$((passed + 1)); }

deb=$(ZANDOVIK_PACKAGE_DIR="$work/pkg" "$source_dir/run" package 2>"$work/package.log" | tail -n 1)
[ -f "$deb" ] || { cat "$work/package.log"; fail "./run package builds a .deb"; }
pass "./run package built $(basename "$deb")"
lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 ||
  { cat "$work/lintian.log"; fail "lintian finds no error and no warning"; }
pass "lintian finds no error and no warning"
# The source package too, made from the files git tracks as ./run package
# takes them (in a git checkout).
if git -C "$source_dir" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mkdir -p "$work/source/zandovik"
  (cd "$source_dir" && git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
    tar --null -T - -cf -) | tar -xf - -C "$work/source/zandovik" &&
    (cd "$work/source" && dpkg-source -b zandovik >"$work/source.log" 2>&1) ||
    { cat "$work/source.log"; fail "the source package builds"; }
  lintian --fail-on error,warning "$work"/source/zandovik_*.dsc >"$work/lintian-source.log" 2>&1 ||
    { cat "$work/lintian-source.log"; fail "lintian finds no error and no warning in the source package"; }
  pass "lintian finds no error and no warning in the source package"
fi
DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$deb" >"$work/apt.log" 2>&1 ||
  { cat "$work/apt.log"; fail "the package installs"; }
pass "the package installs"

for f in /usr/games/zandovik /usr/share/applications/org.zandovik.Zandovik.desktop \
  /usr/share/man/man6/zandovik.6.gz /usr/share/doc/zandovik/copyright \
  /usr/share/icons/hicolor/16x16/apps/org.zandovik.Zandovik.png \
  /usr/share/metainfo/org.zandovik.Zandovik.metainfo.xml \
  /usr/share/icons/hicolor/scalable/apps/org.zandovik.Zandovik.svg \
  /usr/share/icons/hicolor/48x48/apps/org.zandovik.Zandovik.png \
  /usr/share/games/zandovik/boards/extra.boards \
  /usr/share/mime/packages/org.zandovik.Zandovik.xml; do
  [ -f "$f" ] || fail "installed: $f"
done
pass "game, man page, desktop entry, metainfo, icons, extra boards and file type are installed"
[ "$(man -w zandovik 2>/dev/null)" = /usr/share/man/man6/zandovik.6.gz ] || fail "man zandovik finds the page"
man --warnings -l /usr/share/man/man6/zandovik.6.gz 2>&1 >/dev/null | grep . && fail "man --warnings is silent"
pass "man zandovik shows the page, without warnings"
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --pedantic --no-net /usr/share/metainfo/org.zandovik.Zandovik.metainfo.xml >/dev/null ||
    fail "appstreamcli accepts the metainfo"
  pass "appstreamcli accepts the metainfo"
fi
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate /usr/share/applications/org.zandovik.Zandovik.desktop ||
    fail "desktop-file-validate accepts the desktop entry"
  pass "desktop-file-validate accepts the desktop entry"
fi
LANGUAGE=de /usr/games/zandovik --help | grep -q "^Ein Mauerbrecher-Spiel" ||
  fail "the installed game speaks German"
pass "the installed game speaks German"

. "$(dirname "${BASH_SOURCE[0]}")/../window/xvfb.sh"
start_xvfb 1280x1024 "$work" || fail "Xvfb starts"
# The menu entry's command, as a desktop runs it without a file (Debian's
# PATH has /usr/games): the main entry's, not its actions', and %f is nothing.
exec_line=$(sed -n '/^\[Desktop Entry\]/,/^\[Desktop Action/s/^Exec=//p' \
  /usr/share/applications/org.zandovik.Zandovik.desktop | sed 's/ %[fFuU]//')
PATH=/usr/local/bin:/usr/bin:/bin:/usr/games $exec_line >"$work/game.log" 2>&1 &
pid=$!
win=$(timeout 10 xdotool search --sync --all --onlyvisible --pid "$pid" --name '^Form1$' | head -n 1)
[ -n "$win" ] || fail "the installed game opens its window"
painted=
for _ in $(seq 200); do
  import -window root "$work/shot.png" 2>/dev/null
  if [ "$("$probe" "$work/shot.png" 1000 6000 2>/dev/null)" = "128 255 128" ]; then painted=1; break; fi
  sleep 0.05
done
[ -n "$painted" ] || fail "the installed game paints its board"
pass "the installed game opens and paints its board"
"$xctl" close "$win"
for _ in $(seq 40); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
if kill -0 "$pid" 2>/dev/null; then fail "the installed game closes"; fi
pid=
pass "the installed game closes"
files=$(dpkg -L zandovik | while read -r f; do [ -f "$f" ] && echo "$f"; done)
dpkg --purge zandovik >/dev/null 2>&1 || fail "the package purges"
for f in $files; do [ -e "$f" ] && fail "left behind after purge: $f"; done
pass "purge leaves nothing behind"
echo "$passed passed, 0 failed"
