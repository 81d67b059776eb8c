# Shared by the end-to-end tests: start the built game in a folder of its own
# with a settings file beside it, find its window and drive it with xdotool.
# Every wait polls for what a player would see; a slow or busy machine only
# makes a run longer, and a minute without it is a failure.
set -euo pipefail

game_binary=$1
shot_tool=$2
work=$(mktemp -d /tmp/tessaro-e2e.XXXXXX)
game_pid=""
jiggle_pid=""
# Both runs paint the drawing area lime (BGColor=clLime): that colour marks it.
background=00FF00

finish() {
  [ -n "$jiggle_pid" ] && kill "$jiggle_pid" 2>/dev/null || true
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  if [ "${keep_work:-0}" = 1 ]; then echo "screenshots kept in $work"; else rm -rf "$work"; fi
}
trap finish EXIT

fail() {
  echo "FAILED: $*" >&2
  keep_work=1
  exit 1
}

# Polls a condition (a command run in this shell) until it holds.
wait_until() {  # what, command...
  local what=$1 deadline=$((SECONDS + 60))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || fail "waited a minute for $what"
    [ -z "$game_pid" ] || kill -0 "$game_pid" 2>/dev/null || fail "the game ended while waiting for $what"
    sleep 0.1
  done
}

# A window titled exactly so, in $found; false while there is none.
window_titled() {  # title
  found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
  [ -n "$found" ]
}

shot() {  # name
  import -window root "$work/$1.png"
}

# Takes screenshot NAME again; true when the two agree in the region, else
# the new one becomes NAME.
shot_agrees_again() {  # name x y w h
  local name=$1
  shift
  shot "$name.again"
  "$shot_tool" same "$work/$name.png" "$work/$name.again.png" "$@" && return 0
  mv "$work/$name.again.png" "$work/$name.png"
  return 1
}

# Screenshot NAME once whatever moved in the region has come to rest.
still_shot() {  # name x y w h
  shot "$1"
  wait_until "a still picture in $1" shot_agrees_again "$@"
}

# Reads the drawing area and the cube's bounding box from a screenshot:
# sets area_x area_y area_w area_h cube_x cube_y cube_w cube_h and the regions
# cube and status (the status line's text under the drawing area).
measure() {  # shot name
  read -r area_x area_y area_w area_h cube_x cube_y cube_w cube_h < <("$shot_tool" box "$work/$1.png" "$background") ||
    fail "no drawing area in $1.png"
  cube=("$cube_x" "$cube_y" "$cube_w" "$cube_h")
  status=("$area_x" $((area_y + area_h + 2)) 120 12)
}

# The status line of screenshot NAME says what it said at the start ("Готово!").
ready_in() {  # name
  "$shot_tool" same "$work/start.png" "$work/$1.png" "${status[@]}"
}

differs() {  # a b x y w h -> per mille of the pixels that changed
  "$shot_tool" diff "$work/$1.png" "$work/$2.png" "$3" "$4" "$5" "$6"
}

# Copies the game into the work folder, writes its settings file and starts
# it; the mouse keeps moving over the screen's centre until the drawing area
# shows, so that the first frames already hold the idle rotation off (with
# TimeoutRotate=0 it never resumes) and the cube faces the player almost
# squarely. Leaves the screenshot "start" of the still cube.
start_game() {  # settings lines...
  cp "$game_binary" "$work/tessaro3d"
  printf '%s\n' "[Settings]" "$@" > "$work/tessaro3d.ini"
  local geometry
  geometry=$(xdpyinfo | awk '/dimensions:/ {print $2}')
  screen=(0 0 "${geometry%x*}" "${geometry#*x}")
  local cx=$(( ${geometry%x*} / 2 )) cy=$(( ${geometry#*x} / 2 ))
  # One client a few times a second: a connection per move would crowd the X server.
  ( while true; do
      xdotool mousemove $cx $((cy + 40)) sleep 0.01 mousemove $((cx + 1)) $((cy + 40)) sleep 0.01 \
        mousemove $cx $((cy + 40)) sleep 0.01 mousemove $((cx + 1)) $((cy + 40)) sleep 0.01 ||
        sleep 0.05
    done ) &
  jiggle_pid=$!
  # A game closed during play is kept in the data folder: a private one.
  (cd "$work" && XDG_DATA_HOME="$work/data" exec ./tessaro3d >"$work/game.log" 2>&1) &
  game_pid=$!
  wait_until "the game window" window_titled "Tessaro 3D 1.01"
  window=$found
  wait_until "the drawing area" drawing_area_shown
  kill "$jiggle_pid"; wait "$jiggle_pid" 2>/dev/null || true
  jiggle_pid=""
  # Proof that the game takes the pointer: a press on the background says
  # "Вращаю..." in the status line, a one-pixel move with the button held
  # holds the idle rotation off for good, and the release puts the first
  # text back.
  local x=$((area_x + 3)) y=$((area_y + area_h - 3))
  xdotool mousemove "$x" "$y" mousedown 1
  wait_until "the press to show in the status line" status_differs_from start
  xdotool mousemove $((x + 1)) "$y" mouseup 1
  wait_until "the release to show in the status line" status_same_as start
  still_shot start "${screen[@]}"
  xdotool windowfocus --sync "$window" 2>/dev/null || true
}

# The drawing area and the status line's first text are on the screen.
drawing_area_shown() {
  shot start
  "$shot_tool" box "$work/start.png" "$background" >/dev/null && measure start &&
    ! "$shot_tool" plain "$work/start.png" "${status[@]}"
}

status_same_as() {  # name
  shot status
  "$shot_tool" same "$work/$1.png" "$work/status.png" "${status[@]}"
}

status_differs_from() {  # name
  ! status_same_as "$1"
}

# Waits for a dialog to show. Keys typed through XTEST reach it
# from then on: without a window manager the keyboard follows the pointer,
# which the dialog covers, and the toolkit handles events in their order.
wait_for_dialog() {  # title
  wait_until "the dialog \"$1\"" window_titled "$1"
}

# A drag with the left button, in small steps as a hand would make it.
drag() {  # x1 y1 x2 y2
  local steps=12 i
  xdotool mousemove "$1" "$2"
  sleep 0.2
  xdotool mousedown 1
  for i in $(seq 1 $steps); do
    xdotool mousemove $(( $1 + ($3 - $1) * i / steps )) $(( $2 + ($4 - $2) * i / steps ))
    sleep 0.03
  done
  sleep 0.3
  xdotool mouseup 1
}

click() {  # x y
  xdotool mousemove "$1" "$2"
  sleep 0.2
  xdotool click 1
}

game_ended() {
  kill -0 "$game_pid" 2>/dev/null && return 1
  wait "$game_pid" || fail "the game ended with an error: $(cat "$work/game.log")"
  game_pid=""
}

wait_for_exit() {
  local deadline=$((SECONDS + 60))
  until game_ended; do
    [ "$SECONDS" -lt "$deadline" ] || fail "the game did not end"
    sleep 0.1
  done
}

# Игра > Выход from the keyboard: Выход is the last item, one step up from
# the first (the menu wraps round). The arrow key waits until the menu shows,
# so that it does not reach the window under it.
exit_from_menu() {
  shot menu-closed
  xdotool key --window "$window" F10
  wait_until "the Game menu to open" menu_shown
  xdotool key Up Return
  wait_for_exit
}

menu_shown() {  # where the Game menu drops down over the tool bar
  shot menu
  ! "$shot_tool" same "$work/menu-closed.png" "$work/menu.png" "$area_x" $((area_y - 40)) 150 150
}
