#!/bin/sh
# A destination that rejects jobs: a private CUPS scheduler on a loopback
# port, with its own folders under /tmp (the machine's scheduler and printers
# are never touched), holds one printer on /dev/null, its default, which
# refuses jobs (cupsreject). The print-fault test then prints on it through
# the results viewer. The scheduler is stopped by its process id at the end.
#
# usage: print_reject_test.sh PATH/TO/voran_robust_print_tests
# Exit status 77 (skipped) without root (the scheduler needs it) or cupsd.
set -eu
tests="$1"
[ "$(id -u)" -eq 0 ] || { echo "skipped: a private scheduler needs root"; exit 77; }
command -v cupsd >/dev/null && command -v lpadmin >/dev/null || { echo "skipped: CUPS is not installed"; exit 77; }

root=$(mktemp -d /tmp/voran-reject.XXXXXX)
chmod 755 "$root"
cupsd_pid=""
finish() {
  [ -n "$cupsd_pid" ] && kill "$cupsd_pid" 2>/dev/null && wait "$cupsd_pid" 2>/dev/null
  rm -rf "$root"
}
trap finish EXIT
trap 'exit 1' INT TERM HUP

port=$((40000 + $$ % 20000))
server=127.0.0.1:$port
mkdir -p "$root/etc" "$root/spool" "$root/cache" "$root/state" "$root/tmp" "$root/log" "$root/bin" "$root/home"
chmod 1777 "$root/tmp"
printf '%s\n' "Listen $server" "DefaultAuthType None" "Browsing Off" "WebInterface No" \
  "<Location />" "  Order allow,deny" "  Allow from 127.0.0.1" "</Location>" >"$root/etc/cupsd.conf"
printf '%s\n' "ServerRoot $root/etc" "RequestRoot $root/spool" "CacheDir $root/cache" \
  "StateDir $root/state" "TempDir $root/tmp" "ErrorLog $root/log/error_log" \
  "AccessLog $root/log/access_log" "FileDevice Yes" >"$root/etc/cups-files.conf"
# A private copy of the scheduler: a security module that confines the
# installed one by its path would keep it out of the private folder.
cp /usr/sbin/cupsd "$root/bin/cupsd"
"$root/bin/cupsd" -f -c "$root/etc/cupsd.conf" -s "$root/etc/cups-files.conf" &
cupsd_pid=$!
for _ in $(seq 100); do lpstat -h "$server" -r >/dev/null 2>&1 && break; sleep 0.1; done
lpstat -h "$server" -r >/dev/null 2>&1 || { cat "$root/log/error_log" 2>/dev/null; echo "FAIL: the scheduler did not start"; exit 1; }

lpadmin -h "$server" -p voran_reject -E -v file:///dev/null 2>&1 | grep -v -i deprecated || true
lpadmin -h "$server" -d voran_reject
cupsreject -h "$server" -r "test of a rejecting destination" voran_reject
lpstat -h "$server" -a voran_reject | grep -q "not accepting" || { echo "FAIL: voran_reject accepts jobs"; exit 1; }

status=0
CUPS_SERVER=$server HOME=$root/home VORAN_REJECTING_DESTINATION=voran_reject QT_QPA_PLATFORM=offscreen \
  "$tests" --gtest_filter='Print_fault.Rejecting_destination*' >"$root/test.log" 2>&1 || status=$?
cat "$root/test.log"
# The one test must have run and passed, not been skipped or filtered away.
[ "$status" -eq 0 ] && grep -q '^\[  PASSED  \] 1 test\.$' "$root/test.log" && ! grep -q SKIPPED "$root/test.log" ||
  { echo "FAIL: the rejecting-destination test did not pass"; exit 1; }
