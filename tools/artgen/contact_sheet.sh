#!/usr/bin/env bash
# Makes the pictures in docs/ from a generated data folder, for looking at the art:
#   docs/textures.png     every texture, labelled, the font sheet on grey
#   docs/skybox_cross.png the skybox unfolded as seen from inside, up above the face
#                         towards the sun, so its seams and the sun can be checked
# Usage: contact_sheet.sh <data folder> [docs folder]   (needs ImageMagick)
set -euo pipefail
data=${1:?usage: contact_sheet.sh <data folder> [docs folder]}
root=$(cd "$(dirname "$0")/../.." && pwd)
docs=${2:-$root/docs}
scene=$data/scene/data
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The skybox files as the drawing code shows them from inside: right, front and back are mirrored
# left to right; up joins the right face (towards the sun) unturned; down joins it flipped.
convert "$scene/grave_ft.jpg" -flop "$work/ft.png"
convert "$scene/grave_rt.jpg" -flop "$work/rt.png"
convert "$scene/grave_bk.jpg" -flop "$work/bk.png"
convert "$scene/grave_dn.jpg" -flip "$work/dn.png"
convert -size 512x512 xc:'#202020' "$work/none.png"
montage "$work/none.png" "$scene/grave_up.jpg" "$work/none.png" "$work/none.png" \
  "$work/ft.png" "$work/rt.png" "$work/bk.png" "$scene/grave_lf.jpg" \
  "$work/none.png" "$work/dn.png" "$work/none.png" "$work/none.png" \
  -tile 4x3 -geometry 512x512+0+0 -background '#202020' "$work/cross.png"
convert "$work/cross.png" -resize 1024x768 "$docs/skybox_cross.png"

# The font sheet: white coverage shown over blue-grey, twice its size (ImageMagick 6 shows a
# TGA in file order unless told to honour its bottom-left origin).
convert "$data/font.tga" -auto-orient -background '#406080' -flatten -scale 200% "$work/font.png"

tiles=()
add() {  # picture, label
  convert "$1" -resize 256x256 "$work/tile${#tiles[@]}.png"
  tiles+=(-label "$2" "$work/tile${#tiles[@]}.png")
}
for face in up dn lf rt ft bk; do add "$scene/grave_$face.jpg" "grave_$face.jpg (sky)"; done
for face in front back top2 bottom left rite; do add "$scene/my$face.jpg" "my$face.jpg (glass)"; done
for face in front back top2 bottom left rite; do
  add "$scene/my${face}a2.jpg" "my${face}a2.jpg (centrepiece)"
done
add "$scene/ground.jpg" "ground.jpg"
add "$scene/detail2.jpg" "detail2.jpg"
add "$scene/io.jpg" "io.jpg (frost)"
add "$scene/bass.jpg" "bass.jpg (glow)"
add "$scene/basics.jpg" "basics.jpg (snowflake)"
add "$work/font.png" "font.tga"
montage "${tiles[@]}" -tile 6x -geometry 256x256+6+6 -background '#303030' -fill white \
  -pointsize 14 "$docs/textures.png"
echo "wrote $docs/textures.png and $docs/skybox_cross.png"
