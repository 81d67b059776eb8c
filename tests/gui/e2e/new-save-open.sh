#!/usr/bin/env bash
# A whole game through the buttons: New game scrambles, Save asks for a name
# in the real file dialog, Stop puts the solved cube back, Open brings the
# saved game back exactly, and saving it again writes the same points.
source "$(dirname "$0")/common.sh"

start_game "BGColor=clLime" "RotateSpeed=45" "ShuffleRotateCount=8" "TimeoutRotate=0"
measure start

# The button bar lies just above the drawing area; buttons are 45 pixels
# apart, with wider gaps at the two separators.
button_y=$((area_y - 26))
button() {  # index 1..7 as on the bar, then undo, redo, hint and exit
  case $1 in
    1) echo $((area_x + 20)) ;; 2) echo $((area_x + 59)) ;; 3) echo $((area_x + 99)) ;;
    4) echo $((area_x + 138)) ;; 6) echo $((area_x + 191)) ;; 7) echo $((area_x + 231)) ;;
    undo) echo $((area_x + 284)) ;; redo) echo $((area_x + 323)) ;; hint) echo $((area_x + 362)) ;;
    exit) echo $((area_x + 415)) ;;
  esac
}
park() { xdotool mousemove $((area_x + 3)) $((area_y + area_h - 3)); }

# The scramble has ended once the status line is back to its first text and
# the cube, changed, stands still.
scrambled() {
  shot scrambled
  ready_in scrambled && [ "$(differs start scrambled "${cube[@]}")" -ge 10 ] &&
    shot_agrees_again scrambled "${cube[@]}"
}
click "$(button 1)" "$button_y"   # New game
park
wait_until "New game to scramble the cube" scrambled
echo "New game changed $(differs start scrambled "${cube[@]}") per mille of the cube"

game="$work/saved-game.cube"
click "$(button 3)" "$button_y"   # Save: no game file yet, so it asks for a name
wait_for_dialog "Сохранить как..."
# The name field holds the proposed name; the path is typed over all of it
# without the extension, which the game adds to a bare name.
xdotool key ctrl+a
xdotool type --delay 20 "${game%.cube}"
xdotool key Return
# The game writes a temporary file and renames it: the name appears whole.
wait_until "Save as to write $game" test -s "$game"
# The points of the 3x3x3, then the trailer of a game in play with no turns
# (its clock may differ between two saves) and its scramble in notation,
# whose length stands just before it.
trailer_fits() {
  local text
  text=$(od -An -tu4 -j $((15884 + 28)) -N4 "$1" | tr -d ' ')
  [ "$(stat -c %s "$1")" = $((15884 + 36 + text)) ] && [ "$text" -gt 0 ]
}
trailer_fits "$game" || fail "the saved game has $(stat -c %s "$game") bytes"
cp "$game" "$work/first-save.cube"
park

solved_again() {
  shot stopped
  ready_in stopped && [ "$(differs start stopped "${cube[@]}")" -le 1 ]
}
click "$(button 4)" "$button_y"   # Stop
park
wait_until "Stop to bring the solved cube back" solved_again

click "$(button 2)" "$button_y"   # Open
wait_for_dialog "Открыть..."
# A typed "/" opens the dialog's location field.
xdotool type --delay 20 "$game"
xdotool key Return
park
reopened() {
  shot reopened
  ready_in reopened && [ "$(differs scrambled reopened "${cube[@]}")" -le 1 ]
}
wait_until "the opened game to look like the saved one" reopened

inode=$(stat -c %i "$game")
saved_again() { [ "$(stat -c %i "$game")" != "$inode" ]; }
click "$(button 3)" "$button_y"   # Save: the opened file, in place
wait_until "Save to write the opened game again" saved_again
trailer_fits "$game" || fail "the reopened game was saved without its trailer"
cmp -s -n 15884 "$game" "$work/first-save.cube" || fail "saving the reopened game gave other points"

click "$(button exit)" "$button_y"   # Exit, the last button
wait_for_exit
echo "passed"
