// Two instances of the program save the control data file at once. The
// first is stopped (SIGSTOP, as a suspended session stops it) right after it
// created its temporary file and before it locked it, and stays so for an
// hour; the second saves meanwhile, removing leftovers as every such save
// does. Continued, the first must complete its save: its fresh temporary
// file was not taken for a killed save's leftover, and its data are the
// file's. Two real processes, so the locks are those of two processes.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "In_out_error.h"
#include "Save_file.h"

namespace {

namespace fs = std::filesystem;

// Set in an instance that is to stop before it takes its next lock.
bool Stop_before_lock = false;

// One instance: a process that saves contents as the program's own file and
// ends with status 0, or 1 after printing the error. Killed at the end of
// the test whatever happened.
class Instance {
public:
    Instance(const fs::path& file, const char* contents, bool stop_before_lock) : pid_(::fork())
    {
        if (pid_ != 0)
            return;
        Stop_before_lock = stop_before_lock;
        try {
            Save_file(file.string(), contents, Save_target::Programs_own_file);
            ::_exit(0);
        } catch (const EIn_out_error& error) {
            const std::string message = std::string(error.what()) + '\n';
            [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, message.data(), message.size());
            ::_exit(1);
        }
    }
    ~Instance()
    {
        if (pid_ > 0 && !ended_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    Instance(const Instance&) = delete;
    Instance& operator=(const Instance&) = delete;

    // Waits until the instance stops or ends; true when it stopped.
    bool Stopped()
    {
        int status = 0;
        EXPECT_EQ(::waitpid(pid_, &status, WUNTRACED), pid_) << std::strerror(errno);
        ended_ = !WIFSTOPPED(status);
        return !ended_;
    }
    // Lets a stopped instance go on and waits for its exit status.
    int Exit_status()
    {
        ::kill(pid_, SIGCONT);
        int status = 0;
        EXPECT_EQ(::waitpid(pid_, &status, 0), pid_) << std::strerror(errno);
        ended_ = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }

private:
    pid_t pid_;
    bool ended_ = false;
};

std::vector<fs::path> Listing(const fs::path& folder)
{
    std::vector<fs::path> entries;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        entries.push_back(entry.path());
    return entries;
}

class Concurrent_save : public testing::Test {
protected:
    void SetUp() override { fs::create_directory(folder_); }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_ = fs::path(testing::TempDir()) / ("voran concurrent save " + std::to_string(::getpid()));
};

TEST_F(Concurrent_save, FirstInstanceHeldAfterCreatingItsFileStillSaves)
{
    const fs::path file = folder_ / "VORAN.txt";
    Instance first(file, "10 20 50 30     ", true);
    ASSERT_TRUE(first.Stopped()) << "the first instance ended before its lock";
    const std::vector<fs::path> fresh = Listing(folder_);
    ASSERT_EQ(fresh.size(), 1U);
    // An hour later.
    const timespec times[2] = {{0, UTIME_OMIT}, {std::time(nullptr) - 3600L, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, fresh.front().c_str(), times, 0), 0) << std::strerror(errno);

    Instance second(file, "15 20 60 40     ", false);
    ASSERT_FALSE(second.Stopped());
    EXPECT_TRUE(fs::exists(fresh.front())) << "the second instance removed the first's file";

    EXPECT_EQ(first.Exit_status(), 0);
    std::ostringstream contents;
    contents << std::ifstream(file).rdbuf();
    EXPECT_EQ(contents.str(), "10 20 50 30     ");
    EXPECT_EQ(Listing(folder_), std::vector<fs::path>{file});
}

}  // namespace

// This program's flock() stands in for the C library's (the safe writer is
// linked in statically): an instance told to stop does so before the lock.
extern "C" int flock(int fd, int operation) noexcept
{
    static const auto library_flock = reinterpret_cast<int (*)(int, int)>(::dlsym(RTLD_NEXT, "flock"));
    if (std::exchange(Stop_before_lock, false))
        ::raise(SIGSTOP);
    return library_flock(fd, operation);
}
