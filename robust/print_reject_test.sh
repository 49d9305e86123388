#!/bin/sh
# A destination that rejects jobs: a private CUPS scheduler on a local socket,
# with its own folders under /tmp (the machine's scheduler and printers are
# never touched), holds one printer on /dev/null, its default, which refuses
# jobs (cupsreject). The rejecting-destination test then prints on it through
# the results viewer. The scheduler is stopped by its process id at the end.
#
# usage: print_reject_test.sh PATH/TO/voran_print_reject_test PATH/TO/private_scheduler.sh
# Exit status 77 (skipped) without root (the scheduler needs it) or cupsd.
set -eu
tests="$1"
[ "$(id -u)" -eq 0 ] || { echo "skipped: a private scheduler needs root"; exit 77; }
command -v cupsd >/dev/null && command -v lpadmin >/dev/null || { echo "skipped: CUPS is not installed"; exit 77; }
. "$2"

root=$(mktemp -d /tmp/voran-reject.XXXXXX)
chmod 755 "$root"
finish() {
  private_scheduler_stop
  rm -rf "$root"
}
trap finish EXIT
trap 'exit 1' INT TERM HUP

mkdir -p "$root/etc" "$root/spool" "$root/cache" "$root/state" "$root/tmp" "$root/log" "$root/home"
chmod 1777 "$root/tmp"
printf '%s\n' "DefaultAuthType None" "Browsing Off" "WebInterface No" \
  "<Location />" "  Order allow,deny" "  Allow from 127.0.0.1" "</Location>" >"$root/etc/cupsd.conf"
printf '%s\n' "ServerRoot $root/etc" "RequestRoot $root/spool" "CacheDir $root/cache" \
  "StateDir $root/state" "TempDir $root/tmp" "ErrorLog $root/log/error_log" \
  "AccessLog $root/log/access_log" "FileDevice Yes" >"$root/etc/cups-files.conf"
private_scheduler_start "$root" || { echo "FAIL: the scheduler did not start"; exit 1; }

lpadmin -h "$server" -p voran_reject -E -v file:///dev/null 2>&1 | grep -v -i deprecated || true
lpadmin -h "$server" -d voran_reject
cupsreject -h "$server" -r "test of a rejecting destination" voran_reject
LC_ALL=C lpstat -h "$server" -a voran_reject | grep -q "not accepting" || { echo "FAIL: voran_reject accepts jobs"; exit 1; }

status=0
CUPS_SERVER=$server HOME=$root/home VORAN_REJECTING_DESTINATION=voran_reject QT_QPA_PLATFORM=offscreen \
  "$tests" >"$root/test.log" 2>&1 || status=$?
cat "$root/test.log"
# The one test must have run and passed, not been skipped.
[ "$status" -eq 0 ] && grep -q '^\[  PASSED  \] 1 test\.$' "$root/test.log" && ! grep -q SKIPPED "$root/test.log" ||
  { echo "FAIL: the rejecting-destination test did not pass"; exit 1; }
