#!/usr/bin/env bash
# Writes a PNG of each numshrink window, filled with a small example, into OUT_DIR.
#   screenshot.sh NUMSHRINK_BINARY OUT_DIR
# Runs on an X display without a window manager (./dev screenshot starts Xvfb for it).
# The program is started afresh for each window, so no window hides another; buttons and
# boxes are reached by their places on the form, in client-area pixels.
set -euo pipefail

binary=$1
out_dir=$2
mkdir -p "$out_dir"

# One row per picture: file name, then the steps. "open X Y" clicks a main-window button
# that opens a tool window and moves on to that window; "in X Y" clicks a point of the
# window being pictured; "type TEXT" types into what has the focus.
shots=(
  "main|in 368 28; type 123456=123; in 264 480"
  "last_three_intersect|open 712 46; in 116 108; type 456 789 123; in 332 108; type 789 012 456; in 480 396"
  "last_two_intersect|open 712 126; in 112 92; type 05 12 34 77; in 320 92; type 34 05 99; in 464 328"
  "three_two_tool|open 712 206; in 232 76; type 123 456 789 023 12345; in 232 204; type 23 89; in 72 432"
)

# Xvfb on these machines now and then drops a new client's connection during its
# handshake; a client that could not connect did nothing, so trying again is safe.
retry() {
  local attempt
  for attempt in 1 2 3 4 5; do
    "$@" 2>/dev/null && return 0
    sleep 0.1
  done
  echo "screenshot: failed five times: $*" >&2
  return 1
}

pid=
stop_program() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
  pid=
}
trap stop_program EXIT

# The visible top-level windows of the program, one id a line. Finding none (or losing the
# connection) prints nothing, and the callers look again.
visible_windows() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null || true; }

# Waits up to ten seconds for a visible window that is not one of those in $1.
wait_for_new_window() {
  local known=$1 id
  for _ in $(seq 200); do
    kill -0 "$pid" 2>/dev/null || return 1
    for id in $(visible_windows); do
      grep -qx "$id" <<<"$known" || { echo "$id"; return 0; }
    done
    sleep 0.05
  done
  return 1
}

# Starts the program and sets main to its main window; a start that lost its display is
# retried.
start_program() {
  local attempt
  for attempt in 1 2 3; do
    "$binary" >/dev/null 2>&1 &
    pid=$!
    main=$(wait_for_new_window "") && return 0
    stop_program
  done
  echo "screenshot: the main window never appeared" >&2
  return 1
}

for shot in "${shots[@]}"; do
  name=${shot%%|*}
  IFS=';' read -ra steps <<<"${shot#*|}"

  start_program
  window=$main
  sleep 0.3

  for step in "${steps[@]}"; do
    read -r verb args <<<"$step"
    case $verb in
      open)
        read -r x y <<<"$args"
        retry xdotool mousemove --window "$main" "$x" "$y" click 1
        window=$(wait_for_new_window "$main") \
          || { echo "screenshot: the button at $x,$y opened no window for $name" >&2; exit 1; }
        sleep 0.3
        ;;
      in)
        read -r x y <<<"$args"
        retry xdotool mousemove --window "$window" "$x" "$y" click 1
        ;;
      type) retry xdotool type --delay 20 "$args" ;;
      *) echo "screenshot: unknown step '$step'" >&2; exit 1 ;;
    esac
    sleep 0.2
  done

  # Let the last click's result and the caret settle before the picture is taken.
  retry xdotool mousemove 0 0
  sleep 0.5
  retry import -window "$window" "png:$out_dir/$name.png"
  echo "$out_dir/$name.png"
  stop_program
done
