#!/usr/bin/env bash
# Draws the status pictures ok.png (unit connected) and ng.png (no unit) and the
# application icon. Each is drawn 8 times larger and scaled down, so the edges stay
# smooth at 22 px. A dark rim keeps the disc visible on light panels, the saturated
# fill on dark ones; the white glyph reads on the fill.
set -euo pipefail
cd "$(dirname "$0")/.."
convert=/usr/bin/convert
out=resources/pictures

draw() { # name fill rim glyph-args size
  local name=$1 fill=$2 rim=$3 glyph=$4 size=$5
  "$convert" -size 176x176 xc:none \
    -fill "$fill" -stroke "$rim" -strokewidth 12 -draw "circle 88,88 88,8" \
    -fill none -stroke white -strokewidth 22 -draw "$glyph" \
    -resize "${size}x${size}" -strip "PNG32:$name"
}

check="stroke-linecap round stroke-linejoin round polyline 50,92 76,118 128,60"
cross="stroke-linecap round line 60,60 116,116 line 116,60 60,116"

draw "$out/ok.png" '#2e9e44' '#14401d' "$check" 22
draw "$out/ng.png" '#c62828' '#4a0d0d' "$cross" 22
draw resources/icons/eboard-agent.png '#1565c0' '#0b2d55' "$check" 128
