# Sourced by the tests that run the real program on a virtual X display.
# start_display SIZE LOG starts Xvfb with a screen of SIZE (such as 1280x1024)
# on a display of its own, its output going to LOG, waits until the display
# answers and exports it as DISPLAY; XVFB holds the server's process id.
# Display numbers are tried from one that no other test of this machine is
# likely to hold: when a number is taken, the server exits and the next is
# tried. stop_display ends the server; the next start takes a new number.
# Needs Xvfb and xdotool.
XVFB=""
xvfb_number=$((100 + $$ % 800))

start_display() {
  for _ in $(seq 10); do
    Xvfb ":$xvfb_number" -screen 0 "${1}x24" -nolisten tcp >"$2" 2>&1 &
    XVFB=$!
    for _ in $(seq 50); do
      kill -0 "$XVFB" 2>/dev/null || break
      DISPLAY=":$xvfb_number" xdotool getdisplaygeometry >/dev/null 2>&1 && break
      sleep 0.1
    done
    kill -0 "$XVFB" 2>/dev/null && DISPLAY=":$xvfb_number" xdotool getdisplaygeometry >/dev/null 2>&1 && break
    kill "$XVFB" 2>/dev/null || true
    XVFB=""
    xvfb_number=$((xvfb_number + 1))
  done
  [ -n "$XVFB" ] || { cat "$2" >&2; echo "FAIL: Xvfb did not start" >&2; exit 1; }
  DISPLAY=":$xvfb_number"; export DISPLAY
}

stop_display() {
  [ -n "$XVFB" ] || return 0
  kill "$XVFB" 2>/dev/null || true
  wait "$XVFB" 2>/dev/null || true
  XVFB=""
  xvfb_number=$((xvfb_number + 1))
}
