# Sourced by the real-window tests that count ok/not ok: a folder of the
# test's own, a private Xvfb, the screenshot helpers, and a cleanup that
# ends the game, the X server and any pid in `helpers`, shows the cores
# of a game that died by a signal, and removes the folder (KEEP_WORK=DIR
# keeps a copy of it, to look at a failure).
work=$(mktemp -d)
passed=0
failed=0
game_pid=
helpers=()
cleanup() {
  kill "${game_pid:-}" "${helpers[@]}" "${xvfb_pid:-}" 2>/dev/null
  wait 2>/dev/null
  show_cores "$work"
  [ -n "${KEEP_WORK:-}" ] && cp -r "$work" "$KEEP_WORK"
  rm -rf "$work"
}
trap cleanup EXIT
. "$(dirname "${BASH_SOURCE[0]}")/shots.sh"
. "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"
start_xvfb 1280x1024 "$work" || { echo "Xvfb did not start"; exit 1; }

# The tally as the last line, and the status that goes with it.
finish() {
  echo "$passed passed, $failed failed"
  exit $((failed > 0))
}
