#!/usr/bin/env bash
# Runs a command on a fresh virtual X screen of its own.
#   with_xvfb.sh COMMAND [ARGS...]
# Xvfb picks a free display number itself (-displayfd), so several of these can run side
# by side; xvfb-run -a guesses from lock files and can race another one into its display.
set -euo pipefail

fifo_dir=$(mktemp -d)
mkfifo "$fifo_dir/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo_dir/display" 2>/dev/null &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; rm -rf "$fifo_dir"' EXIT

read -r -t 10 display <"$fifo_dir/display" || { echo "with_xvfb: Xvfb did not start" >&2; exit 1; }
DISPLAY=:$display "$@"
