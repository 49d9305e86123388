#!/bin/sh
# The layering of the code, checked on its #include lines: every header a
# file includes with quotes must belong to the file's own folder or to a
# folder below it:
#   stats <- comparison <- request <- window <- (worksheet | results | plot)
#   request <- cli, and plot <- cli for the --plot picture writer
#   cli and plot <- web (the page's core: the request step, the table code
#   and the plot's picture)
# and nothing includes app/. worksheet, results and plot never include each
# other, and none of them includes cli. A program entry (main.cpp) connects the layers and may include
# any of them; test folders may also include test_support/.
# Usage: check_layers.sh SOURCE_DIR
set -eu
cd "$1"

allowed() {  # the folders whose headers a folder's code may include
  case "$1" in
    stats) echo "stats" ;;
    comparison) echo "stats comparison" ;;
    request) echo "stats comparison request" ;;
    window) echo "stats comparison request window" ;;
    worksheet | results | plot) echo "stats comparison request window $1" ;;
    cli) echo "stats comparison request plot cli" ;;
    web) echo "stats comparison request plot cli web" ;;
    *) echo "" ;;
  esac
}

layers="stats comparison request window worksheet results plot cli web app"
status=0
for folder in $layers; do
  [ -d "$folder" ] || continue
  for file in $(find "$folder" -name '*.h' -o -name '*.cpp'); do
    case "$file" in */main.cpp) continue ;; esac
    permitted=$(allowed "$folder")
    case "$file" in */tests/* | */*_tests/*) permitted="$permitted test_support" ;; esac
    [ "$folder" = app ] && continue
    for header in $(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file"); do
      name=$(basename "$header")
      # The folder that holds the header, if it is one of the project's.
      owner=""
      for candidate in $layers test_support; do
        if [ -d "$candidate" ] && [ -n "$(find "$candidate" -name "$name" -print -quit)" ]; then
          owner=$candidate
          break
        fi
      done
      [ -n "$owner" ] || continue
      case " $permitted " in
        *" $owner "*) ;;
        *) echo "$file includes $header from $owner/, which is not below $folder/"; status=1 ;;
      esac
    done
  done
done
[ "$status" -eq 0 ] && echo "every include looks down the layers"
exit "$status"
