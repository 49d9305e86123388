// voran-report as another program drives it through pipes: a row fed, its
// answer read back before the next row is written; a failed write or a reader
// that has gone; inputs that cannot be read; and the peak resident memory
// while a huge input streams through, measured by the kernel for the child.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <utility>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

// The longest a child may take to answer before the test gives up on it: a
// guard against a hang, never a measure of speed.
constexpr auto Answer_deadline = std::chrono::seconds(120);

struct Pipe {
    int Read = -1;
    int Write = -1;
    Pipe()
    {
        int ends[2];
        if (pipe2(ends, O_CLOEXEC) != 0)
            throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
        Read = ends[0];
        Write = ends[1];
    }
    ~Pipe()
    {
        Close_read();
        Close_write();
    }
    void Close_read()
    {
        if (Read >= 0)
            close(Read);
        Read = -1;
    }
    void Close_write()
    {
        if (Write >= 0)
            close(Write);
        Write = -1;
    }
};

struct Ended {
    int Status = -1;       // the exit status; -1 when ended by a signal
    long Peak_kib = 0;     // peak resident memory in KiB
};

// voran-report started with the given arguments and standard streams: a
// descriptor to use, or -1 to leave the stream closed.
class Child {
public:
    Child(const std::vector<std::string>& arguments, int in, int out, int err)
    {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        const int streams[] = {in, out, err};
        for (int target = 0; target < 3; ++target) {
            if (streams[target] < 0)
                posix_spawn_file_actions_addclose(&actions, target);
            else
                posix_spawn_file_actions_adddup2(&actions, streams[target], target);
        }
        std::vector<std::string> words = {VORAN_REPORT};
        words.insert(words.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (std::string& word : words)
            argv.push_back(word.data());
        argv.push_back(nullptr);
        std::string locale = "LC_ALL=C";
        char* environment[] = {locale.data(), nullptr};
        const int error = posix_spawn(&Pid, VORAN_REPORT, &actions, nullptr, argv.data(), environment);
        posix_spawn_file_actions_destroy(&actions);
        if (error != 0)
            throw std::runtime_error(std::string("posix_spawn: ") + std::strerror(error));
    }

    void Signal(int signal_number) const { kill(Pid, signal_number); }

    Ended Wait()
    {
        int status = 0;
        rusage usage {};
        while (wait4(Pid, &status, 0, &usage) < 0 && errno == EINTR) {
        }
        return Ended_with(status, usage);
    }

    // Waits for the child to end, up to the deadline; a child still running
    // then is killed, and none is returned.
    std::optional<Ended> Wait_until(std::chrono::steady_clock::time_point deadline)
    {
        int status = 0;
        rusage usage {};
        pid_t got = 0;
        while ((got = wait4(Pid, &status, WNOHANG, &usage)) == 0 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (got == Pid)
            return Ended_with(status, usage);
        Signal(SIGKILL);
        Wait();
        return std::nullopt;
    }

private:
    static Ended Ended_with(int status, const rusage& usage)
    {
        Ended ended;
        ended.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        ended.Peak_kib = usage.ru_maxrss;
        return ended;
    }

    pid_t Pid = -1;
};

// Everything left to read from fd until its writer closes it.
std::string Read_all(int fd)
{
    std::string text;
    char buffer[4096];
    for (ssize_t got; (got = read(fd, buffer, sizeof buffer)) != 0;) {
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            break;
        text.append(buffer, static_cast<std::size_t>(got));
    }
    return text;
}

bool Write_all(int fd, std::string_view text)
{
    while (!text.empty()) {
        const ssize_t put = write(fd, text.data(), text.size());
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0)
            return false;
        text.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

// Reads from fd until text holds `lines` line ends, waiting as long as the
// child takes (up to the deadline); false at the end of the stream or the
// deadline.
bool Read_lines(int fd, std::string& text, std::size_t lines)
{
    const auto deadline = std::chrono::steady_clock::now() + Answer_deadline;
    while (static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) < lines) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return false;
        pollfd ready = {fd, POLLIN, 0};
        if (poll(&ready, 1, static_cast<int>(left.count())) <= 0)
            continue;
        char buffer[4096];
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got <= 0)
            return false;
        text.append(buffer, static_cast<std::size_t>(got));
    }
    return true;
}

class Process_test : public testing::Test {
protected:
    // Writing to a child that has ended must fail with EPIPE here, not end
    // the test program.
    void SetUp() override { std::signal(SIGPIPE, SIG_IGN); }
};

// Each row is answered as soon as its line end has arrived, whatever the
// line end and the number of jobs (the LF of a CR LF is no row to wait for).
TEST_F(Process_test, EachRowIsAnsweredBeforeTheNextIsWritten)
{
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"first", "\n"}, {"second", "\r"}, {"third", "\r\n"}, {"fourth", "\n"}};
    for (const char* format : {"csv", "jsonl"})
        for (const char* jobs : {"1", "2"}) {
            const std::string name = std::string(format) + ", " + jobs + " jobs";
            Pipe in;
            Pipe out;
            Child child({"--csv", "-", "--format", format, "--jobs", jobs}, in.Read, out.Write, STDERR_FILENO);
            in.Close_read();
            out.Close_write();
            const std::size_t header_lines = std::string(format) == "csv" ? 1 : 0;

            std::string answers;
            ASSERT_TRUE(Write_all(in.Write, "id,sd,n,case_a,case_b\r\n"));
            for (std::size_t i = 0; i < rows.size(); ++i) {
                const auto& [id, line_end] = rows[i];
                ASSERT_TRUE(Write_all(in.Write, id + ",10,20,50,30" + line_end));
                ASSERT_TRUE(Read_lines(out.Read, answers, header_lines + i + 1)) << name << ": " << answers;
                EXPECT_NE(answers.find(id), std::string::npos) << name;
            }
            in.Close_write();
            EXPECT_EQ(Read_all(out.Read), "") << name;
            EXPECT_EQ(child.Wait().Status, 0) << name;
        }
}

// Whether every line of text is whole: text ends with a line end, and each
// line is a CSV row of the header's field count (no quotes in these rows) or
// a JSON object.
void Expect_whole_lines(const std::string& text, const std::string& format, const std::string& name)
{
    ASSERT_FALSE(text.empty()) << name;
    EXPECT_EQ(text.back(), '\n') << name;
    std::size_t begin = 0;
    std::size_t fields = 0;
    for (std::size_t end; (end = text.find('\n', begin)) != std::string::npos; begin = end + 1) {
        const std::string line = text.substr(begin, end - begin);
        if (format == "jsonl") {
            EXPECT_TRUE(line.starts_with("{\"sd\":") && line.ends_with("\"error\":null}")) << name << ": " << line;
            continue;
        }
        const auto count = static_cast<std::size_t>(std::count(line.begin(), line.end(), ',')) + 1;
        if (fields == 0)
            fields = count;
        EXPECT_EQ(count, fields) << name << ": " << line;
    }
}

// A table of 20,000 rows in the folder, far more answers than a pipe holds.
std::filesystem::path Write_long_table(const std::filesystem::path& folder)
{
    const auto path = folder / "table.csv";
    std::ofstream table(path, std::ios::binary);
    table << "sd,n,case_a,case_b\n";
    for (int i = 0; i < 20000; ++i)
        table << 1 + i % 20 << ".5," << 10 + i % 97 << ",50,30\n";
    return path;
}

// SIGINT or SIGTERM in the middle of a table: the rows in hand are finished
// and written whole, the run stops with 128 + the signal's number. The
// signal comes once the first answers are out, while the table still has
// rows: from a regular file whose answers fill the output pipe (which the
// test does not read until then), and from a pipe that stays open, so that
// the tool is waiting for a row that never comes.
TEST_F(Process_test, ASignalStopsTheTableAfterTheRowsInHandWithWholeLines)
{
    const auto folder = std::filesystem::temp_directory_path() /
                        ("voran-report-signal-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const auto table_path = Write_long_table(folder);
    for (const auto& [signal_number, status] : {std::pair{SIGINT, 130}, std::pair{SIGTERM, 143}})
        for (const char* format : {"csv", "jsonl"})
            for (const char* jobs : {"1", "2"})
                for (const bool from_pipe : {false, true}) {
                    const std::string name = std::string(strsignal(signal_number)) + ", " + format + ", " +
                                             jobs + " jobs, " + (from_pipe ? "pipe" : "file");
                    Pipe in;
                    Pipe out;
                    const std::vector<std::string> arguments = {
                        "--csv", from_pipe ? "-" : table_path.string(), "--format", format, "--jobs", jobs};
                    Child child(arguments, from_pipe ? in.Read : STDIN_FILENO, out.Write, STDERR_FILENO);
                    in.Close_read();
                    out.Close_write();
                    if (from_pipe) {
                        ASSERT_TRUE(Write_all(in.Write, "sd,n,case_a,case_b\n10,20,50,30\n")) << name;
                    }
                    std::string answers;
                    ASSERT_TRUE(Read_lines(out.Read, answers, 1)) << name;
                    child.Signal(signal_number);
                    answers += Read_all(out.Read);
                    EXPECT_EQ(child.Wait().Status, status) << name;
                    Expect_whole_lines(answers, format, name);
                    // Stopped early: far fewer answers than rows.
                    EXPECT_LT(std::count(answers.begin(), answers.end(), '\n'), 20000) << name;
                }
    std::filesystem::remove_all(folder);
}

// SIGINT or SIGTERM while the output is a pipe that nobody reads, which the
// run fills and then waits on: the run still ends, with the signal's status
// (what it could not write is lost).
TEST_F(Process_test, ASignalEndsARunWhoseOutputNobodyReads)
{
    const auto folder = std::filesystem::temp_directory_path() /
                        ("voran-report-unread-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const auto table_path = Write_long_table(folder);
    for (const auto& [signal_number, status] : {std::pair{SIGINT, 130}, std::pair{SIGTERM, 143}})
        for (const char* jobs : {"1", "2", "8"}) {
            const std::string name = std::string(strsignal(signal_number)) + ", " + jobs + " jobs";
            // A pipe of one page, which the first answers fill: the run then
            // waits on it, whichever rows it has in hand.
            Pipe out;
            const int capacity = fcntl(out.Write, F_SETPIPE_SZ, 4096);
            ASSERT_GT(capacity, 0) << std::strerror(errno);
            Child child({"--csv", table_path.string(), "--jobs", jobs}, STDIN_FILENO, out.Write, STDERR_FILENO);
            out.Close_write();
            const auto deadline = std::chrono::steady_clock::now() + Answer_deadline;
            int held = 0;
            while ((ioctl(out.Read, FIONREAD, &held) != 0 || held < capacity) &&
                   std::chrono::steady_clock::now() < deadline)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            ASSERT_EQ(held, capacity) << name;
            child.Signal(signal_number);
            const std::optional<Ended> ended = child.Wait_until(std::chrono::steady_clock::now() + Answer_deadline);
            ASSERT_TRUE(ended) << name << ": still running at the deadline";
            EXPECT_EQ(ended->Status, status) << name;
        }
    std::filesystem::remove_all(folder);
}

TEST_F(Process_test, AFailedWriteStopsTheRunAtOnceWithStatus74)
{
    const int full = open("/dev/full", O_WRONLY | O_CLOEXEC);
    if (full < 0)
        GTEST_SKIP() << "no /dev/full here";
    Pipe in;
    Pipe err;
    Child child({"--csv", "-"}, in.Read, full, err.Write);
    in.Close_read();
    err.Close_write();
    close(full);
    // Rows without end: only the child's stopping ends the writing, with EPIPE.
    std::string rows = "sd,n,case_a,case_b\n";
    for (int i = 0; i < 1000; ++i)
        rows += "10,20,50,30\n";
    constexpr std::size_t Cap = std::size_t{1} << 30;
    std::size_t written = 0;
    bool stopped = false;
    while (written < Cap && !(stopped = !Write_all(in.Write, rows)))
        written += rows.size();
    EXPECT_TRUE(stopped) << "the child read " << written << " bytes without stopping";
    EXPECT_EQ(errno, EPIPE);
    in.Close_write();
    EXPECT_EQ(child.Wait().Status, 74);
    EXPECT_EQ(Read_all(err.Read), "voran-report: the output could not be written\n");
}

TEST_F(Process_test, AReaderThatHasGoneIsAFailedWrite)
{
    Pipe out;
    Pipe err;
    out.Close_read();
    Child child({"--sd", "10", "--n", "20", "--case-a", "50", "--case-b", "30"}, STDIN_FILENO,
                out.Write, err.Write);
    out.Close_write();
    err.Close_write();
    EXPECT_EQ(child.Wait().Status, 74);
    EXPECT_EQ(Read_all(err.Read), "voran-report: the output could not be written\n");
}

struct Unreadable_case {
    const char* Name;
    std::function<Ended(int err)> Run;
    std::string Message;
};

TEST_F(Process_test, InputsThatCannotBeReadGiveStatus66)
{
    const auto folder = std::filesystem::temp_directory_path() /
                        ("voran-report-unreadable-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const int folder_fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(folder_fd, 0);
    const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
    ASSERT_GE(null, 0);
    const std::vector<Unreadable_case> cases = {
        {"FolderNamed", [&](int err) { return Child({"--csv", folder.string()}, STDIN_FILENO, null, err).Wait(); },
         "voran-report: cannot read " + folder.string() + ": Is a directory\n"},
        {"FolderOnStandardInput", [&](int err) { return Child({"--csv", "-"}, folder_fd, null, err).Wait(); },
         "voran-report: cannot read standard input: Is a directory\n"},
        {"StandardInputClosed", [&](int err) { return Child({"--csv", "-"}, -1, null, err).Wait(); },
         "voran-report: cannot read standard input: Bad file descriptor\n"},
    };
    for (const Unreadable_case& row : cases) {
        Pipe err;
        const Ended ended = row.Run(err.Write);
        err.Close_write();
        EXPECT_EQ(ended.Status, 66) << row.Name;
        EXPECT_EQ(Read_all(err.Read), row.Message) << row.Name;
    }
    close(folder_fd);
    close(null);
    std::filesystem::remove_all(folder);
}

TEST_F(Process_test, AFileThatCannotBeOpenedGivesStatus66)
{
    const auto folder = std::filesystem::temp_directory_path() /
                        ("voran-report-locked-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const auto locked = folder / "locked.csv";
    std::ofstream(locked) << "sd,n,case_a,case_b\n";
    std::filesystem::permissions(locked, std::filesystem::perms::none);
    const bool openable = std::ifstream(locked).is_open();
    if (!openable) {
        Pipe err;
        const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
        const Ended ended = Child({"--csv", locked.string()}, STDIN_FILENO, null, err.Write).Wait();
        close(null);
        err.Close_write();
        EXPECT_EQ(ended.Status, 66);
        EXPECT_EQ(Read_all(err.Read), "voran-report: cannot open " + locked.string() + ": Permission denied\n");
    }
    std::filesystem::remove_all(folder);
    if (openable)
        GTEST_SKIP() << "a file without permissions can still be read here (root)";
}

// ---- Memory ---------------------------------------------------------------------

constexpr long Memory_bound_kib = 64 * 1024;
constexpr std::size_t Huge_bytes = std::size_t{96} << 20;  // six times the record limit

struct Huge_input {
    const char* Name;
    std::string Head;    // written first
    char Fill;           // then Huge_bytes of this byte
    std::string Tail;    // then this
    int Status;
};

class Memory_test : public testing::TestWithParam<Huge_input> {
protected:
    void SetUp() override { std::signal(SIGPIPE, SIG_IGN); }
};

TEST_P(Memory_test, PeakResidentMemoryStaysBounded)
{
    const Huge_input& input = GetParam();
    Pipe in;
    const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
    ASSERT_GE(null, 0);
    Child child({"--csv", "-"}, in.Read, null, null);
    in.Close_read();
    close(null);
    // The input streams through the pipe as the child reads it; a child that
    // stops early ends the writing with EPIPE.
    std::thread writer([&] {
        const std::string block(1 << 16, input.Fill);
        if (!Write_all(in.Write, input.Head))
            return;
        for (std::size_t sent = 0; sent < Huge_bytes; sent += block.size())
            if (!Write_all(in.Write, block))
                return;
        Write_all(in.Write, input.Tail);
    });
    writer.join();
    in.Close_write();
    const Ended ended = child.Wait();
    EXPECT_EQ(ended.Status, input.Status);
    EXPECT_LT(ended.Peak_kib, Memory_bound_kib);
    std::cout << "peak resident memory " << ended.Peak_kib << " KiB\n";
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, Memory_test,
    testing::Values(
        Huge_input{"HeaderLine", "sd,n,case_a,case_b,", 'x', "\n10,20,50,30\n", 65},
        Huge_input{"DigitField", "sd,n,case_a,case_b\n10,20,", '5', ",30\n10,20,50,30\n", 1},
        Huge_input{"Commas", "sd,n,case_a,case_b\n", ',', "\n10,20,50,30\n", 1},
        Huge_input{"UnclosedQuote", "sd,n,case_a,case_b\n10,20,\"", '\n', "10,20,50,30\n", 1},
        Huge_input{"QuotedLineBreaks", "id,sd,n,case_a,case_b\n\"", '\n', "\",10,20,50,30\n", 1}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
