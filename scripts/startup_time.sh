#!/usr/bin/env bash
# Measures how long numshrink takes from launch until its main window is mapped on screen.
#   startup_time.sh NUMSHRINK_BINARY [RUNS]
# Runs on an X display without a window manager (scripts/with_xvfb.sh gives one).
# Prints each run and the median, in milliseconds.
set -euo pipefail

binary=$1
runs=${2:-20}
times=()

# One listener, connected before the first launch, notes every window mapped on the
# screen; polling with a new client per look would add connections while Qt makes its own.
events=$(mktemp)
xev -root -event substructure >"$events" &
listener=$!
trap 'kill "$listener" 2>/dev/null || true; rm -f "$events"' EXIT
sleep 0.5

maps() { grep -c '^MapNotify' "$events" || true; }

# Prints the milliseconds from launch until a new window is mapped, or fails when the
# program ended first.
time_one_start() {
  local before start pid
  before=$(maps)
  start=$(date +%s%N)
  "$binary" >/dev/null 2>&1 &
  pid=$!
  until [ "$(maps)" -gt "$before" ]; do
    kill -0 "$pid" 2>/dev/null || { wait "$pid" 2>/dev/null || true; return 1; }
    sleep 0.001
  done
  echo $(( ($(date +%s%N) - start) / 1000000 ))
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}

for _ in $(seq "$runs"); do
  # Xvfb on these machines now and then drops a new client's connection during its
  # handshake, and the program then ends at once: such a start is tried again.
  for attempt in 1 2 3; do
    ms=$(time_one_start) && break
    [ "$attempt" -eq 3 ] && { echo "startup_time: numshrink ended before showing a window" >&2; exit 1; }
  done
  times+=("$ms")
  echo "run ${#times[@]}: $ms ms"
done

mapfile -t sorted < <(printf '%s\n' "${times[@]}" | sort -n)
echo "median ${sorted[$(( runs / 2 ))]} ms, fastest ${sorted[0]} ms, slowest ${sorted[-1]} ms over $runs runs"
