#!/usr/bin/env bash
# The longest time the real game's event loop is kept from answering while
# a still 5x5x5 picture of 16 antialiasing passes settles in a maximised
# window, after the view is turned by a right-button drag: the largest gap
# between two waits of the main thread for events (strace's poll calls).
# Usage: bench/event-loop-gap.sh GAME [SECONDS [WIDTHxHEIGHT]]
# (the window is maximised unless a size is given)
# Needs DISPLAY (an X server with GLX and a window manager that maximises,
# e.g. Xvfb and openbox), xdotool and strace.
set -euo pipefail
game=$1 seconds=${2:-4} size=${3:-}
work=$(mktemp -d /tmp/tessaro-gap.XXXXXX)
pid=""
trap '[ -n "$pid" ] && { kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; }; rm -rf "$work"' EXIT

cp "$game" "$work/tessaro3d"
printf '%s\n' "[Settings]" "DrawQuality=16" "TimeoutRotate=0" "RotateSpeed=90" \
  "ShuffleRotateCount=30" "CubeSize=5" > "$work/tessaro3d.ini"
(cd "$work" && exec ./tessaro3d >/dev/null 2>&1) &
pid=$!
window=$(xdotool search --sync --onlyvisible --name "Tessaro 3D" | head -n 1)
sleep 2
xdotool windowfocus --sync "$window" key F10 Down Return  # Game > New game
sleep 3
if [ -n "$size" ]; then xdotool windowsize "$window" "${size%x*}" "${size#*x}"
else xdotool windowsize "$window" 100% 100%; fi
sleep 3
eval "$(xdotool getwindowgeometry --shell "$window")"
cx=$((X + WIDTH / 2)) cy=$((Y + HEIGHT / 2))

strace -o "$work/poll.log" -ttt -T -e trace=poll -p "$pid" &
tracer=$!
sleep 1
xdotool mousemove "$cx" "$cy" mousedown 3
for step in 1 2 3 4 5 6 7 8; do xdotool mousemove "$((cx + 12 * step))" "$((cy + 5 * step))"; done
xdotool mouseup 3 mousemove "$((X + 5))" "$((Y + 5))"
sleep "$seconds"
kill "$tracer"
wait "$tracer" 2>/dev/null || true

# Lines: "<start> poll(...) = n <duration>"; a gap runs from one poll's end
# to the next poll's start.
awk '/poll\(/ && /<[0-9.]+>$/ {
       start = $1; match($0, /<[0-9.]+>$/); duration = substr($0, RSTART + 1, RLENGTH - 2)
       if (last_end != "" && start - last_end > longest) longest = start - last_end
       last_end = start + duration; polls++ }
     END { printf "longest gap between event waits: %.1f ms over %d waits (window %dx%d)\n",
                  longest * 1000, polls, '"$WIDTH"', '"$HEIGHT"' }' "$work/poll.log"
