#!/bin/sh
# A real-window session under Xvfb, driven with xdotool as a person would:
# the worked example typed key by key (with a refused letter and a seventh
# character), "Compute", the report saved through "Save Output" and compared
# line by line, "Return to Worksheet", a second case typed over the first
# without clearing it and computed with Return in Case B's field, "Printer
# options..." opened with F10, "Exit" answered Yes, and a restart that must
# bring SD and N back. Then at scales 1 and 2 on a 1920 x 1080 screen (under
# openbox when it is installed), where each window's frame, the plot's
# included, must lie on the screen, and the worksheet come back where it was
# at every "Return to Worksheet" (and at the viewer's close, by wmctrl). The title
# bars' window-manager hints are read back with xprop when it is installed.
# A screenshot of every window goes to the output folder.
#
# Usage: window_session_test.sh VORAN VORAN_REPORT GOLDEN_REPORT OUTPUT_DIR
# VORAN is copied into OUTPUT_DIR so that its control data file lands there.
# Exits 77 (skipped) when Xvfb, xdotool or ImageMagick's import is missing.
set -eu
VORAN="$1"; VORAN_REPORT="$2"; GOLDEN_REPORT="$3"; OUT="$4"

for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

rm -rf "$OUT"; mkdir -p "$OUT/program"
cp "$VORAN" "$OUT/program/voran"
PROGRAM="$OUT/program/voran"

# On failure the screen as it stood, beside the other screenshots.
fail() {
  echo "FAIL: $*" >&2
  import -window root "$OUT/failure.png" 2>/dev/null || true
  exit 1
}

. "$(dirname "$0")/../test_support/Xvfb_display.sh"
VORAN_PID=""
WM_PID=""
cleanup() {
  [ -n "$VORAN_PID" ] && kill "$VORAN_PID" 2>/dev/null || true
  [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null || true
  stop_display
}
trap cleanup EXIT INT TERM
start_display 1280x1024 "$OUT/xvfb.log"
unset QT_QPA_PLATFORM QT_SCALE_FACTOR
export LC_ALL=C.UTF-8

shots=0
screenshot() {
  shots=$((shots + 1))
  import -window root "$OUT/$(printf %02d $shots)-$1.png"
}

# The id of the visible window whose name matches $1, waiting up to 20 s.
wait_window() {
  for _ in $(seq 200); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  fail "no window named '$1' appeared"
}
# Whether the window named $1 closes within $2 tenths of a second.
closes_within() {
  for _ in $(seq "$2"); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}
wait_gone() { closes_within "$1" 100 || fail "window '$1' did not close"; }
keys() { xdotool key --delay 60 "$@"; sleep 0.3; }
# The Motif window-manager hints of window $1 (flags, functions, decorations).
hints() {
  actual=$(xprop -id "$1" _MOTIF_WM_HINTS | sed -n 's/^_MOTIF_WM_HINTS([^)]*) = //p' | cut -d, -f1-3)
  [ "$actual" = "$2" ] || fail "title-bar hints of $3: '$actual', expected '$2'"
}
type_text() { xdotool type --delay 80 "$1"; sleep 0.3; }
# Clicks at a point of a window, in its own coordinates.
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.5; }
focus() { xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"; sleep 0.3; }

# Starts the program and waits for its worksheet. A program that ends at
# once, before its window appears (the X connection refused under load), is
# started again, twice at most.
start_program() {
  for attempt in 1 2 3; do
    "$PROGRAM" >"$OUT/voran-$1.log" 2>&1 &
    VORAN_PID=$!
    for _ in $(seq 200); do
      WORKSHEET=$(xdotool search --onlyvisible --name "^VORAN.EXE: Bayesian" 2>/dev/null | head -n 1) || true
      [ -n "$WORKSHEET" ] && { focus "$WORKSHEET"; return 0; }
      kill -0 "$VORAN_PID" 2>/dev/null || break
      sleep 0.1
    done
    kill -0 "$VORAN_PID" 2>/dev/null && fail "the worksheet did not appear"
    echo "attempt $attempt: the program ended before its window appeared" >&2
    cat "$OUT/voran-$1.log" >&2
  done
  fail "the program does not start"
}
# The "Compute" button lies at (28, 506), 165 x 37, in the worksheet.
compute() { click "$WORKSHEET" 110 524; }
# "Save Output" in the viewer: Shift+Tab twice from "Return to Worksheet",
# which has the focus when the viewer opens; the file name typed into the
# save dialog.
save_output() {
  keys shift+Tab shift+Tab space
  dialog=$(wait_window "$2")
  screenshot "$1"
  focus "$dialog"
  keys ctrl+a
  type_text "$3"
  keys Return
  for _ in $(seq 50); do [ -s "$3" ] && break; sleep 0.1; done
  [ -s "$3" ] || fail "Save Output wrote no file $3"
}

# ---- First run: no control data yet, the focus is in the SD field.
start_program first
screenshot worksheet
type_text 1
type_text x                       # a refused letter: beep and warning
warning=$(wait_window "^Warning$")
screenshot warning-refused-letter
keys Return; wait_gone "^Warning$"; focus "$WORKSHEET"
type_text 0                       # SD is now 10
keys Tab; type_text 20
keys Tab; type_text 500000
type_text 0                       # a seventh character: warning, cut to six, all selected
wait_window "^Warning$" >/dev/null
screenshot warning-seventh-character
keys Return; wait_gone "^Warning$"; focus "$WORKSHEET"
type_text 50                      # replaces the selected text
keys Tab; type_text 30
compute
VIEWER=$(wait_window "^Results viewer: ")
focus "$VIEWER"
screenshot results-viewer
save_output save-dialog "results.txt|Save|save" "$OUT/report.txt"

# Line by line: the whole report as voran-report composes it, and its part
# from INPUTS on as written down by hand.
tr -d '\r' <"$OUT/report.txt" >"$OUT/report.lf"
"$VORAN_REPORT" --sd 10 --n 20 --case-a 50 --case-b 30 >"$OUT/expected.lf"
diff -u "$OUT/expected.lf" "$OUT/report.lf" || fail "the saved report differs from the composed one"
sed -n '/^ INPUTS:$/,$p' "$GOLDEN_REPORT" > "$OUT/expected_outputs.lf"
sed -n '/^ INPUTS:$/,$p' "$OUT/report.lf" | diff -u "$OUT/expected_outputs.lf" - || fail "the saved report's outputs differ"
[ "$(grep -c "$(printf '\r$')" "$OUT/report.txt")" -eq "$(wc -l <"$OUT/report.txt")" ] ||
  fail "not every line of the saved report ends in CR LF"

# ---- Return, and a second case with the scores exchanged, typed over the
# old ones: the program selects Case A's text on the return, Tab selects
# Case B's. Return in Case B's field presses Compute.
keys Tab Tab Return               # from "Save Output" to "Return to Worksheet"
wait_gone "^Results viewer: "
focus "$WORKSHEET"
screenshot worksheet-returned     # the focus is in Case A's field, selected
type_text 30
keys Tab; type_text 50
keys Return
VIEWER=$(wait_window "^Results viewer: ")
focus "$VIEWER"
screenshot results-two-reports

# "Printer options..." from the keyboard: F10 opens it with "Print All"
# chosen, Down chooses "Print Selection", Return takes it, and with nothing
# selected the viewer says so.
keys F10
screenshot printer-options-menu
keys Down Return
wait_window "^Warning$" >/dev/null
screenshot warning-no-selection
keys Return; wait_gone "^Warning$"; focus "$VIEWER"
keys F10 Escape                   # opened and closed again: nothing printed
if command -v xprop >/dev/null; then
  hints "$WORKSHEET" "0x3, 0x2c, 0x3a" "the worksheet (minimise and close)"
  hints "$VIEWER" "0x3, 0x16, 0x4e" "the results viewer (maximise, resizable)"
fi

save_output save-dialog-again "results.txt|Save|save" "$OUT/two-reports.txt"
tr -d '\r' <"$OUT/two-reports.txt" >"$OUT/two-reports.lf"
grep -q "^$(printf '_%.0s' $(seq 103))\$" "$OUT/two-reports.lf" || fail "no separator line before the second report"
grep -q "Raw difference between the scores of the two cases (Case A - Case B)  = -20.000" "$OUT/two-reports.lf" ||
  fail "the second report is not the exchanged case"
head -n "$(wc -l <"$OUT/report.lf")" "$OUT/two-reports.lf" | diff -u "$OUT/report.lf" - ||
  fail "the first report changed"

# ---- Exit with Yes.
keys Tab Tab Tab space            # from "Save Output" to "Exit"
CONFIRM=$(wait_window "^Confirm$")
screenshot confirm-exit
if command -v xprop >/dev/null; then
  hints "$CONFIRM" "0x3, 0x24, 0x1a" "a message box (close only)"
fi
keys y
for _ in $(seq 100); do kill -0 "$VORAN_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$VORAN_PID" 2>/dev/null && fail "the program did not end after Yes"
wait "$VORAN_PID" || fail "the program ended with a failure status"
VORAN_PID=""
[ "$(cat "$OUT/program/VORAN.txt")" = "10 20 30 50     " ] || fail "unexpected control data file: '$(cat "$OUT/program/VORAN.txt")'"

# ---- Restart: SD and N come back, the focus is in Case A's field, so the
# two case scores alone complete a comparison whose INPUTS show 10 and 20.
start_program second
screenshot worksheet-restarted
type_text 50
keys Tab; type_text 30
compute
VIEWER=$(wait_window "^Results viewer: ")
focus "$VIEWER"
save_output save-dialog-restarted "results.txt|Save|save" "$OUT/restarted.txt"
tr -d '\r' <"$OUT/restarted.txt" | diff -u "$OUT/report.lf" - || fail "SD and N did not come back"
keys Tab Tab Tab space            # from "Save Output" to "Exit"
wait_window "^Confirm$" >/dev/null
keys y
for _ in $(seq 100); do kill -0 "$VORAN_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$VORAN_PID" 2>/dev/null && fail "the program did not end after Yes"
VORAN_PID=""

# ---- Under openbox (when it is installed) on a 1920 x 1080 screen, at
# scale 1 and at scale 2 (960 x 540 for the program, where the worksheet is
# taller than the screen): every window's frame must lie on the screen, the
# worksheet must open with its focused field and its buttons in view, and
# come back where it was at every "Return to Worksheet"; the viewer's close
# button, which openbox may show, returns to the worksheet; the plot window
# lies whole on the screen.
stop_display
start_display 1920x1080 "$OUT/xvfb.log"
if command -v openbox >/dev/null && command -v xprop >/dev/null && command -v xwininfo >/dev/null; then
  openbox >"$OUT/openbox.log" 2>&1 &
  WM_PID=$!
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
  done
fi
# The frame of window $1 (its window manager's extents added to it): where
# it begins, and that it lies whole on the screen.
frame_on_screen() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  # Under a window manager xdotool counts the frame twice; xwininfo (beside
  # xprop) gives the window's place on the screen.
  left=0; top=0; right=0; bottom=0
  if [ -n "$WM_PID" ]; then
    X=$(xwininfo -id "$1" | sed -n 's/^ *Absolute upper-left X: *//p')
    Y=$(xwininfo -id "$1" | sed -n 's/^ *Absolute upper-left Y: *//p')
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/^_NET_FRAME_EXTENTS([^)]*) = //p' | tr -d ' ')
    [ -n "$extents" ] && IFS=, read -r left right top bottom <<EOF_EXTENTS
$extents
EOF_EXTENTS
  fi
  frame_x=$((X - left)); frame_y=$((Y - top))
  frame_right=$((X + WIDTH + right)); frame_bottom=$((Y + HEIGHT + bottom))
  echo "scale $QT_SCALE_FACTOR, $2: frame at $frame_x,$frame_y to $frame_right,$frame_bottom, window ${WIDTH}x${HEIGHT}" >>"$OUT/wm-frames.txt"
  [ "$frame_x" -ge 0 ] && [ "$frame_y" -ge 0 ] && [ "$frame_right" -le 1920 ] && [ "$frame_bottom" -le 1080 ] ||
    fail "$2 at scale $QT_SCALE_FACTOR: its frame $frame_x,$frame_y to $frame_right,$frame_bottom leaves the 1920x1080 screen"
}
# The window's place on the screen.
place() { xwininfo -id "$1" | sed -n 's/^ *Absolute upper-left \([XY]\): *//p' | paste -sd,; }

for QT_SCALE_FACTOR in 1 2; do
  export QT_SCALE_FACTOR
  rm -f "$OUT/program/VORAN.txt"
  start_program "scale$QT_SCALE_FACTOR"
  screenshot "worksheet-scale$QT_SCALE_FACTOR"
  frame_on_screen "$WORKSHEET" "the worksheet"
  first_place=$(place "$WORKSHEET")
  type_text 10
  keys Tab; type_text 20
  keys Tab; type_text 50
  keys Tab; type_text 30
  keys KP_Enter                   # Compute, from Case B's field
  VIEWER=$(wait_window "^Results viewer: ")
  focus "$VIEWER"
  screenshot "results-viewer-scale$QT_SCALE_FACTOR"
  frame_on_screen "$VIEWER" "the results viewer"
  # The plot of the comparison, from the View menu (Alt+V, Return).
  keys alt+v Return
  PLOT=$(wait_window "^Plot of the last comparison$")
  focus "$PLOT"
  screenshot "plot-scale$QT_SCALE_FACTOR"
  frame_on_screen "$PLOT" "the plot window"
  keys Escape; wait_gone "^Plot of the last comparison$"
  # Three returns and computes: the worksheet comes back where it was.
  for round in 1 2 3; do
    # "Return to Worksheet" has the focus. Under load the X server can hand
    # the viewer the key before the toolkit has taken the activation in, and
    # the key is lost; a second press is then what a person would do.
    focus "$VIEWER"
    keys Return
    closes_within "^Results viewer: " 30 || { focus "$VIEWER"; keys Return; }
    wait_gone "^Results viewer: "
    [ "$(place "$WORKSHEET")" = "$first_place" ] ||
      fail "at scale $QT_SCALE_FACTOR the worksheet came back at $(place "$WORKSHEET") after return $round, not at $first_place"
    focus "$WORKSHEET"
    keys Return                   # Case A's field has the focus: Compute
    VIEWER=$(wait_window "^Results viewer: ")
  done
  # The window manager's close on the viewer: back to the worksheet.
  if command -v wmctrl >/dev/null && [ -n "$WM_PID" ]; then
    wmctrl -i -c "$VIEWER"
    wait_gone "^Results viewer: "
    wait_window "^VORAN.EXE: Bayesian" >/dev/null
    screenshot "worksheet-after-close-scale$QT_SCALE_FACTOR"
  else
    focus "$VIEWER"
    keys Return
    wait_gone "^Results viewer: "
  fi
  focus "$WORKSHEET"
  keys Tab Tab Tab Tab Tab Tab space  # from Case A past the limits and the notes to Exit
  wait_window "^Confirm$" >/dev/null
  screenshot "confirm-exit-scale$QT_SCALE_FACTOR"
  keys y
  for _ in $(seq 100); do kill -0 "$VORAN_PID" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$VORAN_PID" 2>/dev/null && fail "the program did not end after Yes"
  VORAN_PID=""
done
echo "window session passed; screenshots in $OUT"
