#!/bin/sh
# voran-report.js --csv under Node: a table from a file and the same table
# through a pipe on standard input give status 0, the same lines, and the
# worked example's numbers.
#
# usage: table_under_node_test.sh PATH/TO/node PATH/TO/voran-report.js
set -eu
node="$1"
report="$2"
folder=$(mktemp -d "${TMPDIR:-/tmp}/voran-node-table.XXXXXX")
trap 'rm -rf "$folder"' EXIT
trap 'exit 1' INT TERM HUP

printf 'sd,n,case_a,case_b\n10,20,50,30\n2,3,12,10\n1.5,106,-2,7.25\n' >"$folder/table.csv"
"$node" "$report" --csv "$folder/table.csv" >"$folder/from-file.csv" 2>"$folder/err" ||
  { echo "FAIL: --csv FILE ended with status $?"; cat "$folder/err"; exit 1; }
cat "$folder/table.csv" | "$node" "$report" --csv - >"$folder/from-input.csv" 2>"$folder/err" ||
  { echo "FAIL: --csv - ended with status $?"; cat "$folder/err"; exit 1; }

cmp -s "$folder/from-file.csv" "$folder/from-input.csv" ||
  { echo "FAIL: the file and standard input gave different tables"; diff "$folder/from-file.csv" "$folder/from-input.csv"; exit 1; }
[ "$(wc -l <"$folder/from-file.csv")" -eq 4 ] || { echo "FAIL: not a header and three rows:"; cat "$folder/from-file.csv"; exit 1; }
grep -q '^10,20,50,30,two-sided,20,14.1421356237,19,' "$folder/from-file.csv" ||
  { echo "FAIL: the first row's numbers are missing:"; cat "$folder/from-file.csv"; exit 1; }
echo "PASS"
