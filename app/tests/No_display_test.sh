#!/bin/sh
# Starts the program where no display can be opened (DISPLAY naming no X
# server, or no DISPLAY at all; the X11 platform named or left to Qt) and
# expects the program's one line about it and status 1, never an abort.
# Qt's own lines may come before it.
# Usage: No_display_test.sh <path of the voran executable>
set -u
program="$1"
line="voran: no display found: start VORAN from a desktop session (or run it under xvfb-run)."
if [ -e /tmp/.X11-unix/X999 ]; then
  echo "an X server runs at :999 here"
  exit 77
fi
errors=$(mktemp) || exit 1
trap 'rm -f "$errors"' EXIT
failed=0
for case in "DISPLAY=:999 QT_QPA_PLATFORM=xcb" "DISPLAY=:999" "QT_QPA_PLATFORM=xcb" "QT_QPA_PLATFORM="; do
  # A program that did find a display would wait for its user: the timeout
  # ends it.
  # shellcheck disable=SC2086 # each case is a list of settings
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE $case \
    timeout 60 "$program" 2>"$errors" </dev/null >/dev/null
  status=$?
  if [ "$status" -ne 1 ] || ! grep -qxF "$line" "$errors"; then
    echo "with $case: status $status, standard error:"
    cat "$errors"
    failed=1
  fi
done
[ "$failed" -eq 0 ] && echo "no display: one line and status 1"
exit "$failed"
