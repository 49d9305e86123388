#!/bin/sh
# The peak resident memory of voran-report --csv with many jobs stays under
# 64 MiB, whatever the number of jobs: tables of long rows (each row's text
# kept while the rows before it are computed and written), streamed through
# a pipe, measured by GNU time. A memory bound, not a measure of speed.
#
#   20,000 rows of 30 KB, CSV out, --jobs 256 and 128
#   5,000 rows of 30 KB of control characters, JSON Lines out (six bytes
#   each there), --jobs 64 and 256
#   750 rows of 200 KB of control characters, JSON Lines out, --jobs 256
#
# usage: table_memory_test.sh PATH/TO/voran-report
# Exit status 77 (skipped) without GNU time at /usr/bin/time.
set -eu
report="$1"
bound_kib=65536
[ -x /usr/bin/time ] || { echo "skipped: /usr/bin/time (GNU time) is missing"; exit 77; }

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
trap 'exit 1' INT TERM HUP

# ROWS rows of an id of SIZE bytes of the character numbered CODE, each a
# comparison.
table() {
  awk -v rows="$1" -v size="$2" -v code="$3" 'BEGIN {
    pad = sprintf("%c", code); while (length(pad) < size) pad = pad pad; pad = substr(pad, 1, size)
    print "id,sd,n,case_a,case_b"
    for (i = 0; i < rows; i++) printf "%s%d,10,20,50,30\n", pad, i
  }'
}

failed=0
measure() {
  name="$1"
  shift
  status=0
  "$@" || status=$?
  peak=$(tail -n 1 "$folder/peak")
  echo "$name: peak resident memory $peak KiB (bound $bound_kib), status $status"
  if [ "$status" -ne 0 ] || [ "$peak" -ge "$bound_kib" ]; then
    failed=1
  fi
}

run() {
  rows="$1" size="$2" code="$3" format="$4" jobs="$5"
  table "$rows" "$size" "$code" |
    /usr/bin/time -f "%M" -o "$folder/peak" "$report" --csv - --format "$format" --jobs "$jobs" >/dev/null
}

for jobs in 256 128; do
  measure "20000 rows of 30 KB, csv, --jobs $jobs" run 20000 30000 120 csv "$jobs"
done
for jobs in 64 256; do
  measure "5000 rows of 30 KB of control characters, jsonl, --jobs $jobs" run 5000 30000 1 jsonl "$jobs"
done
measure "750 rows of 200 KB of control characters, jsonl, --jobs 256" run 750 200000 1 jsonl 256
[ "$failed" -eq 0 ] || { echo "FAIL: the peak passed $bound_kib KiB"; exit 1; }
echo "PASS"
