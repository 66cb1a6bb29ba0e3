#!/usr/bin/env bash
# The cost of sound: share of a core in play with sound on and with M
# pressed, side by side, and at rest, under a private PipeWire.
#   bench/sound.sh [-s SECONDS] GAME
set -euo pipefail
seconds=20
[ "${1:-}" = -s ] && { seconds=$2; shift 2; }
[ $# -eq 1 ] || { echo "usage: bench/sound.sh [-s SECONDS] GAME" >&2; exit 2; }
game=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
cleanup() { stop_pipewire; rm -rf "$work"; }
trap cleanup EXIT
. "$here/../tests/window/pipewire.sh"
start_pipewire "$work" || { echo "no sound server" >&2; exit 1; }
# The CPU script gives the game a runtime folder of its own: point it here.
export PULSE_SERVER="unix:$XDG_RUNTIME_DIR/pulse/native"
echo "sound on:  $(bash "$here/cpu.sh" -s "$seconds" -p -- "$game")"
echo "muted:     $(bash "$here/cpu.sh" -s "$seconds" -p -k m -- "$game")"
echo "at rest:   $(bash "$here/cpu.sh" -s "$seconds" -- "$game")"
