# Sourced by the tests that run the real program on a virtual X display.
# start_display SIZE LOG starts Xvfb with a screen of SIZE (such as 1280x1024),
# its output going to LOG, waits until it accepts connections and exports its
# display as DISPLAY; XVFB holds the server's process id. stop_display ends it.
#
# The server chooses its own free display number and writes it, once it
# accepts connections, to a descriptor (-displayfd). A number chosen here
# instead could be one that another test's server holds: the new server then
# exits, but a display check made before it does is answered by the other
# server, whose display vanishes when that test ends.
# Needs Xvfb.
XVFB=""

start_display() {
  xvfb_number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${1}x24" -nolisten tcp 3>"$xvfb_number_file" >"$2" 2>&1 &
  XVFB=$!
  # Ready when the number and its line end are written; 60 s at most.
  for _ in $(seq 600); do
    [ "$(wc -l <"$xvfb_number_file")" -ge 1 ] && break
    kill -0 "$XVFB" 2>/dev/null || break
    sleep 0.1
  done
  xvfb_number=$(head -n 1 "$xvfb_number_file")
  rm -f "$xvfb_number_file"
  if [ -z "$xvfb_number" ] || ! kill -0 "$XVFB" 2>/dev/null; then
    kill "$XVFB" 2>/dev/null || true
    XVFB=""
    cat "$2" >&2
    echo "FAIL: Xvfb did not start" >&2
    exit 1
  fi
  DISPLAY=":$xvfb_number"; export DISPLAY
}

stop_display() {
  [ -n "$XVFB" ] || return 0
  kill "$XVFB" 2>/dev/null || true
  wait "$XVFB" 2>/dev/null || true
  XVFB=""
}
