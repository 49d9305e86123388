#!/bin/sh
# Another user's link in a folder that anyone may write, with the sticky bit
# (as /tmp): root runs `voran-report --plot` onto a name there where user
# nobody (65534) has put a link to a file of root's. The picture must not be
# written through that link: status 74, "Cannot write file NAME: Permission
# denied", the file and the link as they were. A link of root's own there,
# or one of the folder's owner, is followed as before. Everything lives in a
# folder of the test's own, removed at the end; the machine's files are
# never touched.
#
# usage: sticky_folder_link_test.sh PATH/TO/voran-report
# Exit status 77 (skipped) without root, who alone can give a link away.
set -eu
report="$1"
[ "$(id -u)" -eq 0 ] || { echo "skipped: giving a link to another user needs root"; exit 77; }

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
trap 'exit 1' INT TERM HUP
failures=0

# check NAME FOLDER_OWNER LINK_OWNER FOLLOWED: a fresh shared folder of that
# owner holding NAME.svg, a link to the file "precious" beside the folder.
check() {
  shared="$root/$1"
  link="$shared/plot.svg"
  mkdir "$shared"
  printf 'precious\n' >"$root/precious"
  ln -s ../precious "$link"
  chown "$2" "$shared" && chown -h "$3" "$link" || { echo "skipped: cannot give files to user $3 here"; exit 77; }
  chmod 1777 "$shared"
  status=0
  LC_ALL=C env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY \
    "$report" --sd 10 --n 20 --case-a 50 --case-b 30 --plot "$link" >"$root/out" 2>"$root/err" || status=$?
  [ -L "$link" ] || { echo "FAIL $1: the link was replaced"; failures=$((failures + 1)); }
  if [ "$4" = followed ]; then
    [ "$status" -eq 0 ] && grep -q '<svg' "$root/precious" ||
      { echo "FAIL $1: the link was not followed (status $status)"; cat "$root/err"; failures=$((failures + 1)); }
  else
    [ "$status" -eq 74 ] && grep -qF "Cannot write file $link: Permission denied" "$root/err" &&
      [ "$(cat "$root/precious")" = precious ] && [ "$(ls -A "$shared")" = plot.svg ] ||
      { echo "FAIL $1: written through the link (status $status)"; cat "$root/err"; failures=$((failures + 1)); }
  fi
}

check other_users_link_in_roots_sticky_folder 0 65534 refused
check roots_own_link 0 0 followed
check folder_owners_link 65534 65534 followed

[ "$failures" -eq 0 ] || exit 1
echo "another user's link in a sticky folder was refused; the user's and the folder owner's were followed"
