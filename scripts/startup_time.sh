#!/usr/bin/env bash
# Measures how long numshrink takes from launch until its main window is on screen.
#   startup_time.sh NUMSHRINK_BINARY [RUNS]
# Runs on an X display (for example under xvfb-run). Prints each run and the median, in ms.
set -euo pipefail

binary=$1
runs=${2:-20}
times=()

for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  "$binary" >/dev/null 2>&1 &
  pid=$!
  # Poll rather than xdotool's --sync, which sleeps half a second between looks.
  until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || { echo "startup_time: numshrink ended before showing a window" >&2; exit 1; }
    sleep 0.002
  done
  shown=$(date +%s%N)
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  times+=($(( (shown - start) / 1000000 )))
  echo "run ${#times[@]}: ${times[-1]} ms"
done

sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "median ${sorted[$(( runs / 2 ))]} ms, fastest ${sorted[0]} ms, slowest ${sorted[-1]} ms over $runs runs"
