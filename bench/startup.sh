#!/usr/bin/env bash
# Start-up of the game beside other cube games, in interleaved rounds: the
# median time from exec to the window on screen and to the first picture in
# it (bench/StartupProbe.cpp). Each program starts from its own empty
# folder, so no settings file carries over between rounds. A time that no
# round reached is "not found"; a median of some rounds says how many missed.
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

# WHAT FILE: the median of the rounds' times of WHAT ("window" or "first
# picture"); "not found" when no round found it, and how many rounds did not
# when only some.
summary() {
  { grep -o "$1 [0-9]* ms" "$2" || true; } | awk '{print $(NF - 1)}' | sort -n |
    awk -v what="$1" -v rounds="$rounds" '
      {v[NR] = $1}
      END {
        if (NR == 0) { printf "%s not found", what; exit }
        printf "%s %s ms", what, v[int((NR + 1) / 2)]
        if (NR < rounds) printf " (not found in %d of %d)", rounds - NR, rounds
      }'
}
for ((i = 1; i <= $#; ++i)); do
  entry=${!i}
  touch "$work/times.$i"
  echo "${entry%%=*}: $(summary window "$work/times.$i"), $(summary "first picture" "$work/times.$i") (median of $rounds)"
done
