#!/bin/sh
# The layering check on small trees laid out by the project's own layers.txt:
# a clean tree passes; an include that looks up, a link edge that looks up
# (directly, or carried on a PUBLIC dependency's link line) and a file in no
# layer each fail with a message naming them.
# Usage: check_layers_test.sh CHECK_SCRIPT LAYERS_FILE
set -eu
check=$1
layers=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# case NAME EXPECTED_STATUS EXPECTED_MESSAGE: runs the check on $work/tree
# with $work/edges and compares.
case_of() {
  status=0
  output=$(sh "$check" "$work/tree" "$work/edges" 2>&1) || status=$?
  if [ "$status" -ne "$2" ] || ! printf '%s\n' "$output" | grep -F -q -- "$3"; then
    echo "FAIL $1: status $status (expected $2), output:"; printf '%s\n' "$output"
    failures=$((failures + 1))
  else
    echo "ok   $1"
  fi
}

# A tree of a few layers: stats, comparison over it, the window layer, the
# plot's picture beside it and the command-line tool over the picture, with
# their targets.
fresh_tree() {
  rm -rf "$work/tree"
  mkdir -p "$work/tree/stats" "$work/tree/comparison" "$work/tree/window" "$work/tree/plot" "$work/tree/cli"
  cp "$layers" "$work/tree/layers.txt"
  printf '#pragma once\n' >"$work/tree/stats/distrib.h"
  printf '#include "distrib.h"\n' >"$work/tree/stats/Normal.cpp"
  printf '#pragma once\n#include "distrib.h"\n' >"$work/tree/comparison/Comparison.h"
  printf '#include "Comparison.h"\n' >"$work/tree/comparison/Comparison.cpp"
  printf '#pragma once\n' >"$work/tree/window/Platform.h"
  printf '#include "Platform.h"\n' >"$work/tree/window/Platform.cpp"
  printf '#include "Comparison.h"\n' >"$work/tree/plot/Plot_file.cpp"
  printf 'int main() {}\n' >"$work/tree/cli/main.cpp"
  printf '%s\t%s\t%s\t%s\n' \
    voran_stats stats stats/Normal.cpp "" \
    voran_comparison comparison comparison/Comparison.cpp voran_stats \
    voran_window window window/Platform.cpp voran_comparison \
    voran_plot_render plot plot/Plot_file.cpp voran_comparison \
    voran-report cli cli/main.cpp voran_plot_render >"$work/edges"
}

fresh_tree
case_of "clean tree" 0 "looks down the layers"

fresh_tree
printf '#include "Comparison.h"\n' >>"$work/tree/stats/Normal.cpp"
case_of "include from a higher layer" 1 \
  "stats/Normal.cpp (stats) includes comparison/Comparison.h (comparison), which is not below it"

fresh_tree
sed -i 's/^voran_stats\tstats\tstats\/Normal.cpp\t$/voran_stats\tstats\tstats\/Normal.cpp\tvoran_comparison/' "$work/edges"
case_of "link edge to a higher layer" 1 "voran_stats (stats) links voran_comparison (comparison), which is not below it"

fresh_tree
sed -i 's/^\(voran_plot_render\t.*\)voran_comparison$/\1voran_comparison;voran_window/' "$work/edges"
case_of "window layer carried on to the command line's link line" 1 \
  "voran-report (cli) links voran_window (window) through voran_plot_render, which is not below it"

fresh_tree
mkdir "$work/tree/extras"
printf 'int x;\n' >"$work/tree/extras/Extra.cpp"
case_of "file in no layer" 1 "extras/Extra.cpp belongs to no layer of layers.txt"

fresh_tree
printf 'comparison | code | comparison/ | stats\n' >>"$work/tree/layers.txt"
case_of "layer named twice" 1 "layers.txt names the layer \"comparison\" twice"

[ "$failures" -eq 0 ]
