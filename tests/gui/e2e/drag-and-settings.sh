#!/usr/bin/env bash
# A player drags the middle facelet of the cube's top row onto its right-hand
# neighbour: the top layer turns, the rest of the cube stays. Closing the
# window rewrites the settings file with the live values (a cube size the
# game has not got starts a 3x3x3).
source "$(dirname "$0")/common.sh"

start_game "; the game keeps this line" "SpaceColor=clCream" "BGColor=clLime" "DrawQuality=1" \
  "RotateAntiAlias=0" "RotateSpeed=45" "ShuffleRotateCount=30" "CubeSize=9" "TimeoutRotate=0"
measure start
[ "$cube_w" -gt 60 ] || fail "no cube to be seen"

# The +Z face nearly fills the cube's outline; its rows are thirds of it.
row=$((cube_y + cube_h / 6))
middle=$((cube_x + cube_w / 2))
right=$((cube_x + cube_w * 5 / 6))
drag "$middle" "$row" "$right" "$row"
xdotool mousemove $((area_x + 5)) $((area_y + area_h - 5))

# Only the digits tell the facelets apart: a turned row changes a few
# per cent of its pixels, an untouched one none. The turn has ended once the
# release put the status line back and the top row stands still.
top_row=("$cube_x" "$cube_y" "$cube_w" $((cube_h / 3 - 4)))
top_row_turned() {
  shot after
  ready_in after && top=$(differs start after "${top_row[@]}") && [ "$top" -ge 8 ] &&
    shot_agrees_again after "${cube[@]}"
}
wait_until "the top layer to turn" top_row_turned
top=$(differs start after "${top_row[@]}")
bottom=$(differs start after "$cube_x" $((cube_y + cube_h * 2 / 3 + 4)) "$cube_w" $((cube_h / 3 - 8)))
echo "pixels changed: top row $top per mille, bottom row $bottom per mille"
[ "$bottom" -le 1 ] || fail "the bottom of the cube changed too ($bottom per mille)"

# Close the window as a player would, from the Game menu.
exit_from_menu

ini=$(cat "$work/tessaro3d.ini")
expected='[Settings]
; the game keeps this line
SpaceColor=clCream
BGColor=clLime
DrawQuality=1
RotateAntiAlias=0
RotateSpeed=45
ShuffleRotateCount=30
CubeSize=3
TimeoutRotate=0
ShowShuffle=1
Language=ru'
# Then where the window was, which the display decides.
[ "$(head -n 12 <<<"$ini")" = "$expected" ] || fail "settings file after exit:
$ini"
grep -qxE 'WindowLeft=-?[0-9]+' <<<"$ini" && grep -qx 'WindowWidth=478' <<<"$ini" &&
  grep -qx 'WindowHeight=399' <<<"$ini" && [ "$(wc -l <<<"$ini")" -eq 17 ] || fail "window's place after exit:
$ini"
echo "passed"
