// A full disk without root: preloaded (LD_PRELOAD), this library makes
// write() fail with ENOSPC, "No space left on device", for every file that
// lies in the folder named by the environment variable VORAN_FULL_DISK_FOLDER
// while it is set; other writes go to the C library's write().
#include <dlfcn.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using Write_function = ssize_t (*)(int, const void*, size_t);

// True when descriptor fd is open on a file directly or indirectly inside
// folder (its path, as /proc/self/fd shows it, starts with folder + "/").
bool In_folder(int fd, const char* folder)
{
    char path[4096];
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t length = ::readlink(link.c_str(), path, sizeof path - 1);
    if (length <= 0)
        return false;
    const std::size_t prefix = std::strlen(folder);
    return static_cast<std::size_t>(length) > prefix && std::strncmp(path, folder, prefix) == 0 &&
           path[prefix] == '/';
}

}  // namespace

extern "C" ssize_t write(int fd, const void* buffer, size_t count)
{
    static const auto real_write = reinterpret_cast<Write_function>(::dlsym(RTLD_NEXT, "write"));
    const char* folder = std::getenv("VORAN_FULL_DISK_FOLDER");
    if (folder != nullptr && *folder != '\0' && In_folder(fd, folder)) {
        errno = ENOSPC;
        return -1;
    }
    return real_write(fd, buffer, count);
}
