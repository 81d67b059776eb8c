#!/usr/bin/env bash
# A whole game through the buttons: New game scrambles, Save asks for a name
# in the real file dialog, Stop puts the solved cube back, Open brings the
# saved game back exactly, and saving it again writes the same points.
source "$(dirname "$0")/common.sh"

start_game "BGColor=clLime" "RotateSpeed=45" "ShuffleRotateCount=8" "TimeoutRotate=0"
shot start
measure start 00FF00

# The button bar lies just above the drawing area; buttons are 45 pixels
# apart, with wider gaps at the two separators.
button_y=$((area_y - 26))
button() {  # index 1..9 as on the bar
  case $1 in
    1) echo $((area_x + 24)) ;; 2) echo $((area_x + 69)) ;; 3) echo $((area_x + 114)) ;;
    4) echo $((area_x + 159)) ;; 6) echo $((area_x + 218)) ;; 7) echo $((area_x + 263)) ;;
    9) echo $((area_x + 322)) ;;
  esac
}
park() { xdotool mousemove $((area_x + 3)) $((area_y + area_h - 3)); sleep 0.5; }

click "$(button 1)" "$button_y"   # New game
park
sleep 1
shot scrambled
changed=$(differs start scrambled "$cube_x" "$cube_y" "$cube_w" "$cube_h")
echo "New game changed $changed per mille of the cube"
[ "$changed" -ge 10 ] || fail "New game did not scramble the cube"

game="$work/saved-game.cube"
click "$(button 3)" "$button_y"   # Save: no game file yet, so it asks for a name
dialog=$(xdotool search --sync --onlyvisible --name "Сохранить как..." | head -n 1)
sleep 1
# The name field holds the proposed name with its base selected; typing the
# path without the extension ends with ".cube" whether or not the field
# kept it, since the game adds the default extension to a bare name.
xdotool key --window "$dialog" ctrl+a
xdotool type --delay 20 "${game%.cube}"
xdotool key Return
for _ in $(seq 50); do [ -s "$game" ] && break; sleep 0.1; done
[ -s "$game" ] || fail "Save as wrote no file"
# The points of the 3x3x3, then the trailer of a game in play with no turns
# (its clock may differ between two saves).
[ "$(stat -c %s "$game")" = $((15884 + 28)) ] || fail "the saved game has $(stat -c %s "$game") bytes"
cp "$game" "$work/first-save.cube"
park

click "$(button 4)" "$button_y"   # Stop
park
shot stopped
[ "$(differs start stopped "$cube_x" "$cube_y" "$cube_w" "$cube_h")" -le 1 ] ||
  fail "Stop did not bring the solved cube back"

click "$(button 2)" "$button_y"   # Open
dialog=$(xdotool search --sync --onlyvisible --name "Открыть..." | head -n 1)
sleep 1
xdotool key --window "$dialog" ctrl+l
sleep 0.3
xdotool type --delay 20 "$game"
xdotool key Return
sleep 1.5
park
shot reopened
[ "$(differs scrambled reopened "$cube_x" "$cube_y" "$cube_w" "$cube_h")" -le 1 ] ||
  fail "the opened game does not look like the saved one"

inode=$(stat -c %i "$game")
click "$(button 3)" "$button_y"   # Save: the opened file, in place
sleep 1
[ "$(stat -c %i "$game")" != "$inode" ] || fail "Save did not write the opened game again"
[ "$(stat -c %s "$game")" = $((15884 + 28)) ] || fail "the reopened game was saved without its trailer"
cmp -s -n 15884 "$game" "$work/first-save.cube" || fail "saving the reopened game gave other points"

click "$(button 9)" "$button_y"   # Exit
wait_for_exit
echo "passed"
