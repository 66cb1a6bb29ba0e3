#!/usr/bin/env bash
# Draws the 16 x 16 and 32 x 32 icons pixel by pixel (ImageMagick), so that
# they read at their size instead of being a blurred downscale of the large
# one: the frame, three rows of bricks, the ball and the paddle.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
frame='#2b2d33' board='#90ee90' red='#ff0000' orange='#ff8000' yellow='#ffff00'
green='#00d000' cyan='#00ffff' blue='#0080ff' white='#ffffff' ball='#0000ff'

# draw SIZE UNIT: a 16-unit grid of UNIT pixels; at the larger size the
# bricks keep a one-pixel seam between them. The frame's corners stay clear.
draw() {
  local size=$1 u=$2 seam=$(($2 - 1)) args=()
  args+=(-fill "$frame" -draw "rectangle $u,0 $((size - u - 1)),$((size - 1))")
  args+=(-fill "$frame" -draw "rectangle 0,$u $((size - 1)),$((size - u - 1))")
  args+=(-fill "$board" -draw "rectangle $u,$u $((size - u - 1)),$((size - u - 1))")
  brick() { args+=(-fill "$1" -draw "rectangle $(($2 * u)),$(($3 * u)) $(($4 * u + u - 1 - seam)),$(($5 * u + u - 1 - seam))"); }
  brick "$red" 2 3 4 4; brick "$orange" 5 3 7 4; brick "$yellow" 8 3 10 4; brick "$green" 11 3 13 4
  brick "$cyan" 4 5 6 6; brick "$blue" 7 5 9 6; brick "$white" 10 5 12 6
  brick "$red" 7 7 9 8
  args+=(-fill "$ball" -draw "rectangle $((7 * u)),$((10 * u)) $((9 * u - 1)),$((12 * u - 1))")
  args+=(-fill "$orange" -draw "rectangle $((5 * u)),$((13 * u)) $((11 * u - 1)),$((14 * u - 1))")
  convert -size "${size}x${size}" xc:none "${args[@]}" -strip "PNG32:${size}x${size}/org.zandovik.Zandovik.png"
}
draw 16 1
draw 32 2
