// Writing a whole file so that a failure never costs the previous version:
// the contents go to a temporary file beside the target, which replaces the
// target only after a complete, flushed write.
#pragma once

#include <string>
#include <string_view>

// Whose name a save writes, which decides what a symbolic link there means.
enum class Save_target {
    // A name the user chose: a link there is followed and the regular file
    // it leads to (or will create) is replaced, so the user's link stays.
    // As the kernel does, a link in a sticky folder that anyone may write
    // is followed only when it is the user's or the folder owner's; another
    // user's link there is refused.
    Users_name,
    // The program's own file: the new file replaces the name itself, a link
    // standing there included, whose target is never touched; leftovers of
    // earlier saves of this name that were killed before their rename are
    // removed (see Save_file.cpp).
    Programs_own_file,
};

// Replaces (or creates) the file at path (a name in the file system's own
// encoding, as given to open(2)) with contents. A name that exists
// and is neither a regular file nor (for a user's name) a link to one, such
// as a folder, a device, a FIFO or a socket, is refused and left as it is.
// Raises EIn_out_error with the path and the system's message when any step
// fails; the previous file then stays as it was and no temporary file is left.
void Save_file(const std::string& path, std::string_view contents, Save_target target = Save_target::Users_name);
