#!/usr/bin/env bash
# End-to-end: the real binary under a private Xvfb.
set -uo pipefail
bin=$1
here=$(dirname "${BASH_SOURCE[0]}")
exec bash "$here/e2e.sh" "$bin"
