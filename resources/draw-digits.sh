#!/usr/bin/env bash
# Draws the facelet pictures of Tessaro 3D into resources/digits/:
#   digit-00.png        the blank facelet, pure white;
#   digit-01..09.png    the digits 1..9; the 6 and the 9 carry a short bar
#                       under the digit, so that a turned 6 cannot pass for a 9;
#   digit-10..25.png    the numbers 10..25 used on the 4x4x4 and 5x5x5 cubes.
# Every picture is 128x128 opaque 8-bit RGB. The glyphs are DejaVu Sans Bold,
# black on a warm light grey, with an ink height of exactly INK_HEIGHT pixels,
# centred in the square. The glyphs are rendered large, measured, scaled down
# with an area filter (smooth edges) and placed by their measured ink box, so
# the result does not depend on guessed font metrics. Running the script again
# writes byte-identical files.
set -euo pipefail

CONVERT=${CONVERT:-convert}
FONT=${FONT:-/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf}
SIZE=128
INK_HEIGHT=61          # ink height of every glyph, in pixels
DIGIT_WIDTH=40         # wanted mean ink width of the digits 2..9
NUMBER_MAX_WIDTH=88    # widest ink allowed for the numbers 10..25
BAR_GAP=6              # rows between the 6 or 9 and its bar
BAR_HEIGHT=7           # thickness of the bar, about a stroke of the digits
BAR_SHARE=80           # bar width, in percent of the digit's ink width
BACKGROUND='rgb(241,238,234)'
BIG_POINTS=488         # the size at which glyphs are rendered before scaling

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
out="$here/digits"
[ -r "$FONT" ] || { echo "font not found: $FONT" >&2; exit 1; }
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# PNG options: 8-bit truecolour, no time stamps or other varying chunks.
png_opts=(-strip -depth 8 -define png:color-type=2 -define png:bit-depth=8
          -define png:exclude-chunks=date,time,tEXt,zTXt,iTXt)

# render TEXT FILE: the text large in black on white, trimmed to its ink.
render() {
  "$CONVERT" -size 1600x800 xc:white -font "$FONT" -pointsize "$BIG_POINTS" \
    -fill black -annotate +100+650 "$1" -trim +repage -colorspace Gray "$2"
}

# ink FILE: prints "W H X Y" of the pixels that differ from the corner pixel.
ink() {
  "$CONVERT" "$1" -format '%@\n' info: | sed -E 's/^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$/\1 \2 \3 \4/'
}

# Horizontal squeeze factors from the measured digits: the digits 2..9 keep
# DejaVu's proportions but are narrowed to a mean ink width of DIGIT_WIDTH;
# the numbers use the same factor unless their widest one would not fit.
total=0
for d in 2 3 4 5 6 7 8 9; do
  render "$d" "$work/m.png"
  read -r w h _ < <("$CONVERT" "$work/m.png" -format '%w %h\n' info:)
  total=$(awk -v t="$total" -v w="$w" -v h="$h" -v H="$INK_HEIGHT" 'BEGIN { print t + w * H / h }')
done
digit_squeeze=$(awk -v t="$total" -v W="$DIGIT_WIDTH" 'BEGIN { printf "%.4f", W / (t / 8) }')
widest=0
for n in $(seq 10 25); do
  render "$n" "$work/m.png"
  read -r w h _ < <("$CONVERT" "$work/m.png" -format '%w %h\n' info:)
  widest=$(awk -v a="$widest" -v w="$w" -v h="$h" -v H="$INK_HEIGHT" 'BEGIN { v = w * H / h; print (v > a ? v : a) }')
done
number_squeeze=$(awk -v s="$digit_squeeze" -v a="$widest" -v M="$NUMBER_MAX_WIDTH" \
  'BEGIN { f = M / a; if (f > s) f = s; printf "%.4f", f }')

# glyph TEXT SQUEEZE FILE [bar]: draws one facelet picture; with "bar", a
# bar under the glyph, and the glyph and its bar centred together.
glyph() {
  local text=$1 squeeze=$2 file=$3 bar=${4:-}
  render "$text" "$work/big.png"
  local w h
  read -r w h < <("$CONVERT" "$work/big.png" -format '%w %h\n' info:)
  # Scale to the ink height; a faint edge row may vanish in the scaling, so
  # measure the result and grow the target until the ink is exactly right.
  local target=$INK_HEIGHT tries=0 tw iw ih
  while :; do
    tw=$(awk -v w="$w" -v h="$h" -v t="$target" -v s="$squeeze" 'BEGIN { printf "%d", w * t / h * s + 0.5 }')
    "$CONVERT" "$work/big.png" -filter Box -resize "${tw}x${target}!" \
      -trim +repage "$work/small.png"
    read -r iw ih < <("$CONVERT" "$work/small.png" -format '%w %h\n' info:)
    [ "$ih" -eq "$INK_HEIGHT" ] && break
    tries=$((tries + 1))
    [ "$tries" -lt 4 ] || { echo "cannot reach ink height for $text" >&2; exit 1; }
    target=$((target + INK_HEIGHT - ih))
  done
  if [ "$bar" = bar ]; then
    local bw=$(( (iw * BAR_SHARE + 50) / 100 )) top=$((ih + BAR_GAP))
    local left=$(( (iw - bw) / 2 ))
    "$CONVERT" "$work/small.png" -background white -gravity north \
      -extent "${iw}x$((top + BAR_HEIGHT))" +gravity -fill black \
      -draw "rectangle $left,$top $((left + bw - 1)),$((top + BAR_HEIGHT - 1))" \
      "$work/barred.png"
    mv "$work/barred.png" "$work/small.png"
    ih=$((top + BAR_HEIGHT))
  fi
  local x=$(( (SIZE - iw) / 2 )) y=$(( (SIZE - ih) / 2 ))
  # Multiplying the grey glyph onto the background leaves every pixel outside
  # the ink at exactly the background colour.
  "$CONVERT" -size "${SIZE}x${SIZE}" "xc:$BACKGROUND" "$work/small.png" \
    -geometry "+$x+$y" -compose Multiply -composite -colorspace sRGB -type TrueColor \
    "${png_opts[@]}" "PNG24:$work/out.png"
  mv "$work/out.png" "$file"
}

"$CONVERT" -size "${SIZE}x${SIZE}" xc:white -type TrueColor "${png_opts[@]}" \
  "PNG24:$out/digit-00.png"
for j in $(seq 1 25); do
  if [ "$j" -le 9 ]; then squeeze=$digit_squeeze; else squeeze=$number_squeeze; fi
  bar=""
  if [ "$j" -eq 6 ] || [ "$j" -eq 9 ]; then bar=bar; fi
  glyph "$j" "$squeeze" "$out/$(printf 'digit-%02d.png' "$j")" $bar
done

# Report the ink boxes, so that a change of font or tools shows at once.
colours=$("$CONVERT" "$out/digit-00.png" -unique-colors -format '%w %[pixel:p{0,0}]' info:)
echo "digit-00.png colours: $colours"
for j in $(seq 1 25); do
  f="$out/$(printf 'digit-%02d.png' "$j")"
  read -r w h x y < <(ink "$f")
  awk -v f="$(basename "$f")" -v w="$w" -v h="$h" -v x="$x" -v y="$y" -v S="$SIZE" \
    'BEGIN { printf "%s ink %dx%d at +%d+%d, centre %+.1f,%+.1f\n", f, w, h, x, y, x + w / 2 - S / 2, y + h / 2 - S / 2 }'
done
