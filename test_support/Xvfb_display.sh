# Sourced by the tests that run the real program on a virtual X display.
# start_display SIZE LOG starts Xvfb with a screen of SIZE (such as 1280x1024)
# on a display of its own, its output going to LOG, waits until it accepts
# connections and exports it as DISPLAY; XVFB holds the server's process id.
# stop_display ends the server; the next start takes a new number.
#
# Display numbers are tried from one that no other test of this machine is
# likely to hold. A server whose number is taken finds the other server's
# lock file (/tmp/.X<n>-lock) and exits before it opens any socket; the next
# number is tried. Readiness is the server's own word: started with SIGUSR1
# ignored, an X server sends SIGUSR1 to its parent once it accepts
# connections (and, but for -noreset, again at each reset, when its last
# client leaves). (Asking the display instead could be answered by the other
# server while a new one on its number had not yet exited; and -displayfd,
# which lets the server choose, skips the lock files, so that two servers
# starting at once could take each other's sockets.)
# Needs Xvfb.
XVFB=""
xvfb_number=$((100 + $$ % 800))

start_display() {
  for _ in $(seq 20); do
    xvfb_ready=0
    trap 'xvfb_ready=1' USR1
    (trap '' USR1; exec Xvfb ":$xvfb_number" -screen 0 "${1}x24" -nolisten tcp -noreset) >"$2" 2>&1 &
    XVFB=$!
    # Ready at its signal, or ended; 60 s at most.
    for _ in $(seq 600); do
      [ "$xvfb_ready" -eq 1 ] && break
      kill -0 "$XVFB" 2>/dev/null || break
      sleep 0.1
    done
    trap '' USR1
    if [ "$xvfb_ready" -eq 1 ]; then
      DISPLAY=":$xvfb_number"; export DISPLAY
      return 0
    fi
    kill "$XVFB" 2>/dev/null || true
    wait "$XVFB" 2>/dev/null || true
    XVFB=""
    xvfb_number=$((xvfb_number + 1))
  done
  cat "$2" >&2
  echo "FAIL: Xvfb did not start" >&2
  exit 1
}

stop_display() {
  [ -n "$XVFB" ] || return 0
  kill "$XVFB" 2>/dev/null || true
  wait "$XVFB" 2>/dev/null || true
  XVFB=""
  xvfb_number=$((xvfb_number + 1))
}
