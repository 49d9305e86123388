// The safe writer of whole files against what may stand at the name: links
// (followed for a name the user chose, replaced for the program's own file),
// folders, FIFOs, sockets and devices (refused, left as they were), and the
// leftovers of earlier saves that were killed before their rename, told from
// the user's files and from the fresh files of saves still running.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>

#include "In_out_error.h"
#include "Save_file.h"

namespace {

namespace fs = std::filesystem;

// Holding a save between two of its steps: this program's flock() stands in
// for the C library's (the safe writer is linked in statically), and calls
// Between_steps, when one is set, once before the next lock is taken.
std::function<void()> Between_steps;

constexpr const char* New_contents = "new contents\r\n";
constexpr const char* Old_contents = "old contents";

std::string Contents(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void Write(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

void Save(const fs::path& path, Save_target target)
{
    Save_file(path.string(), New_contents, target);
}

// The file type of the name itself, a link not followed.
fs::file_type Type(const fs::path& path)
{
    return fs::symlink_status(path).type();
}

// A socket bound at path; -1 when the system cannot make one there.
int Bind_socket(const fs::path& path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.native().size() >= sizeof address.sun_path)
        return -1;
    std::strcpy(address.sun_path, path.c_str());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd >= 0 && ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// A new folder under the system's temporary folder, removed with all it holds
// at the end.
class Temporary_folder {
public:
    Temporary_folder()
    {
        std::string pattern = (fs::temp_directory_path() / "voran-save-file.XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("Cannot create a folder like " + pattern + ": " + std::strerror(errno));
        path_ = pattern;
    }
    ~Temporary_folder()
    {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    Temporary_folder(const Temporary_folder&) = delete;
    Temporary_folder& operator=(const Temporary_folder&) = delete;

    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

class Save_file_test : public testing::Test {
protected:
    fs::path Path(const char* name) const { return folder_.Path() / name; }

    Temporary_folder folder_;
};

// What stands at the name "out.txt" before the save, and what the save must
// leave: `Check` is called with the name and the file "elsewhere.txt" (which
// holds the old contents); a refused save must raise "not a regular file".
struct Special_row {
    const char* Name;
    Save_target Target;
    std::function<void(const fs::path& name, const fs::path& elsewhere)> Make;
    bool Refused;
    std::function<void(const fs::path& name, const fs::path& elsewhere)> Check;
};

const Special_row Special_rows[] = {
    {"Nothing_there", Save_target::Users_name, [](const fs::path&, const fs::path&) {}, false,
     [](const fs::path& name, const fs::path&) { EXPECT_EQ(Contents(name), New_contents); }},
    {"Regular_file_replaced_keeping_its_mode", Save_target::Users_name,
     [](const fs::path& name, const fs::path&) {
         Write(name, Old_contents);
         fs::permissions(name, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
     },
     false,
     [](const fs::path& name, const fs::path&) {
         EXPECT_EQ(Contents(name), New_contents);
         EXPECT_EQ(fs::status(name).permissions(),
                   fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
     }},
    {"Users_link_to_a_file_writes_the_file_and_keeps_the_link", Save_target::Users_name,
     [](const fs::path& name, const fs::path& elsewhere) { fs::create_symlink(elsewhere, name); }, false,
     [](const fs::path& name, const fs::path& elsewhere) {
         EXPECT_EQ(Type(name), fs::file_type::symlink);
         EXPECT_EQ(Contents(elsewhere), New_contents);
     }},
    {"Users_relative_link_is_followed_from_its_folder", Save_target::Users_name,
     [](const fs::path& name, const fs::path& elsewhere) { fs::create_symlink(elsewhere.filename(), name); },
     false,
     [](const fs::path& name, const fs::path& elsewhere) {
         EXPECT_EQ(Type(name), fs::file_type::symlink);
         EXPECT_EQ(Contents(elsewhere), New_contents);
     }},
    {"Users_dangling_link_creates_the_file_it_leads_to", Save_target::Users_name,
     [](const fs::path& name, const fs::path& elsewhere) {
         fs::create_symlink(elsewhere.parent_path() / "missing.txt", name);
     },
     false,
     [](const fs::path& name, const fs::path& elsewhere) {
         EXPECT_EQ(Type(name), fs::file_type::symlink);
         EXPECT_EQ(Contents(elsewhere.parent_path() / "missing.txt"), New_contents);
     }},
    {"Own_link_to_a_file_is_replaced_and_the_file_kept", Save_target::Programs_own_file,
     [](const fs::path& name, const fs::path& elsewhere) { fs::create_symlink(elsewhere, name); }, false,
     [](const fs::path& name, const fs::path& elsewhere) {
         EXPECT_EQ(Type(name), fs::file_type::regular);
         EXPECT_EQ(Contents(name), New_contents);
         EXPECT_EQ(Contents(elsewhere), Old_contents);
     }},
    {"Own_dangling_link_is_replaced_and_nothing_made_where_it_led", Save_target::Programs_own_file,
     [](const fs::path& name, const fs::path& elsewhere) {
         fs::create_symlink(elsewhere.parent_path() / "missing.txt", name);
     },
     false,
     [](const fs::path& name, const fs::path& elsewhere) {
         EXPECT_EQ(Type(name), fs::file_type::regular);
         EXPECT_EQ(Contents(name), New_contents);
         EXPECT_FALSE(fs::exists(elsewhere.parent_path() / "missing.txt"));
     }},
    {"Own_link_to_a_fifo_is_replaced_and_the_fifo_kept", Save_target::Programs_own_file,
     [](const fs::path& name, const fs::path& elsewhere) {
         ASSERT_EQ(::mkfifo((elsewhere.parent_path() / "fifo").c_str(), 0600), 0);
         fs::create_symlink(elsewhere.parent_path() / "fifo", name);
     },
     false,
     [](const fs::path& name, const fs::path& elsewhere) {
         EXPECT_EQ(Contents(name), New_contents);
         EXPECT_EQ(Type(elsewhere.parent_path() / "fifo"), fs::file_type::fifo);
     }},
    {"Users_fifo_refused", Save_target::Users_name,
     [](const fs::path& name, const fs::path&) { ASSERT_EQ(::mkfifo(name.c_str(), 0600), 0); }, true,
     [](const fs::path& name, const fs::path&) { EXPECT_EQ(Type(name), fs::file_type::fifo); }},
    {"Own_fifo_refused", Save_target::Programs_own_file,
     [](const fs::path& name, const fs::path&) { ASSERT_EQ(::mkfifo(name.c_str(), 0600), 0); }, true,
     [](const fs::path& name, const fs::path&) { EXPECT_EQ(Type(name), fs::file_type::fifo); }},
    {"Users_link_to_a_fifo_refused", Save_target::Users_name,
     [](const fs::path& name, const fs::path& elsewhere) {
         ASSERT_EQ(::mkfifo((elsewhere.parent_path() / "fifo").c_str(), 0600), 0);
         fs::create_symlink(elsewhere.parent_path() / "fifo", name);
     },
     true,
     [](const fs::path& name, const fs::path& elsewhere) {
         EXPECT_EQ(Type(name), fs::file_type::symlink);
         EXPECT_EQ(Type(elsewhere.parent_path() / "fifo"), fs::file_type::fifo);
     }},
    {"Folder_refused", Save_target::Users_name,
     [](const fs::path& name, const fs::path&) {
         fs::create_directory(name);
         Write(name / "kept.txt", Old_contents);
     },
     true, [](const fs::path& name, const fs::path&) { EXPECT_EQ(Contents(name / "kept.txt"), Old_contents); }},
};

TEST_F(Save_file_test, WhatStandsAtTheNameDecidesWhatIsWritten)
{
    for (const Special_row& row : Special_rows) {
        SCOPED_TRACE(row.Name);
        const Temporary_folder folder;
        const fs::path name = folder.Path() / "out.txt";
        const fs::path elsewhere = folder.Path() / "elsewhere.txt";
        Write(elsewhere, Old_contents);
        row.Make(name, elsewhere);
        if (row.Refused) {
            try {
                Save(name, row.Target);
                ADD_FAILURE() << "written";
            } catch (const EIn_out_error& error) {
                EXPECT_EQ(std::string(error.what()), "Cannot write file " + name.string() + ": not a regular file");
            }
            EXPECT_EQ(Contents(elsewhere), Old_contents);
        } else {
            Save(name, row.Target);
        }
        row.Check(name, elsewhere);
        // Nothing but what the row made (and, when written, the file) is left.
        for (const fs::directory_entry& entry : fs::directory_iterator(folder.Path()))
            EXPECT_EQ(entry.path().filename().string().find("out.txt."), std::string::npos) << entry.path();
    }
}

TEST_F(Save_file_test, SocketIsRefused)
{
    const fs::path name = Path("out.sock");
    const int socket = Bind_socket(name);
    if (socket < 0)
        GTEST_SKIP() << "cannot bind a socket at " << name << ": " << std::strerror(errno);
    EXPECT_THROW(Save(name, Save_target::Users_name), EIn_out_error);
    EXPECT_THROW(Save(name, Save_target::Programs_own_file), EIn_out_error);
    EXPECT_EQ(Type(name), fs::file_type::socket);
    ::close(socket);
}

// A file that its permissions protect from writing is kept, though its folder
// would allow the rename. Root may write any file, so only another user sees
// the refusal.
TEST_F(Save_file_test, WriteProtectedFileIsRefusedAndKept)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write any file";
    const fs::path name = Path("results.txt");
    Write(name, Old_contents);
    fs::permissions(name, fs::perms::owner_read);
    for (const Save_target target : {Save_target::Users_name, Save_target::Programs_own_file}) {
        try {
            Save(name, target);
            ADD_FAILURE() << "written";
        } catch (const EIn_out_error& error) {
            EXPECT_EQ(std::string(error.what()), "Cannot write file " + name.string() + ": " + std::strerror(EACCES));
        }
        EXPECT_EQ(Contents(name), Old_contents);
    }
}

// A device at the name, directly or through the user's link. Run as root, a
// writer that followed the link would replace the machine's /dev/null, so
// root gets a node of its own with the null device's numbers in the test's
// folder; anyone else uses /dev/null itself, where only a refusal before any
// write gives "not a regular file" (a write would fail as "Permission denied").
TEST_F(Save_file_test, DeviceIsRefusedDirectlyAndThroughALink)
{
    fs::path device = "/dev/null";
    if (::geteuid() == 0) {
        device = Path("null");
        if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
            GTEST_SKIP() << "cannot make a device node here: " << std::strerror(errno);
    } else if (::access("/dev", W_OK) == 0) {
        GTEST_SKIP() << "/dev is writable by this user, who is not root";
    }
    const fs::path link = Path("out.png");
    fs::create_symlink(device, link);
    for (const auto& [name, target] : {std::pair{device, Save_target::Users_name}, std::pair{link, Save_target::Users_name},
                                       std::pair{device, Save_target::Programs_own_file}}) {
        try {
            Save(name, target);
            ADD_FAILURE() << name << " written";
        } catch (const EIn_out_error& error) {
            EXPECT_EQ(std::string(error.what()), "Cannot write file " + name.string() + ": not a regular file");
        }
    }
    EXPECT_EQ(Type(device), fs::file_type::character);
    EXPECT_EQ(Type(link), fs::file_type::symlink);
}

// Whose link a save follows in a folder that anyone may write. Each row makes
// the folder "shared" with its mode and owner, and in it "plot.svg", a link
// to a file outside owned by its owner; `Me` stands for the user who saves.
constexpr uid_t Me = static_cast<uid_t>(-1);
constexpr uid_t Other = 65534;
constexpr uid_t Third = 65533;

struct Link_owner_row {
    const char* Name;
    mode_t Folder_mode;
    uid_t Folder_owner;
    uid_t Link_owner;
    bool Followed;
};

const Link_owner_row Link_owner_rows[] = {
    {"Other_users_link_in_my_sticky_folder", 01777, Me, Other, false},
    {"Third_users_link_in_another_users_sticky_folder", 01777, Other, Third, false},
    {"Folder_owners_link_in_a_sticky_folder", 01777, Other, Other, true},
    {"My_link_in_another_users_sticky_folder", 01777, Other, Me, true},
    {"Other_users_link_in_a_sticky_folder_not_everyones", 01775, Me, Other, true},
    {"Other_users_link_in_a_folder_everyone_writes_not_sticky", 0777, Me, Other, true},
};

TEST_F(Save_file_test, OtherUsersLinkInAStickyFolderIsNotFollowed)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving a link to another user needs root";
    const auto owner = [](uid_t uid) { return uid == Me ? ::geteuid() : uid; };
    for (const Link_owner_row& row : Link_owner_rows) {
        SCOPED_TRACE(row.Name);
        const Temporary_folder folder;
        const fs::path shared = folder.Path() / "shared";
        const fs::path elsewhere = folder.Path() / "elsewhere.txt";
        const fs::path link = shared / "plot.svg";
        Write(elsewhere, Old_contents);
        fs::create_directory(shared);
        fs::create_symlink(elsewhere, link);
        if (::lchown(link.c_str(), owner(row.Link_owner), owner(row.Link_owner)) != 0 ||
            ::chown(shared.c_str(), owner(row.Folder_owner), owner(row.Folder_owner)) != 0)
            GTEST_SKIP() << "cannot give files to user " << Other << " here: " << std::strerror(errno);
        ASSERT_EQ(::chmod(shared.c_str(), row.Folder_mode), 0);
        if (row.Followed) {
            Save(link, Save_target::Users_name);
            EXPECT_EQ(Contents(elsewhere), New_contents);
        } else {
            try {
                Save(link, Save_target::Users_name);
                ADD_FAILURE() << "written";
            } catch (const EIn_out_error& error) {
                EXPECT_EQ(std::string(error.what()), "Cannot write file " + link.string() + ": " + std::strerror(EACCES));
            }
            EXPECT_EQ(Contents(elsewhere), Old_contents);
        }
        EXPECT_EQ(Type(link), fs::file_type::symlink);
    }
}

// Leftovers beside "VORAN.txt": each row makes one entry; a save of the
// program's own file must remove it or keep it as the row says.
struct Leftover_row {
    const char* Name;
    const char* Entry;
    std::function<void(const fs::path& entry, const fs::path& elsewhere)> Make;
    bool Removed;
};

// A time an hour before or after now, for a leftover's modification time.
void Set_modified(const fs::path& path, int hours_from_now)
{
    const timespec times[2] = {{0, UTIME_OMIT}, {std::time(nullptr) + hours_from_now * 3600L, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << std::strerror(errno);
}

void Old_file(const fs::path& entry, const fs::path&)
{
    Write(entry, "15 20 ");
    Set_modified(entry, -1);
}

const Leftover_row Leftover_rows[] = {
    {"Left_by_an_earlier_save", ".VORAN.txt.voran-tmp-aB3xY9", Old_file, true},
    {"Only_digits", ".VORAN.txt.voran-tmp-012345", Old_file, true},
    {"Newer_than_this_save", ".VORAN.txt.voran-tmp-aB3xY9",
     [](const fs::path& entry, const fs::path&) {
         Write(entry, "15 20 ");
         Set_modified(entry, +1);
     },
     false},
    {"Five_characters", ".VORAN.txt.voran-tmp-aB3xY", Old_file, false},
    {"Seven_characters", ".VORAN.txt.voran-tmp-aB3xY9z", Old_file, false},
    {"Not_a_letter_or_digit", ".VORAN.txt.voran-tmp-aB3-Y9", Old_file, false},
    {"Another_files_pattern", ".results.txt.voran-tmp-aB3xY9", Old_file, false},
    {"Name_only_beginning_alike", ".VORAN.txt2.voran-tmp-aB3xY9", Old_file, false},
    {"Not_hidden", "VORAN.txt.voran-tmp-aB3xY9", Old_file, false},
    // Names a user may give a copy, six letters or digits after the name
    // included: never the program's.
    {"Users_backup", "VORAN.txt.backup", Old_file, false},
    {"Users_orig01", "VORAN.txt.orig01", Old_file, false},
    {"Users_2024v1", "VORAN.txt.2024v1", Old_file, false},
    {"Link_with_the_pattern", ".VORAN.txt.voran-tmp-aB3xY9",
     [](const fs::path& entry, const fs::path& elsewhere) {
         fs::create_symlink(elsewhere, entry);
         Set_modified(entry, -1);
     },
     false},
    {"File_with_a_second_name", ".VORAN.txt.voran-tmp-aB3xY9",
     [](const fs::path& entry, const fs::path& elsewhere) {
         fs::create_hard_link(elsewhere, entry);
         Set_modified(entry, -1);
     },
     false},
    {"Folder_with_the_pattern", ".VORAN.txt.voran-tmp-aB3xY9",
     [](const fs::path& entry, const fs::path&) {
         fs::create_directory(entry);
         Set_modified(entry, -1);
     },
     false},
};

TEST_F(Save_file_test, OwnFilesSaveRemovesOnlyItsOwnStaleLeftovers)
{
    for (const Leftover_row& row : Leftover_rows) {
        SCOPED_TRACE(row.Name);
        const Temporary_folder folder;
        const fs::path& base = folder.Path();
        const fs::path elsewhere = base / "elsewhere.txt";
        Write(elsewhere, Old_contents);
        row.Make(base / row.Entry, elsewhere);
        const std::string kept = Contents(base / row.Entry);
        // What one save keeps, every later save keeps too.
        for (int save = 0; save < 3; ++save)
            Save(base / "VORAN.txt", Save_target::Programs_own_file);
        EXPECT_EQ(Contents(base / "VORAN.txt"), New_contents);
        EXPECT_EQ(fs::exists(fs::symlink_status(base / row.Entry)), !row.Removed);
        if (!row.Removed) {
            EXPECT_EQ(Contents(base / row.Entry), kept);
        }
        EXPECT_EQ(Contents(elsewhere), Old_contents);
    }
}

TEST_F(Save_file_test, LeftoverHeldByARunningSaveIsKept)
{
    const fs::path entry = Path(".VORAN.txt.voran-tmp-aB3xY9");
    Old_file(entry, {});
    const int fd = ::open(entry.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    Save(Path("VORAN.txt"), Save_target::Programs_own_file);
    EXPECT_TRUE(fs::exists(entry));
    ::close(fd);
    Save(Path("VORAN.txt"), Save_target::Programs_own_file);
    EXPECT_FALSE(fs::exists(entry));
}

// Two saves of the program's own file, the first held between the creation
// of its temporary file and its lock, for an hour (a save may block that
// long): the second save's removal of leftovers runs meanwhile, and the first
// must still replace the file.
TEST_F(Save_file_test, FreshTemporaryFileOfARunningSaveIsKept)
{
    const fs::path name = Path("VORAN.txt");
    bool held = false;
    Between_steps = [&] {
        held = true;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder_.Path()))
            Set_modified(entry.path(), -1);
        Save_file(name.string(), Old_contents, Save_target::Programs_own_file);
    };
    Save(name, Save_target::Programs_own_file);
    EXPECT_TRUE(held);
    EXPECT_EQ(Contents(name), New_contents);
    for (const fs::directory_entry& entry : fs::directory_iterator(folder_.Path()))
        EXPECT_EQ(entry.path(), name);
}

TEST_F(Save_file_test, UsersSaveRemovesNoLeftovers)
{
    const fs::path entry = Path(".results.txt.voran-tmp-aB3xY9");
    Old_file(entry, {});
    Save(Path("results.txt"), Save_target::Users_name);
    EXPECT_TRUE(fs::exists(entry));
}

}  // namespace

extern "C" int flock(int fd, int operation) noexcept
{
    static const auto library_flock = reinterpret_cast<int (*)(int, int)>(::dlsym(RTLD_NEXT, "flock"));
    if (Between_steps) {
        try {
            std::exchange(Between_steps, nullptr)();
        } catch (const std::exception& error) {
            ADD_FAILURE() << "between the steps: " << error.what();
        }
    }
    return library_flock(fd, operation);
}
