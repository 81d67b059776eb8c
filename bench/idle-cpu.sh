#!/usr/bin/env bash
# CPU time the real game spends on the idle tumbling (shown, minimised and
# covered) and on a still 5x5x5 game (16 antialiasing passes), each over a
# number of seconds.
# Usage: bench/idle-cpu.sh GAME CUBE-SNAPSHOT [SECONDS]
# Needs DISPLAY (an X server with GLX, e.g. Xvfb), xdotool and xmessage;
# prints the percentage of one core and the resident memory at the end.
set -euo pipefail
game=$1 snapshot=$2 seconds=${3:-30}
work=$(mktemp -d /tmp/tessaro-cpu.XXXXXX)
pid=""
trap '[ -n "$pid" ] && { kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; }; rm -rf "$work"' EXIT

ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
rss_kb() { awk '/VmRSS/ {print $2}' "/proc/$pid/status"; }
measure() {  # label
  local t0 t1 hz
  hz=$(getconf CLK_TCK)
  t0=$(ticks)
  sleep "$seconds"
  t1=$(ticks)
  echo "$1: $(( (t1 - t0) * 1000 / (hz * seconds) / 10 )).$(( (t1 - t0) * 1000 / (hz * seconds) % 10 ))% of a core over ${seconds} s, RSS $(( $(rss_kb) / 1024 )) MB"
}

cp "$game" "$work/tessaro3d"
printf '%s\n' "[Settings]" "DrawQuality=16" "TimeoutRotate=0" "RotateSpeed=90" \
  "ShuffleRotateCount=30" > "$work/tessaro3d.ini"
"$snapshot" --size 5 --save "$work/five.cube" "$work/five.png" >/dev/null
(cd "$work" && exec ./tessaro3d >/dev/null 2>&1) &
pid=$!
window=$(xdotool search --sync --onlyvisible --name "Tessaro 3D" | head -n 1)
sleep 2
measure "idle tumbling, 3x3x3"
xdotool windowminimize "$window"
sleep 2
measure "idle and minimised, 3x3x3"
xdotool windowmap "$window"
xdotool windowactivate --sync "$window"
sleep 2
xmessage -geometry "$(xdotool getdisplaygeometry | tr ' ' x)+0+0" "covering the game" &
cover=$!
sleep 2
measure "idle and covered by another window, 3x3x3"
kill "$cover"
xdotool windowactivate --sync "$window"
sleep 2

# Game > Open... the 5x5x5, then Game > New game: a scrambled 5x5x5 whose
# clock runs; the pointer stays off the picture, nothing moves.
xdotool windowfocus --sync "$window" key F10 Down Down Down Return
dialog=$(xdotool search --sync --onlyvisible --name "^(Открыть\.\.\.|Select a file)$" | head -n 1)
sleep 1
xdotool key --window "$dialog" ctrl+l
sleep 0.3
xdotool type --delay 20 "$work/five.cube"
xdotool key Return
sleep 2
xdotool windowfocus --sync "$window" key F10 Down Return
sleep 5
measure "still 5x5x5 game, 16 passes"
