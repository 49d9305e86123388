# Sourced by the print tests: a private CUPS scheduler that listens on a
# local socket in the caller's folder (no network port, so no port can be
# taken), started from a private copy of cupsd (a security module that
# confines the installed one by its path would keep it out of the private
# folder), and awaited until it answers requests.
#
# private_scheduler_start ROOT
#   ROOT/etc/cupsd.conf and ROOT/etc/cups-files.conf are the caller's; the
#   Listen line for the socket is added here. Sets scheduler_pid and server
#   (the socket's path, for CUPS_SERVER and lpadmin -h) and returns once the
#   scheduler answers, or fails after about 20 s.
# private_scheduler_stop
#   Stops the scheduler by its process id.

scheduler_pid=""
server=""

private_scheduler_start() {
  server="$1/cups.sock"
  echo "Listen $server" >>"$1/etc/cupsd.conf"
  mkdir -p "$1/bin"
  cp /usr/sbin/cupsd "$1/bin/cupsd"
  "$1/bin/cupsd" -f -c "$1/etc/cupsd.conf" -s "$1/etc/cups-files.conf" &
  scheduler_pid=$!
  # lpstat -r ends with status 0 whether or not the scheduler answers: its
  # words tell (in the C locale).
  for _ in $(seq 200); do
    [ "$(LC_ALL=C lpstat -h "$server" -r 2>/dev/null)" = "scheduler is running" ] && return 0
    kill -0 "$scheduler_pid" 2>/dev/null || break
    sleep 0.1
  done
  cat "$1/log/error_log" 2>/dev/null | tail -n 20
  echo "the private scheduler does not answer on $server" >&2
  return 1
}

private_scheduler_stop() {
  if [ -n "$scheduler_pid" ]; then
    kill "$scheduler_pid" 2>/dev/null || true
    wait "$scheduler_pid" 2>/dev/null || true
    scheduler_pid=""
  fi
}
