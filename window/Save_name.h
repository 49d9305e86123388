// The name under which a save writes: the name chosen in the save dialog,
// completed with the extension of the kind of file saved when the user typed
// none ("Patient AB report" is saved as "Patient AB report.txt").
#pragma once

#include <optional>
#include <string>
#include <string_view>

class Platform;

// The name with "." and the extension added when its last component has no
// extension ("report" gives "report.txt", "a.b/report" too).
std::string With_extension(const std::string& file_name, std::string_view extension);

// The name chosen in the dialog (empty when the user cancelled) with its
// extension. The dialog asked before replacing the name as typed; where the
// completed name is an existing file, the user is asked here, and an answer
// of No gives no name.
std::optional<std::string> Completed_save_name(Platform& platform, const std::optional<std::string>& chosen,
                                               std::string_view extension);
