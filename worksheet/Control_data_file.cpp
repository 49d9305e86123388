#include "Control_data_file.h"

#include <QDir>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <utility>

#include "Control_data.h"
#include "Program_strings.h"
#include "Qt_text.h"
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
    return QDir::toNativeSeparators(QDir(directory_).filePath(Qt_text(Data_file_name)));
}

void Control_data_file::Save(const std::array<std::string, 8>& entries) const
{
    const std::string text = Control_data_text(entries);
    // The user's data folder may not exist before the first write.
    Make_folder(directory_);
    Save_file(QFile::encodeName(Path()).toStdString(), text, Save_target::Programs_own_file);
}

std::optional<std::string> Control_data_file::Read() const
{
    const std::string path = QFile::encodeName(Path()).toStdString();
    const auto fail = [&](const std::string& reason) {
        throw EIn_out_error("Cannot read file " + Path().toStdString() + ": " + reason);
    };
    // The name itself is opened: a link there is not followed (ELOOP). A
    // pipe opens without waiting for a writer and is refused below. A folder
    // that is missing, or a file where a folder should be, means no file.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR || errno == ELOOP)
            return std::nullopt;
        fail(std::strerror(errno));
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        fail(std::strerror(errno));
    // A device may never end.
    if (!S_ISREG(status.st_mode))
        fail("not a regular file");
    return Read_control_data([&](char* buffer, std::size_t size) -> std::size_t {
        ssize_t count = 0;
        do
            count = ::read(fd, buffer, size);
        while (count < 0 && errno == EINTR);
        if (count < 0)
            fail(std::strerror(errno));
        return static_cast<std::size_t>(count);
    });
}

void Control_data_file::Remove() const
{
    QFile file(Path());
    if (file.exists() && !file.remove())
        throw EIn_out_error("Cannot delete file " + Path().toStdString() + ": " + file.errorString().toStdString());
}
