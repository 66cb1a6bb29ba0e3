#!/usr/bin/env bash
# Builds the .deb, installs it, starts the installed game under Xvfb, checks
# its desktop files, and removes it again. Needs root; skipped (77) without.
set -uo pipefail
build=$1
probe=$2
xctl=$3
if [ "$(id -u)" -ne 0 ]; then
  echo "skipped: installing a package needs root"
  exit 77
fi
work=$(mktemp -d)
cleanup() {
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  dpkg -r zandovik >/dev/null 2>&1
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "not ok - $1"; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/pkg" >/dev/null) || fail "cpack builds the package"
deb=$(ls "$work"/pkg/zandovik_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "a .deb was built"
echo "ok - built $(basename "$deb")"
DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$deb" >"$work/apt.log" 2>&1 ||
  { cat "$work/apt.log"; fail "the package installs"; }
echo "ok - the package installs"

for f in /usr/bin/zandovik /usr/share/applications/org.zandovik.Zandovik.desktop \
  /usr/share/metainfo/org.zandovik.Zandovik.metainfo.xml \
  /usr/share/icons/hicolor/scalable/apps/org.zandovik.Zandovik.svg \
  /usr/share/icons/hicolor/48x48/apps/org.zandovik.Zandovik.png; do
  [ -f "$f" ] || fail "installed: $f"
done
echo "ok - executable, desktop entry, metainfo and icons are installed"
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net /usr/share/metainfo/org.zandovik.Zandovik.metainfo.xml >/dev/null ||
    fail "appstreamcli accepts the metainfo"
  echo "ok - appstreamcli accepts the metainfo"
fi

. "$(dirname "${BASH_SOURCE[0]}")/../window/xvfb.sh"
start_xvfb 1280x1024 "$work" || fail "Xvfb starts"
/usr/bin/zandovik >"$work/game.log" 2>&1 &
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
echo "ok - the installed game opens and paints its board"
"$xctl" close "$win"
for _ in $(seq 40); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
if kill -0 "$pid" 2>/dev/null; then fail "the installed game closes"; fi
pid=
echo "ok - the installed game closes"
echo "6 passed, 0 failed"
