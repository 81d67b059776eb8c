#!/usr/bin/env bash
# Draws the command icons and the application icon of Tessaro 3D from the SVG
# pictures in resources/icons/src/ into resources/icons/:
#   301..310.png  16x16, smooth alpha      401..410.png  32x32, smooth alpha
#   101..110.png  16x16, on/off alpha      201..210.png  32x32, on/off alpha
#   <id>@2x.png   each of those at twice its size, for a desktop scaled to
#                 200 %: the same drawing (16 or 32) at 32 or 64 pixels, so
#                 that the picture is the one of 100 %, only sharper.
#   app.png (32x32), app-64.png, app-128.png: the application icon.
#   hicolor/16.png ... hicolor/256.png: the same icon for the desktop's theme
#   folders (installed, not embedded).
#   hicolor/saved-game-16.png ... -256.png: the icon of a saved game (.cube)
#   in the file manager, from src/saved-game.svg (installed as a MIME type's).
# Command i (0..9): start over, open, save, stop!, settings, help, exit,
# undo a turn, redo a turn, hint.
# The on/off set keeps a pixel where the smooth alpha is at least one half; its
# edge colours are blended over a light grey first so that the cut edges look
# like the usual grey of toolbars rather than dark and jagged. Each size has
# its own drawing (16 and 32), for clear strokes at the small size. Running the
# script again writes byte-identical files.
set -euo pipefail

CONVERT=${CONVERT:-convert}
RSVG=${RSVG:-rsvg-convert}
EDGE_GREY='rgb(212,208,200)'

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
src="$here/icons/src"
out="$here/icons"
command -v "$RSVG" >/dev/null || { echo "needs $RSVG (Debian package librsvg2-bin)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

png_opts=(-strip -depth 8 -define png:color-type=6 -define png:bit-depth=8
          -define png:exclude-chunks=date,time,tEXt,zTXt,iTXt)

commands=(start-over open save stop settings help exit undo redo hint)

# smooth SVG SIZE FILE: the picture with its anti-aliased alpha.
smooth() {
  "$RSVG" -w "$2" -h "$2" -o "$work/raw.png" "$1"
  "$CONVERT" "$work/raw.png" -alpha on "${png_opts[@]}" "PNG32:$work/out.png"
  mv "$work/out.png" "$3"
}

# masked SMOOTH_PNG FILE: the same picture with an alpha of either 0 or 255.
masked() {
  "$CONVERT" "$1" \( +clone -background "$EDGE_GREY" -flatten \) \
    \( "$1" -alpha extract -threshold 50% \) \
    -delete 0 -alpha off -compose CopyOpacity -composite \
    "${png_opts[@]}" "PNG32:$work/out.png"
  mv "$work/out.png" "$2"
}

for i in "${!commands[@]}"; do
  name=${commands[$i]}
  for scale in 1 2; do
    suffix=$([ "$scale" = 1 ] && echo "" || echo "@${scale}x")
    smooth "$src/$name-16.svg" $((16 * scale)) "$out/$((301 + i))$suffix.png"
    smooth "$src/$name-32.svg" $((32 * scale)) "$out/$((401 + i))$suffix.png"
    masked "$out/$((301 + i))$suffix.png" "$out/$((101 + i))$suffix.png"
    masked "$out/$((401 + i))$suffix.png" "$out/$((201 + i))$suffix.png"
  done
done

smooth "$src/app.svg" 32 "$out/app.png"
smooth "$src/app.svg" 64 "$out/app-64.png"
smooth "$src/app.svg" 128 "$out/app-128.png"
mkdir -p "$out/hicolor"
for size in 16 32 48 64 128 256; do
  smooth "$src/app.svg" "$size" "$out/hicolor/$size.png"
  smooth "$src/saved-game.svg" "$size" "$out/hicolor/saved-game-$size.png"
done

# Check the on/off set really has only the two alpha values.
for f in "$out"/[12]0[1-9]{,@2x}.png "$out"/[12]10{,@2x}.png; do
  values=$("$CONVERT" "$f" -alpha extract -unique-colors -format '%w' info:)
  [ "$values" -le 2 ] || { echo "$f: $values alpha values" >&2; exit 1; }
done
echo "icons written to $out"
