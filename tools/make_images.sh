#!/bin/sh
# make_images.sh [output directory]: draws the client's compiled-in images with ImageMagick.
# The PNGs are kept in the repository (src/display/images), so building never needs ImageMagick
# or the fonts used here; run this again only to change the artwork.
set -eu
out=${1:-$(dirname "$0")/../src/display/images}
mkdir -p "$out"

font=DejaVu-Serif-Bold
convert -list font | grep -q "Font: $font\$" || font=DejaVu-Sans-Bold

# Every image: 8-bit RGBA, no timestamps or text chunks, so a re-run gives the same bytes.
png() {
  name=$1
  shift
  convert "$@" -depth 8 -define png:color-type=6 -strip "PNG32:$out/$name.png"
}

# Logo, 192 x 43: the game's name in white lettering with a dark red glow; the web address is
# drawn over its bottom rows, so they stay clear.
png logo -size 192x43 xc:none \
  \( -size 192x43 xc:none -font "$font" -pointsize 34 -fill '#a01010' -gravity north -annotate +0+0 'Vandrel' \
     -channel A -morphology Dilate Disk:2 -blur 0x1.5 +channel \) -composite \
  -font "$font" -pointsize 34 -fill white -stroke '#f0e0c0' -strokewidth 0.5 -gravity north -annotate +0+0 'Vandrel'

# Padlock, 21 x 21: grey shackle over a gold body with a dark keyhole.
png padlock -size 21x21 xc:none \
  -fill none -stroke '#b0b0b8' -strokewidth 2.5 -draw 'arc 5,2 15,16 180,360' -draw 'line 5,9 5,11' \
  -draw 'line 15,9 15,11' \
  -stroke '#6a4a10' -strokewidth 1 -fill '#e0b030' -draw 'roundrectangle 3,10 17,19 2,2' \
  -stroke none -fill '#302010' -draw 'circle 10,13 10,14.3' -draw 'polygon 9,14 11,14 11.5,17 8.5,17'

# Status icon 0, 17 x 17: a sword, struck through in red.
png icon_nosword -size 17x17 xc:none \
  -stroke '#f0f0f8' -strokewidth 2.2 -draw 'line 15,1 6,10' \
  -stroke '#a06a20' -strokewidth 2 -draw 'line 3,8 8,13' -draw 'line 6,11 2,15' \
  -stroke '#500000' -strokewidth 3.6 -draw 'line 2,2 15,15' \
  -stroke '#ff3030' -strokewidth 2 -draw 'line 2,2 15,15'

# Status icon 1, 17 x 17: the letters Zzz, drawn as strokes so they need no font.
png icon_zzz -size 17x17 xc:none -fill none -stroke '#c0d8ff' -strokewidth 1.4 \
  -draw 'polyline 1,2 7,2 1,9 7,9' \
  -draw 'polyline 8,7 12,7 8,12 12,12' \
  -draw 'polyline 12,12 15,12 12,15.5 15,15.5'

# Status icons 2-4, 17 x 17: a raised open hand in red, light blue and green.
hand() {
  png "$1" -size 17x17 xc:none -fill "$2" -stroke "$3" -strokewidth 1 \
    -draw 'roundrectangle 4,7 13,15 3,3' \
    -draw 'roundrectangle 4,3 5.8,10 0.9,0.9' \
    -draw 'roundrectangle 6.5,1 8.3,9 0.9,0.9' \
    -draw 'roundrectangle 9,1.5 10.8,9 0.9,0.9' \
    -draw 'roundrectangle 11.5,3.5 13.3,10 0.9,0.9' \
    -draw 'polygon 4,11 1,7.5 2,6.5 5,9' \
    -stroke none -draw 'rectangle 5,8 12.5,12'
}
hand icon_hand_red '#e03030' '#701010'
hand icon_hand_blue '#80c8ff' '#2060a0'
hand icon_hand_green '#40d040' '#106010'

ls -l "$out"
