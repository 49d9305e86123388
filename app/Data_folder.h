// Where the control data file lives, decided once at start-up and used for
// every read, write and delete:
//   - a copy run from the folder it was installed to (the install step, or
//     the Debian package) keeps it in the user's data folder,
//     ${XDG_DATA_HOME:-$HOME/.local/share}/voran;
//   - any other copy (the build tree, a copied folder) keeps it beside its
//     executable;
//   - unless the user cannot write that folder: then the user's data folder
//     serves as well.
// Data_folder is the rule, a pure function of the facts; This_process_facts
// gathers the facts from the system.
#pragma once

#include <optional>
#include <string>

struct Data_folder_facts {
    // Both folders canonical (no links, no "." or ".."), as the rule compares
    // them as texts.
    std::string Executable_folder;
    std::string Installed_folder;
    // Whether the effective user can create files in Executable_folder.
    bool Executable_folder_writable = true;
    // $XDG_DATA_HOME and $HOME; nothing when unset.
    std::optional<std::string> Xdg_data_home;
    std::optional<std::string> Home;
};

// The user's data folder for the program: $XDG_DATA_HOME/voran when that is
// an absolute path (a relative one is invalid and ignored), otherwise
// $HOME/.local/share/voran; empty when neither is known.
std::string User_data_folder(const std::optional<std::string>& xdg_data_home, const std::optional<std::string>& home);

// The folder of the control data file. Where the user's data folder is
// needed but unknown (no $HOME), the executable's folder remains, and a
// failed write there reports the system's reason.
std::string Data_folder(const Data_folder_facts& facts);

// Whether the effective user may create files in the folder.
bool Folder_writable(const std::string& folder);

// The facts of the running program: the folder of its executable
// (/proc/self/exe), the folder the install step puts it in (fixed when the
// program is configured), whether the effective user may write the former,
// and the environment ($HOME falls back to the user's entry in the password
// database).
Data_folder_facts This_process_facts();
