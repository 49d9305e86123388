#!/bin/sh
# The virtual display starter beside another test's X server: the display it
# exports must be its own server's (told by the screen size), also when the
# other server holds the number this shell's process id would suggest, and
# while a display of its own still runs. Exits 77 when Xvfb or xdotool is missing.
# Usage: xvfb_display_test.sh
set -eu
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
. "$(dirname "$0")/../test_support/Xvfb_display.sh"
logs=$(mktemp -d)
other=""
trap '[ -n "$other" ] && kill "$other" 2>/dev/null; stop_display; rm -rf "$logs"' EXIT

# Another test's server, 1280 x 1024, on a number taken from this process id.
number=$((100 + $$ % 800))
if [ ! -e "/tmp/.X11-unix/X$number" ]; then
  Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >"$logs/other.log" 2>&1 &
  other=$!
  for _ in $(seq 300); do DISPLAY=":$number" xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
fi

# Two displays of different sizes, the first still running when the second
# starts: each must answer as its own, on a number of its own.
own_display() {
  start_display "$1" "$logs/$1.log"
  geometry=$(xdotool getdisplaygeometry | tr ' ' x)
  [ "$geometry" = "$1" ] || { echo "FAIL: display $DISPLAY is $geometry, not the $1 started" >&2; exit 1; }
}
own_display 640x480
first_display=$DISPLAY; first=$XVFB
own_display 800x600
kill "$first"
[ "$DISPLAY" != "$first_display" ] || { echo "FAIL: two starters shared display $DISPLAY" >&2; exit 1; }
echo "each start has a display of its own"
