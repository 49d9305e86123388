// The control data file on disk: "VORAN.txt" in the folder that the
// worksheet's creator names (decided once at start-up, see app/Data_folder.h). The format and the number reader are those of
// Control_data.h; this part opens, replaces and deletes the file.
#pragma once

#include <QString>

#include <array>
#include <optional>
#include <fstream>
#include <string>

class Control_data_file {
public:
    explicit Control_data_file(QString directory);

    // The file's path, worked out afresh from Data_file_name on every call.
    QString Path() const;

    // Replaces the file with the eight entries (blanks removed), creating the
    // folder first where it is missing. The new text
    // goes to a temporary file that replaces the old one only when complete,
    // so a failed write leaves the previous file as it was. Raises
    // EIn_out_error with the system's message on failure.
    void Save(const std::array<std::string, 8>& entries) const;

    // The file opened for Read_control_number, or nothing when there is no
    // file. The stream reads lazily, so a huge file costs only what the
    // restored numbers need. Anything but a regular file (a pipe, a device,
    // a folder), or a file that cannot be opened, raises EIn_out_error.
    std::optional<std::ifstream> Open_for_reading() const;

    // Deletes the file; an absent file is no error, one that stays raises
    // EIn_out_error.
    void Remove() const;

private:
    QString directory_;
};
