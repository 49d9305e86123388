// The pictures of voran-report built without Qt: SVG only, written as the
// program's safe writer writes (a temporary file beside the target that
// replaces it only after a complete, flushed write), with POSIX calls.
#include "Plot_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "In_out_error.h"
#include "Plot_image_file.h"
#include "Plot_svg.h"

namespace {

[[noreturn]] void Fail(const std::string& path, const std::string& reason)
{
    throw EIn_out_error("Cannot write file " + path + ": " + reason);
}

// The file that a write to path replaces: a link's target, so that a link
// the user chose keeps pointing at the new contents, as with Qt's writer.
std::string Target_of(const std::string& path)
{
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : path;
}

// Replaces (or creates) the file at path with bytes.
void Save_picture_file(const std::string& path, std::string_view bytes)
{
    const std::string target = Target_of(path);
    // New files get the permissions the user's umask allows; a replaced file
    // keeps its own.
    const mode_t mask = umask(0);
    umask(mask);
    mode_t mode = 0666 & ~mask;
    struct stat existing {};
    if (stat(target.c_str(), &existing) == 0) {
        if (!S_ISREG(existing.st_mode))
            Fail(path, "not a regular file");
        mode = existing.st_mode & 07777;
    }

    std::vector<char> temporary(target.begin(), target.end());
    for (const char c : std::string_view(".XXXXXX"))
        temporary.push_back(c);
    temporary.push_back('\0');
    const int descriptor = mkstemp(temporary.data());
    if (descriptor < 0)
        Fail(path, std::strerror(errno));
    const auto fail_and_remove = [&](int error) {
        close(descriptor);
        unlink(temporary.data());
        Fail(path, std::strerror(error));
    };
    for (std::size_t written = 0; written < bytes.size();) {
        const ssize_t count = write(descriptor, bytes.data() + written, bytes.size() - written);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            fail_and_remove(count < 0 ? errno : EIO);
        written += static_cast<std::size_t>(count);
    }
    if (fchmod(descriptor, mode) != 0 || fsync(descriptor) != 0)
        fail_and_remove(errno);
    if (close(descriptor) != 0) {
        const int error = errno;
        unlink(temporary.data());
        Fail(path, std::strerror(error));
    }
    if (rename(temporary.data(), target.c_str()) != 0) {
        const int error = errno;
        unlink(temporary.data());
        Fail(path, std::strerror(error));
    }
}

}  // namespace

void Write_plot(const std::string& path, const Comparison_request& request, const Comparison_result& result,
                char decimal_separator)
{
    if (Required_image_format(path) != Image_format::Svg)
        throw std::runtime_error("this voran-report was built without Qt and writes SVG pictures only: " + path);
    Save_picture_file(path, Plot_svg(Program_plot_subject(request, result, decimal_separator), Image_width,
                                     Image_height));
}
