#include "Control_data_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <utility>

#include "Control_data.h"
#include "Program_strings.h"
#include "Save_file.h"

namespace {

// Creates the folder and those above it that are missing, each readable by
// the user only (the mode the XDG base directories ask for).
void Make_folder(const QString& folder)
{
    std::filesystem::path path;
    for (const std::filesystem::path& part : std::filesystem::path(QFile::encodeName(folder).toStdString())) {
        path /= part;
        if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST)
            throw EIn_out_error("Cannot create folder " + QDir::toNativeSeparators(folder).toStdString() + ": " +
                                std::strerror(errno));
    }
}

}  // namespace

Control_data_file::Control_data_file(QString directory) : directory_(std::move(directory)) {}

QString Control_data_file::Path() const
{
    return QDir::toNativeSeparators(QDir(directory_).filePath(QString::fromUtf8(Data_file_name.data(), static_cast<qsizetype>(Data_file_name.size()))));
}

void Control_data_file::Save(const std::array<std::string, 8>& entries) const
{
    const std::string text = Control_data_text(entries);
    // The user's data folder may not exist before the first write.
    Make_folder(directory_);
    Save_file(Path(), QByteArray(text.data(), static_cast<qsizetype>(text.size())));
}

std::optional<std::ifstream> Control_data_file::Open_for_reading() const
{
    // A link is followed; one that leads nowhere counts as no file.
    const QFileInfo info(Path());
    if (!info.exists())
        return std::nullopt;
    // Opening a pipe would wait for a writer, and a device may never end.
    if (!info.isFile())
        throw EIn_out_error("Cannot read file " + Path().toStdString() + ": not a regular file");
    std::ifstream in(QFile::encodeName(info.filePath()).toStdString(), std::ios::binary);
    if (!in)
        throw EIn_out_error("Cannot read file " + Path().toStdString() + ": " + std::strerror(errno));
    return in;
}

void Control_data_file::Remove() const
{
    QFile file(Path());
    if (file.exists() && !file.remove())
        throw EIn_out_error(File_error_text("Cannot delete file", file));
}
