#!/bin/sh
# The layering of the code, checked against layers.txt, its one description:
# every header that a file includes with quotes must belong to the file's own
# layer or to one below it, and so must every library on each CMake target's
# link line (read from the listing that the configure step writes, see
# cmake/Link_edges.cmake). Every .h and .cpp of the tree must belong to a
# layer, so that a new folder is placed before it is used.
# Usage: check_layers.sh SOURCE_DIR LINK_EDGES
set -eu
[ $# -eq 2 ] || { echo "usage: check_layers.sh SOURCE_DIR LINK_EDGES" >&2; exit 64; }
edges=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
cd "$1"
[ -f layers.txt ] || { echo "no layers.txt in $1" >&2; exit 66; }

# The tree's sources, without build trees, hidden folders and npm's packages.
find . -type d \( -path './.*' -o -name node_modules -o -exec test -e '{}/CMakeCache.txt' \; \) -prune \
  -o -type f \( -name '*.h' -o -name '*.cpp' \) -print | sed 's|^\./||' |
awk -v edges="$edges" '
BEGIN { FS = "|" }
function trim(text) { gsub(/^[ \t]+|[ \t]+$/, "", text); return text }
function fail(message) { print message; failures++ }
function folder_of(path) { return path ~ /\// ? substr(path, 1, match(path, /\/[^\/]*$/) - 1) : "." }
function layer_of(path,    k) {
  for (k = 1; k <= patterns; k++) if (path ~ pattern[k]) return pattern_layer[k]
  return (folder_of(path) in folder_layer) ? folder_layer[folder_of(path)] : ""
}
function below(upper, lower) { return (upper SUBSEP lower) in allowed }

# layers.txt: name | kind | files | uses
FILENAME == "layers.txt" {
  if ($0 ~ /^[ \t]*(#|$)/) next
  name = trim($1)
  if (name in listed) { fail("layers.txt names the layer \"" name "\" twice"); next }
  listed[name] = 1; order[++layers] = name; allowed[name, name] = 1
  count = split(trim($3), files, /[ \t]+/)
  for (i = 1; i <= count; i++) {
    if (files[i] ~ /\/$/) { folder_layer[substr(files[i], 1, length(files[i]) - 1)] = name; continue }
    regex = files[i]; gsub(/\./, "\\.", regex); gsub(/\*/, "[^/]*", regex)
    pattern[++patterns] = "^" regex "$"; pattern_layer[patterns] = name
  }
  count = split($4, uses, ",")
  for (i = 1; i <= count; i++) {
    used = trim(uses[i])
    if (used == "") continue
    if (!(used in listed)) { fail("layers.txt: \"" name "\" uses \"" used "\", which is not listed before it"); continue }
    for (k = 1; k <= layers; k++) if (below(used, order[k])) allowed[name, order[k]] = 1
  }
  next
}

# The tree'\''s sources, one path a line.
{
  source[++sources] = $0
  if (layer_of($0) == "") fail($0 " belongs to no layer of layers.txt")
  base = $0; sub(/.*\//, "", base)
  if ($0 !~ /\.h$/) next
  if (base in header) header[base] = header[base] SUBSEP $0
  else header[base] = $0
}

END {
  # Includes: each quoted header found in the tree, in the including file'\''s
  # folder first.
  for (s = 1; s <= sources; s++) {
    file = source[s]; layer = layer_of(file)
    while ((getline line < file) > 0) {
      if (line !~ /^[ \t]*#[ \t]*include[ \t]*"/) continue
      included = line; sub(/^[^"]*"/, "", included); sub(/".*/, "", included)
      base = included; sub(/.*\//, "", base)
      if (!(base in header)) continue
      owner = header[base]
      if (owner ~ SUBSEP) {
        count = split(owner, candidates, SUBSEP); owner = ""
        for (i = 1; i <= count; i++) if (folder_of(candidates[i]) == folder_of(file)) owner = candidates[i]
        if (owner == "") { fail(file " includes " included ", a name that several folders hold"); continue }
      }
      if (layer != "" && !below(layer, layer_of(owner)))
        fail(file " (" layer ") includes " owner " (" layer_of(owner) "), which is not below it")
    }
    close(file)
  }

  # Link edges: the targets, their layers, and every library that reaches
  # their link line.
  while ((getline line < edges) > 0) {
    split(line, field, "\t")
    target = field[1]; targets[++target_count] = target
    count = split(field[3], files, ";"); top = ""
    for (i = 1; i <= count; i++) {
      layer = layer_of(files[i])
      if (layer == "") { fail(files[i] " (a source of " target ") belongs to no layer of layers.txt"); continue }
      if (top == "" || below(layer, top)) top = layer
      else if (!below(top, layer)) fail(target " has sources in \"" top "\" and \"" layer "\", neither below the other")
    }
    if (top == "") top = layer_of(field[2] "/CMakeLists.txt")
    if (top == "") fail(target " (in " field[2] "/) belongs to no layer of layers.txt")
    target_layer[target] = top
    links[target] = field[4]
  }
  close(edges)
  if (target_count == 0) fail(edges " lists no targets")
  for (t = 1; t <= target_count; t++) {
    target = targets[t]
    split("", seen); queue_length = split(links[target], queue, ";")
    for (i = 1; i <= queue_length; i++) via[i] = ""
    for (i = 1; i <= queue_length; i++) {
      library = queue[i]
      if (library in seen || !(library in target_layer)) continue
      seen[library] = 1
      if (target_layer[target] != "" && !below(target_layer[target], target_layer[library]))
        fail(target " (" target_layer[target] ") links " library " (" target_layer[library] ")" \
             (via[i] == "" ? "" : " through " via[i]) ", which is not below it")
      count = split(links[library], more, ";")
      for (k = 1; k <= count; k++) { queue[++queue_length] = more[k]; via[queue_length] = (via[i] == "" ? library : via[i]) }
    }
  }
  if (failures) exit 1
  print "every include and every link edge of " target_count " targets looks down the layers"
}' layers.txt -
