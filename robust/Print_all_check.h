// The check of every print-server fault at "Print All": the viewer, holding
// a short report, must report one clear error through the application's
// error report, keep its text, stay shown, and go on working ("Save Output"
// still writes the text afterwards).
#pragma once

#include <string>

// Runs "Print All" on the default printer and the checks above (as
// GoogleTest expectations); returns the error shown.
std::string Print_all_fails_and_viewer_goes_on();
