#include "Save_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <random>
#include <string_view>
#include <utility>

#include "In_out_error.h"

namespace {

// A temporary file is named after the file it replaces, hidden, with this
// program's marker and six random letters or digits: ".VORAN.txt.voran-tmp-"
// and "aB3xY9" for "VORAN.txt". No person names a file so, which lets the
// removal of leftovers tell them from the user's own files beside it
// ("VORAN.txt.backup", "VORAN.txt.orig01"), which it never touches.
constexpr std::string_view Temporary_marker = ".voran-tmp-";
constexpr std::size_t Random_length = 6;
constexpr std::string_view Random_characters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

// More links in a row than this is a loop, as the kernel counts them (ELOOP).
constexpr int Maximum_links = 40;

class Write_failure {
public:
    explicit Write_failure(std::string path) : path_(std::move(path)) {}
    [[noreturn]] void Raise(const std::string& reason) const
    {
        throw EIn_out_error("Cannot write file " + path_ + ": " + reason);
    }
    [[noreturn]] void Raise_errno(int error) const { Raise(std::strerror(error)); }

private:
    std::string path_;
};

// The status of the name itself (a link is not followed); nothing when no
// entry has the name.
std::optional<struct stat> Entry_status(const std::string& name, const Write_failure& failure)
{
    struct stat status {};
    if (::lstat(name.c_str(), &status) == 0)
        return status;
    if (errno != ENOENT)
        failure.Raise_errno(errno);
    return std::nullopt;
}

// The folder that holds name ("." for a name without one).
std::filesystem::path Folder_of(const std::filesystem::path& name)
{
    return name.parent_path().empty() ? "." : name.parent_path();
}

// Refuses to follow the link `name` (whose own status is `link`) where the
// kernel would refuse to (its protection of links in sticky folders): in a
// folder that is sticky and writable by anyone, such as /tmp, a link is
// followed only when it belongs to this user or to the folder's owner.
// Anyone may put a link there, and a save through another user's link would
// write wherever that user chose. The refusal is the kernel's, EACCES.
void Check_link_may_be_followed(const std::filesystem::path& name, const struct stat& link,
                                const Write_failure& failure)
{
    if (link.st_uid == ::geteuid())
        return;
    struct stat folder {};
    if (::stat(Folder_of(name).c_str(), &folder) != 0)
        failure.Raise_errno(errno);
    constexpr mode_t Shared_sticky = S_ISVTX | S_IWOTH;
    if ((folder.st_mode & Shared_sticky) == Shared_sticky && link.st_uid != folder.st_uid)
        failure.Raise_errno(EACCES);
}

// The name a user's save replaces: the end of the chain of links that starts
// at path (a link that leads nowhere gives the name it leads to, which the
// save then creates). Each link is followed only where the kernel would
// follow it.
std::string Final_name(const std::string& path, const Write_failure& failure)
{
    std::filesystem::path name = path;
    for (int links = 0;; ++links) {
        const std::optional<struct stat> status = Entry_status(name, failure);
        if (!status || !S_ISLNK(status->st_mode))
            return name;
        if (links == Maximum_links)
            failure.Raise_errno(ELOOP);
        Check_link_may_be_followed(name, *status, failure);
        std::error_code error;
        const std::filesystem::path target = std::filesystem::read_symlink(name, error);
        if (error)
            failure.Raise(error.message());
        name = name.parent_path() / target;
    }
}

// The temporary files of file_name start so, and end in the random part.
std::string Temporary_prefix(const std::string& file_name)
{
    return '.' + file_name + std::string(Temporary_marker);
}

bool Is_temporary_name_of(std::string_view entry, const std::string& file_name)
{
    const std::string prefix = Temporary_prefix(file_name);
    return entry.size() == prefix.size() + Random_length && entry.starts_with(prefix) &&
           entry.substr(prefix.size()).find_first_not_of(Random_characters) == std::string_view::npos;
}

bool Earlier(const timespec& a, const timespec& b)
{
    return a.tv_sec < b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec < b.tv_nsec);
}

// Removes the temporary files that earlier saves of final_name left behind
// when they were killed between the temporary file's creation and the rename.
// A candidate is removed only when all of these hold, so that no other file
// is ever touched:
//   - its name is a temporary name of final_name (see Temporary_marker),
//     which no user's file has;
//   - it is a regular file itself (a link is never followed), of this user,
//     with no other name (no hard link elsewhere loses its contents);
//   - it was last written strictly before this save's own temporary file
//     (`than`), so a save that started after this one is never disturbed;
//   - no running save holds it, and none may still come to hold it.
// The last rule rests on the order of a save's steps: it creates its
// temporary file empty, then locks it (flock, exclusive), and only then
// writes; the lock ends when the save has renamed the file, or with its
// process. Between the creation and the lock the file is seen unlocked, so
// an unlocked file says nothing by itself; but an unlocked file that holds
// data was locked once and has lost its lock, so its save has ended. This
// removal therefore takes the lock first and then removes the file only if
// it is not empty. While it holds the lock, a save that has just created the
// file waits in its own flock and has written nothing, so the file is seen
// empty and kept. (A save killed before its first byte leaves an empty file
// that stays; it costs a directory entry, never data.) A file made without
// a name (O_TMPFILE) and linked once locked would avoid the unlocked moment,
// but not every file system makes one, and this order holds on any that
// has flock.
// Housekeeping only: what cannot be examined or removed stays, silently.
void Remove_leftovers(const std::filesystem::path& final_name, const std::string& own, const timespec& than)
{
    DIR* listing = ::opendir(Folder_of(final_name).c_str());
    if (listing == nullptr)
        return;
    const int folder_fd = ::dirfd(listing);
    const std::string file_name = final_name.filename();
    while (const dirent* entry = ::readdir(listing)) {
        const std::string_view name = entry->d_name;
        if (!Is_temporary_name_of(name, file_name) || name == own)
            continue;
        const int fd = ::openat(folder_fd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat status {};
        struct stat named {};
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
            status.st_uid == ::geteuid() && status.st_nlink == 1 && status.st_size > 0 &&
            Earlier(status.st_mtim, than) && ::fstatat(folder_fd, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
            named.st_dev == status.st_dev && named.st_ino == status.st_ino)
            ::unlinkat(folder_fd, entry->d_name, 0);
        ::close(fd);
    }
    ::closedir(listing);
}

// A new temporary file beside final_name, created exclusively (never through
// a link) with the mode new files get; its name is returned in `name`.
int Create_temporary(const std::filesystem::path& final_name, std::string& name, const Write_failure& failure)
{
    const std::string prefix = (final_name.parent_path() / Temporary_prefix(final_name.filename())).string();
    std::random_device random;
    std::uniform_int_distribution<std::size_t> pick(0, Random_characters.size() - 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = prefix;
        for (std::size_t i = 0; i < Random_length; ++i)
            name += Random_characters[pick(random)];
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0)
            return fd;
        if (errno != EEXIST)
            failure.Raise_errno(errno);
    }
    failure.Raise_errno(EEXIST);
}

bool Write_all(int fd, std::string_view contents)
{
    const char* next = contents.data();
    std::size_t left = contents.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, next, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        next += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace

void Save_file(const std::string& path, std::string_view contents, Save_target target)
{
    const Write_failure failure(path);
    const std::string final_name = target == Save_target::Users_name ? Final_name(path, failure) : path;

    // A device, FIFO, socket or folder is never replaced by a regular file;
    // a link at the program's own name is replaced like a file.
    const std::optional<struct stat> existing = Entry_status(final_name, failure);
    if (existing && !S_ISREG(existing->st_mode) && !S_ISLNK(existing->st_mode))
        failure.Raise("not a regular file");
    // A file that its permissions protect from writing is not replaced
    // either, though the folder would allow the rename.
    if (existing && S_ISREG(existing->st_mode) && ::access(final_name.c_str(), W_OK) != 0)
        failure.Raise_errno(errno);

    std::string temporary;
    const int fd = Create_temporary(final_name, temporary, failure);
    // The lock tells other saves that this temporary file is in use; it ends
    // with the descriptor, or with the process. It is taken before the first
    // byte is written, which is what lets Remove_leftovers tell a fresh file
    // from a dead save's. Where the file system has no such locks, no save
    // there can take one, so none removes this file either.
    while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
    }
    const auto fail = [&](int error) {
        ::close(fd);
        ::unlink(temporary.c_str());
        failure.Raise_errno(error);
    };
    struct stat created {};
    if (::fstat(fd, &created) != 0)
        fail(errno);
    // A replaced regular file keeps its permissions.
    if (existing && S_ISREG(existing->st_mode) && ::fchmod(fd, existing->st_mode & 07777) != 0)
        fail(errno);
    // The data reach the disk before the rename publishes them, so that a
    // crash cannot leave an empty file under the name.
    if (!Write_all(fd, contents) || ::fsync(fd) != 0)
        fail(errno);
    if (target == Save_target::Programs_own_file)
        Remove_leftovers(final_name, std::filesystem::path(temporary).filename(), created.st_mtim);
    if (::rename(temporary.c_str(), final_name.c_str()) != 0)
        fail(errno);
    // The data were synced before the rename; closing only ends the lock.
    ::close(fd);
}
