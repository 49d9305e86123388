#include "Disk_fault.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <vector>

namespace {

constexpr uid_t Nobody = 65534;

void Check_call(int result, const std::string& what)
{
    if (result != 0)
        throw std::runtime_error(what + ": " + std::strerror(errno));
}

// Writes a filler file until the file system has no block left.
void Fill(const std::string& folder)
{
    const std::string path = folder + "/filler";
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    Check_call(fd < 0 ? -1 : 0, "open " + path);
    const std::vector<char> block(4096, 'x');
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    // A last partial block, then smaller writes until not one byte fits.
    while (::write(fd, block.data(), 1) > 0) {
    }
    ::close(fd);
}

// The shim of Failing_write_shim.cpp, which fails writes into the folder
// that VORAN_FULL_DISK_FOLDER names.
bool Shim_preloaded()
{
    const char* preload = std::getenv("LD_PRELOAD");
    return preload != nullptr && std::strstr(preload, "voran_failing_write") != nullptr;
}

}  // namespace

std::string Fault_name(Fault_kind kind)
{
    switch (kind) {
    case Fault_kind::Write_protected_folder: return "Write_protected_folder";
    case Fault_kind::Full_disk: return "Full_disk";
    case Fault_kind::Directory_in_the_way: return "Directory_in_the_way";
    }
    return "unknown";
}

Disk_fault::Disk_fault(Fault_kind kind, const QString& folder, const QString& target_name)
    : kind_(kind), folder_(folder.toStdString()), target_(folder_ + "/" + target_name.toStdString())
{
    if (kind_ != Fault_kind::Full_disk || Shim_preloaded())
        return;
    if (::geteuid() != 0) {
        skip_reason_ = "a full disk needs root (tmpfs) or the preloaded failing-write shim; "
                       "voran_full_disk_without_root runs it with the shim";
        return;
    }
    if (::mount("tmpfs", folder_.c_str(), "tmpfs", 0, "size=64k,mode=0755") == 0) {
        mounted_ = true;
    } else if (errno == EPERM || errno == EACCES) {
        // Root without the right to mount, as in a container.
        skip_reason_ = std::string("a tmpfs cannot be mounted here (") + std::strerror(errno) +
                       "); voran_full_disk_without_root fills the disk with the failing-write shim";
    } else {
        Check_call(-1, "mount tmpfs");
    }
}

Disk_fault::~Disk_fault()
{
    try {
        Lift();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "the disk fault could not be lifted: %s\n", error.what());
    }
    if (mounted_)
        ::umount2(folder_.c_str(), MNT_DETACH);
}

void Disk_fault::Inject()
{
    switch (kind_) {
    case Fault_kind::Write_protected_folder:
        Check_call(::chmod(folder_.c_str(), 0555), "chmod " + folder_);
        if (::geteuid() == 0)
            Check_call(::seteuid(Nobody), "seteuid");
        break;
    case Fault_kind::Full_disk:
        if (mounted_)
            Fill(folder_);
        else
            Check_call(::setenv("VORAN_FULL_DISK_FOLDER", folder_.c_str(), 1), "setenv");
        break;
    case Fault_kind::Directory_in_the_way: {
        std::filesystem::create_directory(target_);
        const std::filesystem::path inner = std::filesystem::path(target_) / "kept.txt";
        const int fd = ::open(inner.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        Check_call(fd < 0 ? -1 : 0, "open " + inner.string());
        Check_call(::write(fd, "kept\n", 5) == 5 ? 0 : -1, "write " + inner.string());
        ::close(fd);
        break;
    }
    }
    injected_ = true;
}

void Disk_fault::Lift()
{
    if (!injected_)
        return;
    injected_ = false;
    switch (kind_) {
    case Fault_kind::Write_protected_folder:
        if (::getuid() == 0)
            Check_call(::seteuid(0), "seteuid");
        Check_call(::chmod(folder_.c_str(), 0755), "chmod " + folder_);
        break;
    case Fault_kind::Full_disk:
        if (mounted_)
            std::filesystem::remove(folder_ + "/filler");
        else
            Check_call(::unsetenv("VORAN_FULL_DISK_FOLDER"), "unsetenv");
        break;
    case Fault_kind::Directory_in_the_way:
        std::filesystem::remove_all(target_);
        break;
    }
}

std::string Disk_fault::Expected_message() const
{
    switch (kind_) {
    case Fault_kind::Write_protected_folder: return std::strerror(EACCES);
    case Fault_kind::Full_disk: return std::strerror(ENOSPC);
    case Fault_kind::Directory_in_the_way: return "";
    }
    return "";
}
