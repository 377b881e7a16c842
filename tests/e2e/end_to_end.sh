#!/usr/bin/env bash
# numshrink as a user meets it, on an X display of its own: real mouse and key
# events (xdotool) and the real clipboard (xclip).
#   end_to_end.sh NUMSHRINK_BINARY
# Checks that a double-click on the empty result box copies the empty text, that
# "缩水" with no conditions copies 000 001 ... 999 from it, that 1 typed into "定胆码"
# leaves the 271 numbers holding a 1, and that each tool button opens its window once
# however often it is clicked.
# Exits 0 when all holds, 1 on the first thing that does not, and 77 (a skip) when
# no X server can be started here.
set -euo pipefail

binary=$1
skip=77

fail() {
  echo "end_to_end: FAIL: $*" >&2
  exit 1
}

if ! command -v Xvfb >/dev/null; then
  echo "end_to_end: SKIP: Xvfb is not installed, so no X server can start (./dev installs it)" >&2
  exit "$skip"
fi
for tool in xdotool xclip; do
  command -v "$tool" >/dev/null || fail "$tool is missing (./dev installs it)"
done
[ -x "$binary" ] || fail "no program at $binary"

# Places on the main window's form, in client-area pixels (app/main_window_form.h):
# with no window manager the window has no frame, so these are window coordinates.
SHRINK_THREE="264 480"  # 按钮3 "缩水": 分组框1 8,0 + 分组框4 216,232 + 8,236, 64 x 24
RESULT_THREE="328 356"  # 编辑框46: 分组框1 8,0 + 分组框4 216,232 + 8,16, 192 x 216
BOLD_DIGIT="92 28"      # 编辑框1 "定胆码": 分组框1 8,0 + 56,16, 72 x 24
TOOL_BUTTONS=("712 46" "712 126" "712 206")  # 按钮5-按钮7 at 696,6 / 86 / 166, 32 x 80
# The outer size of the window each tool button opens (tools/*_forms.h).
TOOL_SIZES=("662x454" "646x382" "471x485")

scratch=$(mktemp -d)
xvfb=
pid=
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
  if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; fi
  rm -rf "$scratch"
}
trap cleanup EXIT

# Xvfb picks a free display number itself and writes it to the pipe once it listens.
mkfifo "$scratch/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb=$!
if ! read -r -t 10 display <"$scratch/display"; then
  echo "end_to_end: SKIP: Xvfb could not start here:" >&2
  sed 's/^/  /' "$scratch/xvfb.log" >&2
  exit "$skip"
fi
export DISPLAY=:$display
# The program draws on this display, whatever platform the other tests ask for.
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

# Xvfb on these machines now and then drops a new client's connection during its
# handshake; a client that could not connect did nothing, so trying again is safe.
retry() {
  local attempt
  for attempt in 1 2 3 4 5; do
    "$@" 2>/dev/null && return 0
    sleep 0.1
  done
  fail "five times failed: $*"
}

running() { kill -0 "$pid" 2>/dev/null; }

# The program's visible top-level windows, one id a line (none when the look failed).
visible_windows() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null || true; }
count_windows() { visible_windows | grep -c . || true; }

start_program() {
  local attempt
  for attempt in 1 2 3; do
    "$binary" >"$scratch/numshrink.log" 2>&1 &
    pid=$!
    for _ in $(seq 200); do
      running || break
      main=$(visible_windows | head -n 1)
      [ -n "$main" ] && return 0
      sleep 0.05
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  cat "$scratch/numshrink.log" >&2
  fail "the main window never appeared"
}

click() { retry xdotool mousemove --window "$main" $1 click 1; }
double_click() { retry xdotool mousemove --window "$main" $1 click --repeat 2 --delay 80 1; }

# Double-clicks the box at $1 and writes what it put on the clipboard into $2.
copy_result() {
  local out=$2
  printf 'before the copy' | retry xclip -selection clipboard -i
  double_click "$1"
  for _ in $(seq 100); do
    running || fail "numshrink ended on a double-click"
    if xclip -selection clipboard -o >"$out" 2>/dev/null && [ "$(cat "$out")" != "before the copy" ]; then
      return 0
    fi
    sleep 0.05
  done
  fail "double-clicking the result box at $1 put nothing on the clipboard"
}

# What a run shows must be on the clipboard byte for byte: compared as files, so a
# trailing space or line break counts.
expect_copy() {
  local name=$1 got=$2 want=$3
  cmp -s "$got" "$want" && return 0
  echo "wanted $(wc -w <"$want") numbers: $(head -c 80 "$want")..." >&2
  echo "copied $(wc -w <"$got") numbers: $(head -c 80 "$got")..." >&2
  fail "$name: the clipboard does not hold the result"
}

start_program

# The empty result box copies the empty text. Tried until it works, this also waits
# for the window to take input at all; a program that never copies fails here.
printf 'before the copy' | retry xclip -selection clipboard -i
copied_empty=
for _ in $(seq 20); do
  running || fail "numshrink ended on a double-click"
  double_click "$RESULT_THREE"
  sleep 0.25
  if xclip -selection clipboard -o >"$scratch/empty.txt" 2>/dev/null && [ ! -s "$scratch/empty.txt" ]; then
    copied_empty=1
    break
  fi
done
[ -n "$copied_empty" ] || fail "double-clicking the empty result box never copied the empty text"
echo "empty result: the empty text copied"

# "缩水" with every condition empty, then the result copied by a double-click.
click "$SHRINK_THREE"
copy_result "$RESULT_THREE" "$scratch/all.txt"
seq -f '%03g' 0 999 | paste -sd ' ' | tr -d '\n' >"$scratch/all.want"
expect_copy "no conditions" "$scratch/all.txt" "$scratch/all.want"
echo "no conditions: 1000 numbers copied, 000 to 999"

# 1 typed into "定胆码" keeps the numbers holding the digit 1.
click "$BOLD_DIGIT"
retry xdotool type --delay 30 1
click "$SHRINK_THREE"
copy_result "$RESULT_THREE" "$scratch/one.txt"
seq -f '%03g' 0 999 | grep 1 | paste -sd ' ' | tr -d '\n' >"$scratch/one.want"
[ "$(wc -w <"$scratch/one.want")" -eq 271 ] || fail "the expected list is not 271 numbers"
expect_copy "定胆码 1" "$scratch/one.txt" "$scratch/one.want"
echo "定胆码 1: 271 numbers copied"

# Each tool button, clicked twice, opens one window of its own size.
for i in 0 1 2; do
  before=$(visible_windows)
  click "${TOOL_BUTTONS[$i]}"
  opened=
  for _ in $(seq 200); do
    running || fail "numshrink ended when tool button $((i + 5)) was clicked"
    opened=$(visible_windows | grep -vxF "$before" | head -n 1 || true)
    [ -n "$opened" ] && break
    sleep 0.05
  done
  [ -n "$opened" ] || fail "按钮$((i + 5)) opened no window"
  eval "$(retry xdotool getwindowgeometry --shell "$opened")"
  [ "${WIDTH}x${HEIGHT}" = "${TOOL_SIZES[$i]}" ] \
    || fail "按钮$((i + 5)) opened a window of ${WIDTH}x${HEIGHT}, not ${TOOL_SIZES[$i]}"
  click "${TOOL_BUTTONS[$i]}"
  # A second window, if one came, would be mapped by now.
  sleep 0.5
  running || fail "numshrink ended when tool button $((i + 5)) was clicked again"
  windows=$(count_windows)
  [ "$windows" -eq $((i + 2)) ] \
    || fail "after 按钮$((i + 5)) twice: $windows windows, not $((i + 2))"
  echo "按钮$((i + 5)) twice: one window of ${TOOL_SIZES[$i]}"
done
