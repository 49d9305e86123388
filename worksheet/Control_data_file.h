// The control data file on disk: "VORAN.txt" in the folder that the
// worksheet's creator names (decided once at start-up, see app/Data_folder.h). The format and the number reader are those of
// Control_data.h; this part opens, replaces and deletes the file.
#pragma once

#include <QString>

#include <array>
#include <optional>
#include <string>

class Control_data_file {
public:
    explicit Control_data_file(QString directory);

    // The file's path, worked out afresh from Data_file_name on every call.
    QString Path() const;

    // Replaces the file with the eight entries (blanks removed), creating the
    // folder first where it is missing. The new text
    // goes to a temporary file that replaces the old one only when complete,
    // so a failed write leaves the previous file as it was. A symbolic link
    // at the name is replaced, never written through. Raises EIn_out_error
    // with the system's message on failure.
    void Save(const std::array<std::string, 8>& entries) const;

    // The file's contents for Read_control_number, or nothing when there is
    // no file or a symbolic link stands at the name (this program never
    // writes one, so it holds no control data). At most a few KiB are read;
    // a larger file, anything but a regular file (a pipe, a device, a
    // folder), or a file that cannot be read raises EIn_out_error.
    std::optional<std::string> Read() const;

    // Deletes the file; an absent file is no error, one that stays raises
    // EIn_out_error.
    void Remove() const;

private:
    QString directory_;
};
