# Shared by the end-to-end tests: start the built game in a folder of its own
# with a settings file beside it, find its window and drive it with xdotool.
set -euo pipefail

game_binary=$1
shot_tool=$2
work=$(mktemp -d /tmp/tessaro-e2e.XXXXXX)
game_pid=""
jiggle_pid=""

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

# Copies the game into the work folder, writes its settings file and starts
# it; the mouse keeps moving over the screen's centre meanwhile, so that the
# first frames already hold the idle rotation off (with TimeoutRotate=0 it
# never resumes) and the cube faces the player almost squarely.
start_game() {  # settings lines...
  cp "$game_binary" "$work/tessaro3d"
  printf '%s\n' "[Settings]" "$@" > "$work/tessaro3d.ini"
  local geometry
  geometry=$(xdpyinfo | awk '/dimensions:/ {print $2}')
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
  window=$(xdotool search --sync --onlyvisible --name "Tessaro 3D 1.01" | head -n 1)
  sleep 1
  kill "$jiggle_pid"; wait "$jiggle_pid" 2>/dev/null || true
  jiggle_pid=""
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  sleep 0.5
}

shot() {  # name
  import -window root "$work/$1.png"
}

# Reads the drawing area and the cube's bounding box from a screenshot:
# sets area_x area_y area_w area_h cube_x cube_y cube_w cube_h.
measure() {  # shot name, background RRGGBB
  read -r area_x area_y area_w area_h cube_x cube_y cube_w cube_h < <("$shot_tool" box "$work/$1.png" "$2") ||
    fail "no drawing area in $1.png"
}

differs() {  # a b x y w h -> per mille of the pixels that changed
  "$shot_tool" diff "$work/$1.png" "$work/$2.png" "$3" "$4" "$5" "$6"
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
  sleep 0.5
}

click() {  # x y
  xdotool mousemove "$1" "$2"
  sleep 0.2
  xdotool click 1
}

wait_for_exit() {
  local i
  for i in $(seq 100); do
    kill -0 "$game_pid" 2>/dev/null || { wait "$game_pid" || fail "the game ended with an error"; game_pid=""; return 0; }
    sleep 0.1
  done
  fail "the game did not end"
}
