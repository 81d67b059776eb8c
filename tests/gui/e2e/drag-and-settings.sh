#!/usr/bin/env bash
# A player drags the middle facelet of the cube's top row onto its right-hand
# neighbour: the top layer turns, the rest of the cube stays. Closing the
# window rewrites the settings file with the live values.
source "$(dirname "$0")/common.sh"

start_game "; the game keeps this line" "SpaceColor=clCream" "BGColor=clLime" "DrawQuality=1" \
  "RotateAntiAlias=0" "RotateSpeed=45" "ShuffleRotateCount=30" "CubeSize=4" "TimeoutRotate=0"
shot before
measure before 00FF00
[ "$cube_w" -gt 60 ] || fail "no cube to be seen"

# The +Z face nearly fills the cube's outline; its rows are thirds of it.
row=$((cube_y + cube_h / 6))
middle=$((cube_x + cube_w / 2))
right=$((cube_x + cube_w * 5 / 6))
drag "$middle" "$row" "$right" "$row"
xdotool mousemove $((area_x + 5)) $((area_y + area_h - 5))
sleep 0.5
shot after

top=$(differs before after "$cube_x" "$cube_y" "$cube_w" $((cube_h / 3 - 4)))
bottom=$(differs before after "$cube_x" $((cube_y + cube_h * 2 / 3 + 4)) "$cube_w" $((cube_h / 3 - 8)))
# Only the digits tell the facelets apart: a turned row changes a few
# per cent of its pixels, an untouched one none.
echo "pixels changed: top row $top per mille, bottom row $bottom per mille"
[ "$top" -ge 8 ] || fail "the top layer did not turn ($top per mille changed)"
[ "$bottom" -le 1 ] || fail "the bottom of the cube changed too ($bottom per mille)"

# Close the window as a player would: Игра > Выход from the keyboard.
xdotool key --window "$window" F10
sleep 0.5
# Выход is the seventh item that can be chosen (the undo, redo and continue
# items after it are greyed at this point; the keyboard skips them).
xdotool key Down Down Down Down Down Down Down Return
wait_for_exit

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
TimeoutRotate=0'
[ "$ini" = "$expected" ] || fail "settings file after exit:
$ini"
echo "passed"
