#!/bin/sh
# Starts the real program on a virtual X display, waits for the worksheet
# window, checks its size, clicks "Exit", answers "Yes" with Enter and expects
# the program to end with status 0.
# Usage: Program_start_test.sh <path of the voran executable>
set -eu
program="$1"
for tool in Xvfb xdotool xwininfo; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 1; }
done

. "$(dirname "$0")/../../test_support/Xvfb_display.sh"
log=$(mktemp)
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  stop_display
  rm -f "$log"
}
trap cleanup EXIT INT TERM
start_display 1280x1024 "$log"

QT_QPA_PLATFORM=xcb "$program" &
pid=$!
wait_for() {
  for _ in $(seq 1 600); do
    window=$(xdotool search --name "$1" 2>/dev/null | head -n 1) && [ -n "$window" ] && { echo "$window"; return 0; }
    kill -0 "$pid" 2>/dev/null || { echo "the program ended early" >&2; return 1; }
    sleep 0.1
  done
  echo "no window named $1 appeared" >&2
  return 1
}
worksheet=$(wait_for "^VORAN.EXE: Bayesian inferential methods") || exit 1
size=$(xwininfo -id "$worksheet" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
[ "$size" = "792x573" ] || { echo "worksheet is $size, not 792x573" >&2; exit 1; }
# The "Exit" button: left 603, top 506, 161 x 37 (no frame without a window
# manager). A click that arrives before the window takes input is lost, so
# it is repeated while the confirmation box, awaited for a second after
# each click, does not come up.
confirm=""
for _ in $(seq 1 20); do
  xdotool mousemove --window "$worksheet" 683 524 click 1
  for _ in $(seq 1 10); do
    confirm=$(xdotool search --name '^Confirm$' 2>/dev/null | head -n 1) && [ -n "$confirm" ] && break 2
    sleep 0.1
  done
done
[ -n "$confirm" ] || { echo "no confirmation box after clicking Exit" >&2; exit 1; }
xdotool windowfocus --sync "$confirm" key Return
status=0
wait "$pid" || status=$?
pid=""
[ "$status" -eq 0 ] || { echo "the program ended with status $status" >&2; exit 1; }
echo "worksheet $size shown and closed"
