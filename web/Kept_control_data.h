// The control data in the browser's storage: the same text as the desktop's
// control data file (the eight entries, each followed by a blank), read back
// by the same reader, so that the page restores SD and N as the worksheet
// does: formatted with "%1.6g".
#pragma once

#include <string>

struct Restored_fields {
    std::string SD;
    std::string N;
    std::string Error;  // the error report when a kept number cannot be read
};

// The text kept in the browser's storage: SD and N only, as the first two
// entries of a control data file's text. Never a case's score, a note or a
// result: any other page opened from the same place may read the storage.
std::string Kept_text(const std::string& sd, const std::string& n);

// The first two numbers of the kept text as the SD and N fields show them.
// A number that cannot be read ends the reading with the error report's
// text; the fields read before it keep their values.
Restored_fields Restore_control_data(const std::string& kept);

// The input slot that takes the focus as the page opens, as the worksheet
// opens: SD while its field is empty, otherwise the slot after the restored
// control data, Case A.
int First_focused_slot(const std::string& sd);
