#!/bin/bash
# voran-report --csv stopped and fed as a user does it, through FIFOs in a
# folder of its own:
# - SIGINT or SIGTERM while the output is a pipe that nobody reads, with
#   --jobs 1, 2 and 8: the run ends with status 130 or 143;
# - a row half typed into the input when SIGINT comes: no answer for it,
#   neither computed nor an error row; and a table read from a file,
#   stopped at any point, also while its output is read slowly: every
#   answer written is the whole run's own, in whole lines;
# - rows ended by CR LF fed one at a time with --jobs 2: each is answered
#   before the next is written.
# The waits are on conditions, each with a generous deadline that only a
# hang reaches.
#
# usage: table_stop_test.sh PATH/TO/voran-report
# Exit status 77 (skipped) without /proc/PID/io, which tells when the tool
# has read the half row, or without perl, which sizes the output pipe and
# tells when it is full.
set -u
report="$1"
[ -r /proc/self/io ] || { echo "skipped: /proc/PID/io is missing here"; exit 77; }
command -v perl >/dev/null || { echo "skipped: perl is missing here"; exit 77; }

folder=$(mktemp -d)
child=""
cleanup() {
  [ -n "$child" ] && kill -KILL "$child" 2>/dev/null
  rm -rf "$folder"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP
mkfifo "$folder/in" "$folder/out"

fail() {
  echo "FAIL: $*"
  exit 1
}

# Polls until the command succeeds, up to a minute; false at the deadline.
wait_until() {
  for _ in $(seq 600); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# Waits for the child to end (a minute at most: a hang), its status in
# $status.
wait_child() {
  wait_until eval '! kill -0 "$child" 2>/dev/null' || fail "$1: still running a minute after the signal"
  wait "$child"
  status=$?
  child=""
}

lines_at_least() { [ "$(wc -l <"$1")" -ge "$2" ]; }
read_bytes() { awk '$1 == "rchar:" { print $2 }' "/proc/$1/io"; }
read_at_least() { [ "$(read_bytes "$1")" -ge "$2" ]; }
# Whether the FIFO holds at least a page (FIONREAD), or is cut down to one
# page (F_SETPIPE_SZ), through perl.
fifo_holds_a_page() {
  perl -e 'open(my $pipe, "+<", $ARGV[0]) or exit 1; my $held = pack("i", 0);
           ioctl($pipe, 0x541B, $held) or exit 1; exit(unpack("i", $held) >= 4096 ? 0 : 1)' "$1"
}
fifo_to_one_page() {
  perl -e 'open(my $pipe, "+<", $ARGV[0]) or exit 1; fcntl($pipe, 1031, 4096) or exit 1' "$1"
}

expected_status() { if [ "$1" = INT ]; then echo 130; else echo 143; fi; }

# A table of a new control sample at almost every row, long enough to be
# stopped in the middle of its reading.
awk 'BEGIN {
  print "id,sd,n,case_a,case_b"
  for (i = 0; i < 200000; i++) printf "r%d,%d.5,%d,50,30\n", i, 1 + i % 20, 3 + (7 * i) % 99991
}' >"$folder/table.csv"

# 1. The output a pipe that nobody reads: the test holds it open, cut down
#    to one page, and reads nothing; the run's first page of answers fills
#    it, and the run then waits on it whichever rows it has in hand.
for signal in INT TERM; do
  for jobs in 1 2 8; do
    name="SIG$signal with the output unread, --jobs $jobs"
    exec 3<>"$folder/out"
    fifo_to_one_page "$folder/out" || fail "the output pipe cannot be cut down to a page"
    "$report" --csv "$folder/table.csv" --jobs "$jobs" >"$folder/out" 3>&- &
    child=$!
    wait_until fifo_holds_a_page "$folder/out" || fail "$name: the output pipe was not filled"
    kill -s "$signal" "$child"
    wait_child "$name"
    exec 3<&-
    [ "$status" -eq "$(expected_status "$signal")" ] || fail "$name: status $status"
  done
done

# 2. A row half typed when SIGINT comes (its case_b 3 of 30): the tool has
#    read it, waiting for the rest; it is not answered. The input stays open
#    until the tool has ended, so that the half row is not the input's end.
for jobs in 1 2; do
  name="a half row at SIGINT, --jobs $jobs"
  exec 4<>"$folder/in"
  "$report" --csv - --jobs "$jobs" <"$folder/in" >"$folder/answers" 4>&- &
  child=$!
  printf 'id,sd,n,case_a,case_b\nP1,10,20,50,30\n' >&4
  wait_until lines_at_least "$folder/answers" 2 || fail "$name: the whole row was not answered"
  read_before=$(read_bytes "$child")
  printf 'P2,10,20,50,3' >&4
  wait_until read_at_least "$child" $((read_before + 13)) || fail "$name: the half row was not read"
  kill -s INT "$child"
  wait_child "$name"
  exec 4>&-
  [ "$status" -eq 130 ] || fail "$name: status $status"
  [ "$(wc -l <"$folder/answers")" -eq 2 ] && ! grep -q '^P2' "$folder/answers" ||
    fail "$name: the half row was answered: $(tail -n 1 "$folder/answers")"
done

# ... and a table read from a file, stopped at any point of its reading: the
# answers are the whole run's first ones, whole lines, no error among them.
"$report" --csv "$folder/table.csv" --jobs 2 >"$folder/whole" || fail "the whole table: status $?"
answers_are_the_whole_runs() {
  size=$(wc -c <"$folder/answers")
  head -c "$size" "$folder/whole" | cmp -s - "$folder/answers" && [ "$(tail -c 1 "$folder/answers" | od -An -c | tr -d ' ')" = '\n' ] ||
    fail "$1: the answers are not the whole run's: $(tail -n 1 "$folder/answers")"
}
for jobs in 1 2 1 2; do
  name="a table file stopped, --jobs $jobs"
  "$report" --csv "$folder/table.csv" --jobs "$jobs" >"$folder/answers" &
  child=$!
  wait_until lines_at_least "$folder/answers" 2 || fail "$name: no answers"
  kill -s INT "$child"
  wait_child "$name"
  [ "$status" -eq 130 ] || fail "$name: status $status"
  answers_are_the_whole_runs "$name"
done

# ... and a table stopped while its output is read slowly but steadily (a
# page every 20 ms): the rows in hand, which take seconds to write then, are
# all written, in whole lines, however long that takes.
for jobs in 2 8; do
  name="a table stopped with the output read slowly, --jobs $jobs"
  : >"$folder/answers"
  "$report" --csv "$folder/table.csv" --jobs "$jobs" >"$folder/out" &
  child=$!
  perl -e 'while (sysread(STDIN, my $page, 4096)) { syswrite(STDOUT, $page); select(undef, undef, undef, 0.02) }' \
    <"$folder/out" >"$folder/answers" &
  reader=$!
  wait_until lines_at_least "$folder/answers" 2 || fail "$name: no answers"
  kill -s INT "$child"
  wait_child "$name"
  wait "$reader"
  [ "$status" -eq 130 ] || fail "$name: status $status"
  answers_are_the_whole_runs "$name"
done

# 3. Rows ended by CR LF, one at a time, with --jobs 2: each is answered as
#    soon as its line end has arrived.
exec 4<>"$folder/in"
"$report" --csv - --jobs 2 <"$folder/in" >"$folder/answers" 4>&- &
child=$!
printf 'id,sd,n,case_a,case_b\r\n' >&4
for row in 1 2 3; do
  printf 'R%d,10,20,50,30\r\n' "$row" >&4
  wait_until lines_at_least "$folder/answers" $((row + 1)) || fail "CR LF row $row was not answered"
done
exec 4>&-
wait_child "CR LF rows"
[ "$status" -eq 0 ] || fail "CR LF rows: status $status"
echo "PASS"
