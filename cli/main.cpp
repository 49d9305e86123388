// voran-report: the two-case comparison's report, or a table of comparisons,
// from the command line. The exit statuses are those of Exit_status.h.
#include <fcntl.h>
#include <sched.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <csignal>
#include <ctime>
#include <cstring>
#include <algorithm>
#include <iostream>
#include <thread>
#include <string>
#include <vector>

#include "Batch.h"
#include "Build_info.h"
#include "Command_line.h"
#include "Exit_status.h"
#include "Fd_input.h"
#include "Help_text.h"
#include "Number_format.h"
#include "One_line.h"
#include "Single_report.h"
#include "Stop_request.h"
#include "distrib.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// The user's decimal separator, from LC_NUMERIC.
char Locale_decimal_separator()
{
    if (!std::setlocale(LC_ALL, ""))
        std::setlocale(LC_ALL, "C");
    const char* point = std::localeconv()->decimal_point;
    return Decimal_separator_of(point ? point : "");
}

// Whether the table comes from a regular file; anything else (a pipe, a
// terminal, a socket) may be a program waiting for each row's answer.
bool Is_regular_file(const std::string& path)
{
    struct stat status {};
    const int result = path == "-" ? fstat(STDIN_FILENO, &status) : stat(path.c_str(), &status);
    return result == 0 && S_ISREG(status.st_mode);
}

// The processors this process may run on.
unsigned Processors_available()
{
    int count = 0;
#ifndef __EMSCRIPTEN__
    // The affinity mask, so that a process held to some processors (taskset,
    // a container's CPU set) starts no more threads than it may run. The
    // WebAssembly build, which runs rows without threads, has no such call.
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof set, &set) == 0)
        count = CPU_COUNT(&set);
#endif
    const unsigned processors = count > 0 ? static_cast<unsigned>(count) : std::thread::hardware_concurrency();
    return std::clamp(processors, 1u, Max_jobs);
}

// A table run stops on SIGINT or SIGTERM after the rows in hand, so that
// every line written is whole (status 130 or 143). The handler only records
// the request, wakes the reader through a pipe and starts the stop's
// deadline, which looks at the run every 0.8 s: while rows are computed or
// text is written, the run goes on, however long the rows in hand take on a
// loaded machine. An output that takes nothing (a pipe that nobody reads, a
// terminal on hold) does not keep the run from ending: after 0.8 s without
// progress the process ends with the status requested, and what is
// unwritten is lost, as with a killed writer.
Stop_request Table_stop;

#ifdef __EMSCRIPTEN__
// The WebAssembly build receives no signals and has no timer that a signal
// handler may start; its output is never held.
void Start_stop_deadline() {}
#else
constexpr long Stop_grace_nanoseconds = 800'000'000;
timer_t Stop_deadline{};

extern "C" void At_stop_deadline(int)
{
    if (!Table_stop.Progressed())
        _exit(Exit_code(Table_stop.Requested().value_or(Exit_status::Interrupted)));
}

// A timer that raises SIGALRM, whose handler ends the process when the run
// has made no progress since the last time. A blocked read or write that
// it interrupts goes on.
bool Make_stop_deadline()
{
    sigevent event{};
    event.sigev_notify = SIGEV_SIGNAL;
    event.sigev_signo = SIGALRM;
    if (timer_create(CLOCK_MONOTONIC, &event, &Stop_deadline) != 0)
        return false;
    struct sigaction action {};
    action.sa_handler = At_stop_deadline;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return sigaction(SIGALRM, &action, nullptr) == 0;
}

void Start_stop_deadline()
{
    itimerspec every_grace{};
    every_grace.it_value.tv_nsec = Stop_grace_nanoseconds;
    every_grace.it_interval.tv_nsec = Stop_grace_nanoseconds;
    timer_settime(Stop_deadline, 0, &every_grace, nullptr);
}
#endif

extern "C" void Request_stop(int signal_number)
{
    // A second signal does not start the deadline again.
    if (Table_stop.Request(signal_number == SIGINT ? Exit_status::Interrupted : Exit_status::Terminated))
        Start_stop_deadline();
}

// The read end of the wake-up pipe, -1 when none could be made, nor the
// deadline (the signals then keep their default action). WebAssembly under
// Node receives no signals (Node's own handling ends the process) and its
// files cannot be watched with poll: there the table is read without a
// wake-up pipe.
int Stop_on_signals()
{
#if defined(__EMSCRIPTEN__)
    return -1;
#else
    if (!Make_stop_deadline())
        return -1;
    int ends[2];
    if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return -1;
    // Above the standard streams: with standard input closed, the pipe would
    // otherwise take its number and be read as the table.
    for (int& end : ends) {
        const int moved = fcntl(end, F_DUPFD_CLOEXEC, 3);
        close(end);
        if (moved < 0)
            return -1;
        end = moved;
    }
    Table_stop.Set_wake_descriptor(ends[1]);
    struct sigaction action {};
    action.sa_handler = Request_stop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    return ends[0];
#endif
}

// A table run's threads format long rows into large texts that other
// threads free. The C library would keep each freed text in the heap of the
// thread that made it, and raise the size from which it maps blocks of
// their own as they are freed, so that many jobs would hold many times the
// memory in use; large blocks are mapped and handed back at once instead.
void Hand_back_large_blocks()
{
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
#endif
}

Exit_status Run_batch_file(const Table_request& table, char separator)
{
    Hand_back_large_blocks();
    const bool from_standard_input = table.Csv_path == "-";
    const std::string source = from_standard_input ? "standard input" : table.Csv_path;
    const int fd = from_standard_input ? STDIN_FILENO : open(table.Csv_path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        std::cerr << One_line("voran-report: cannot open " + source + ": " + std::strerror(errno)) << '\n';
        return Exit_status::Input_unreadable;
    }
    Batch_options options;
    options.Delimiter = table.Delimiter;
    options.Output_delimiter_kind = table.Output_delimiter_kind;
    options.Format = table.Format;
    options.Level = table.Level;
    options.Decimal_separator = separator;
    options.Flush_each_row = !Is_regular_file(table.Csv_path);
    options.Jobs = table.Jobs.value_or(Processors_available());
    options.Summary = table.Summary;
    options.Stop = &Table_stop;
    Fd_input buffer(fd, Stop_on_signals());
    std::istream in(&buffer);
    try {
        return Run_batch(in, std::cout, options).Status;
    } catch (const ETable_error& error) {
        std::cout.flush();
        std::cerr << One_line("voran-report: " + source + ", " + error.what()) << '\n';
        return Exit_status::Malformed_csv;
    } catch (const std::ios_base::failure& error) {
        // A directory, a closed standard input or a failing device.
        std::cout.flush();
        std::cerr << One_line("voran-report: cannot read " + source + ": " +
                              (error.code() ? error.code().message() : std::string(error.what())))
                  << '\n';
        return Exit_status::Input_unreadable;
    }
}

Exit_status Run(const Command& command, char separator)
{
    switch (command.What) {
    case Command::Kind::Help:
        std::cout << Help_text();
        return Exit_status::Done;
    case Command::Kind::Version:
        std::cout << "voran-report " << Program_version << '\n';
        return Exit_status::Done;
    case Command::Kind::Single:
        return Run_single_report(command.Single, separator, std::cout, std::cerr);
    case Command::Kind::Batch:
        return Run_batch_file(command.Table, separator);
    }
    return Exit_status::Usage_error;
}

}  // namespace

int main(int argc, char** argv)
{
    // A reader that has gone away is a failed write (status 74), not a signal.
    std::signal(SIGPIPE, SIG_IGN);
    std::ios::sync_with_stdio(false);
    const char separator = Locale_decimal_separator();
    Set_decimal_separator(separator);

    Command command;
    try {
        command = Parse_command_line(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const EUsage_error& error) {
        std::cerr << One_line("voran-report: " + std::string(error.what())) << '\n' << Usage_hint << '\n';
        return Exit_code(Exit_status::Usage_error);
    }
    const Exit_status status = Run(command, separator);
    std::cout.flush();
    // A failed picture has said so itself; a failed standard output is said
    // here, whatever the run's status.
    if (!std::cout) {
        std::cerr << "voran-report: the output could not be written\n";
        return Exit_code(Exit_status::Output_failed);
    }
    return Exit_code(status);
}
