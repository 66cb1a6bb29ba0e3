#!/usr/bin/env bash
# The game native on Wayland: weston (X11 backend, pixman renderer) nested
# in a private Xvfb, the game on Qt's wayland platform, judged from
# screenshots: the board, held Right reaching the wall, the pointer
# steering the paddle, F1, P and Pause, the pause when another client takes
# the focus, F11, close.
set -uo pipefail
bin=$1
probe=${SHOT_PROBE:?}
xctl=${XCTL:?}
work=$(mktemp -d)
passed=0
failed=0
cleanup() {
  kill "${game_pid:-}" "${other_pid:-}" "${weston_pid:-}" "${xvfb_pid:-}" 2>/dev/null
  wait 2>/dev/null
  show_cores "$work"
  rm -rf "$work"
}
trap cleanup EXIT
here=$(dirname "${BASH_SOURCE[0]}")
. "$here/shots.sh"
. "$here/xvfb.sh"
start_xvfb 1400x1150 "$work" || { echo "Xvfb did not start"; exit 1; }

# weston is an X client too: started again should Xvfb turn it away.
for _ in 1 2 3 4 5; do
  weston --backend=x11-backend.so --use-pixman --idle-time=0 --socket=wayland-zt \
    --width=1300 --height=1100 >"$work/weston.log" 2>&1 &
  weston_pid=$!
  wait_for 10 eval 'test -S "$XDG_RUNTIME_DIR/wayland-zt" || ! kill -0 "$weston_pid" 2>/dev/null'
  kill -0 "$weston_pid" 2>/dev/null && break
done
test -S "$XDG_RUNTIME_DIR/wayland-zt" || { echo "weston did not start: $(tail -3 "$work/weston.log")"; exit 1; }
weston_window() { output=$(xdotool search --classname weston 2>/dev/null | head -n 1) && [ -n "$output" ]; }
wait_for 10 weston_window && "$xctl" focus "$output" >/dev/null 2>&1
# Weston's X11 backend moves its pointer by the X pointer's steps, from its
# own corner: take the X pointer to the corner too, and from then on a
# position on the X screen is the same position in weston.
xdotool mousemove 0 0 mousemove 1 1 mousemove 0 0

(cd "$work" && WAYLAND_DISPLAY=wayland-zt exec "$bin") >"$work/game.log" 2>&1 &
game_pid=$!
if wait_for 10 board_painted; then ok "the game paints its board under weston"; else not_ok "the game paints its board under weston: $(head -c 300 "$work/game.log")"; fi
# Native: the game has no X window of its own.
if [ -z "$(xdotool search --pid "$game_pid" 2>/dev/null)" ]; then ok "it runs natively, with no X window"; else not_ok "it opened an X window"; fi
# The keyboard goes to weston's output window, and weston gives it to the
# game's surface once it is clicked.
"$xctl" focus "$output" >/dev/null 2>&1
click_at 1000 6000

xdotool keydown Right
if wait_for 5 is_colour 8300 6850 "255 128 0"; then ok "holding Right takes the paddle to the right wall"; else not_ok "holding Right takes the paddle to the right wall"; fi
xdotool keyup Right
# The pointer steers natively too: weston passes the X pointer's motion on.
if wait_for 10 steered_to 1500; then ok "the pointer takes the paddle to it"; else not_ok "the pointer did not steer the paddle"; fi

if to_pattern_2; then ok "F1 shows pattern 2's colours"; else not_ok "F1 shows pattern 2's colours"; fi

# The Pause button's face, at two points away from its caption.
pause_shows() { is_colour 3460 2980 "225 225 225" || is_colour 3420 4250 "225 225 225"; }
xdotool key p
if wait_for 5 pause_shows; then ok "P shows the Pause button"; else not_ok "P shows the Pause button"; fi
click_at 3460 2980
if wait_for 5 eval '! pause_shows'; then ok "a click on Pause hides it"; else not_ok "a click on Pause hides it"; fi

# Another client takes the focus: the game pauses.
WAYLAND_DISPLAY=wayland-zt weston-simple-shm >/dev/null 2>&1 &
other_pid=$!
if wait_for 5 pause_shows; then ok "a second client taking the focus shows Pause"; else not_ok "a second client taking the focus shows Pause"; fi
kill "$other_pid" 2>/dev/null
wait "$other_pid" 2>/dev/null
other_pid=

shot
before=$("$probe" "$work/shot.png" --board)
click_at 1000 6000
xdotool key F11
board_grew() { shot && now=$("$probe" "$work/shot.png" --board) && [ "$now" != "$before" ]; }
if wait_for 5 board_grew; then ok "F11 makes the window full screen"; else not_ok "F11 makes the window full screen"; fi

kill -TERM "$game_pid"
for _ in $(seq 40); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.05; done
if kill -0 "$game_pid" 2>/dev/null; then not_ok "the game ends"; else ok "the game ends"; fi
game_pid=
echo "$passed passed, $failed failed"
exit $((failed > 0))
