#!/bin/sh
# A full disk without root: the full-disk cases of the disk-fault tests run
# as an ordinary user, with write() failing through the preloaded shim. Run
# as root, the user becomes nobody, who may not be able to read the build
# tree (a clone in a folder of mode 700): the test program and the shim are
# copied into a private folder that nobody can read, removed at the end.
#
# usage: full_disk_without_root.sh PATH/TO/voran_robust_tests PATH/TO/voran_failing_write.so
# Exit status 77 (skipped) when root cannot become nobody here (no setpriv).
set -eu
tests="$1"
shim="$2"

run() {
  # The shim must have been loaded and both full-disk cases run, not skipped.
  status=0
  "$@" --gtest_filter='*Full_disk*' >"$log" 2>&1 || status=$?
  cat "$log"
  [ "$status" -eq 0 ] && grep -q '^\[  PASSED  \] 2 tests\.$' "$log" && ! grep -q SKIPPED "$log" ||
    { echo "FAIL: the full-disk cases did not pass"; exit 1; }
}

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
trap 'exit 1' INT TERM HUP
log="$folder/test.log"

if [ "$(id -u)" -ne 0 ]; then
  HOME="$folder" LD_PRELOAD="$shim" run "$tests"
  exit 0
fi

command -v setpriv >/dev/null || { echo "skipped: setpriv is missing, root cannot become nobody"; exit 77; }
chmod 755 "$folder"
cp "$tests" "$folder/voran_robust_tests"
cp "$shim" "$folder/voran_failing_write.so"
mkdir "$folder/home"
chown 65534:65534 "$folder/home"
HOME="$folder/home" LD_PRELOAD="$folder/voran_failing_write.so" \
  run setpriv --reuid=65534 --regid=65534 --clear-groups "$folder/voran_robust_tests"
