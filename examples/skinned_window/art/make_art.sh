#!/usr/bin/env bash
# Redraws the example's pictures with ImageMagick into this folder (they are committed; run this
# only after changing the drawing). Needs the WenQuanYi Micro Hei font. PNG, 8-bit RGBA, without
# time stamps, so the same drawing gives the same bytes.
set -euo pipefail
cd "$(dirname "$0")"
font=WenQuanYi-Micro-Hei
# png <output> <ImageMagick arguments...>
png() {
  local out=$1
  shift
  convert "$@" -strip -define png:exclude-chunks=date,time -depth 8 "PNG32:$out"
}

# The window's back picture: a dark rounded panel with a thin light edge, its title and the label
# of the text box. Outside the rounded corners it is fully transparent.
png back.png -size 360x220 gradient:'#34425a-#161c28' \
  \( -size 360x220 xc:black -fill white -draw 'roundrectangle 0,0 359,219 18,18' \) \
  -alpha off -compose CopyOpacity -composite -compose Over \
  -fill none -stroke '#6f86ad' -strokewidth 1 -draw 'roundrectangle 0.5,0.5 358.5,218.5 18,18' \
  -stroke none -font "$font" -fill '#eef3fb' -pointsize 17 -annotate +22+32 'Skinned window' \
  -fill '#9fb0cc' -pointsize 12 -annotate +112+62 'Type a name:'

# The picture control's image: a teal drop with a highlight, larger than its control so that it
# is fitted into it.
png picture.png -size 128x128 xc:none \
  -fill '#1f8f86' -draw 'circle 64,72 64,118' \
  -fill '#1f8f86' -draw 'polygon 64,6 26,56 102,56' \
  -fill '#3fc2b4' -draw 'circle 58,70 58,104' \
  -fill '#c9f4ee' -draw 'ellipse 46,60 10,16 0,360'

# The button's four state images: the same rounded button in four colours with its label.
button() {
  png "button_$1.png" -size 120x36 xc:none -fill "$2" -draw 'roundrectangle 0,0 119,35 9,9' \
    -fill none -stroke "$3" -draw 'roundrectangle 0.5,0.5 118.5,34.5 9,9' -stroke none \
    -font "$font" -pointsize 15 -fill "$4" -gravity center -annotate +0+0 'Close'
}
button normal '#3567cc' '#6d93e0' '#ffffff'
button hover '#4f86f2' '#9ab8f5' '#ffffff'
button pressed '#1f418a' '#3567cc' '#d7e2f7'
button disabled '#6b7280' '#8a909c' '#c4c8cf'
