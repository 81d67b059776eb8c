#!/usr/bin/env bash
# Start-up of the game beside other cube games, in interleaved rounds: the
# median time from exec to the window on screen and to the first picture in
# it (bench/StartupProbe.cpp). Each program starts from its own empty
# folder, so no settings file carries over between rounds.
# Usage: bench/startup.sh PROBE ROUNDS "WINDOW-NAME-PART=COMMAND" ...
# e.g.   bench/startup.sh build/release/bench/startup_probe 9 \
#          "Tessaro 3D=$PWD/build/release/tessaro3d" "Other Cube=/usr/games/othercube"
# Needs DISPLAY (an X server with GLX).
set -euo pipefail
probe=$(realpath "$1") rounds=$2
shift 2
work=$(mktemp -d /tmp/tessaro-startup.XXXXXX)
trap 'rm -rf "$work"' EXIT

for ((round = 0; round < rounds; ++round)); do
  for ((i = 1; i <= $#; ++i)); do
    entry=${!i}
    rm -rf "$work/run" && mkdir "$work/run"
    # The command is split on spaces: a program and its arguments.
    # shellcheck disable=SC2086
    (cd "$work/run" && "$probe" "${entry%%=*}" ${entry#*=}) >>"$work/times.$i" 2>/dev/null || true
  done
done

median() { sort -n | awk '{v[NR] = $1} END {print NR ? v[int((NR + 1) / 2)] : "-"}'; }
for ((i = 1; i <= $#; ++i)); do
  entry=${!i}
  mapped=$(awk '/^window/ {print $2}' "$work/times.$i" | median)
  picture=$(awk '/^window/ {print $6}' "$work/times.$i" | median)
  echo "${entry%%=*}: window ${mapped} ms, first picture ${picture} ms (median of $rounds)"
done
