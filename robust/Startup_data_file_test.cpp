// Hostile control data files at start-up: 10 MB of digits, a 16 GiB sparse
// file, binary bytes, a pipe, and symbolic links to a file elsewhere, to
// nowhere, to an endless device and to a pipe that nobody writes. Start-up
// must end (CTest's time-out catches a hang), read at most the few KiB that
// a control data file may hold, restore what the reading rules give, take a
// link as no control data (this program never writes one) and report an
// error only where the file is damaged (larger than a control data file, or
// its first two entries are not numbers) or cannot be read. The worksheet
// always comes up.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "Control_data.h"
#include "Worksheet_fixture.h"

namespace {

// Bytes this process has read through read() so far (/proc/self/io rchar).
long long Bytes_read()
{
    std::ifstream io("/proc/self/io");
    std::string key;
    long long value = 0;
    while (io >> key >> value)
        if (key == "rchar:")
            return value;
    return -1;
}

constexpr long long Huge_size = 10LL * 1024 * 1024;
constexpr long long Sparse_size = 16LL * 1024 * 1024 * 1024;
// A control data file holds a few KiB at most; a reader may buffer, but not
// a megabyte.
constexpr long long Read_allowance = 1024LL * 1024;

struct Startup_case {
    const char* Name;
    std::function<void(const QString& data_path, const QString& elsewhere)> Make;
    const char* Expected_sd;
    const char* Expected_n;
    // The error report's text: nullptr for none, "" for any (the system's
    // message), otherwise exactly this.
    const char* Error;
};

constexpr const char* Invalid_number = "Invalid numeric input.";

void Write(const QString& path, const std::string& bytes)
{
    std::ofstream(path.toStdString(), std::ios::binary) << bytes;
}

void Link(const QString& target, const QString& path)
{
    ASSERT_EQ(::symlink(target.toLocal8Bit().constData(), path.toLocal8Bit().constData()), 0);
}

const Startup_case Cases[] = {
    {"File_at_the_size_limit",
     [](const QString& path, const QString&) { Write(path, "12 30" + std::string(Control_data_size_limit - 5, ' ')); },
     "12", "30", nullptr},
    {"One_byte_over_the_size_limit",
     [](const QString& path, const QString&) { Write(path, "12 30" + std::string(Control_data_size_limit - 4, ' ')); },
     "", "", Invalid_number},
    {"Huge_file_of_digits",
     [](const QString& path, const QString&) { Write(path, std::string(Huge_size, '1')); }, "", "",
     Invalid_number},
    // NUL bytes separate numbers, so a reader that skipped separators to the
    // first number would read all 16 GiB.
    {"Huge_sparse_file",
     [](const QString& path, const QString&) {
         Write(path, "");
         std::error_code error;
         std::filesystem::resize_file(path.toStdString(), Sparse_size, error);
         if (error)
             GTEST_SKIP() << "cannot make a sparse file of 16 GiB here: " << error.message();
     },
     "", "", Invalid_number},
    {"Binary_file",
     [](const QString& path, const QString&) { Write(path, std::string("\x7f" "ELF\x02\x01\x01\0\xff\xfe 20", 13)); },
     "", "", Invalid_number},
    {"Number_then_binary",
     [](const QString& path, const QString&) { Write(path, std::string("12\x01\x80\x81\x82", 6)); },
     "12", "", Invalid_number},
    {"Pipe_nobody_writes",
     [](const QString& path, const QString&) { ASSERT_EQ(::mkfifo(path.toLocal8Bit().constData(), 0644), 0); },
     "", "", ""},
    {"Symbolic_link_to_a_file_elsewhere",
     [](const QString& path, const QString& elsewhere) {
         Write(elsewhere + "/controls.txt", "12 30 ");
         Link(elsewhere + "/controls.txt", path);
     },
     "", "", nullptr},
    {"Dangling_symbolic_link",
     [](const QString& path, const QString& elsewhere) { Link(elsewhere + "/missing.txt", path); },
     "", "", nullptr},
    {"Symbolic_link_to_an_endless_device",
     [](const QString& path, const QString&) { Link("/dev/urandom", path); }, "", "", nullptr},
    {"Symbolic_link_to_a_pipe_nobody_writes",
     [](const QString& path, const QString& elsewhere) {
         const QString pipe = elsewhere + "/pipe";
         ASSERT_EQ(::mkfifo(pipe.toLocal8Bit().constData(), 0644), 0);
         Link(pipe, path);
     },
     "", "", nullptr},
};

class Startup_test : public Worksheet_fixture, public ::testing::WithParamInterface<Startup_case> {
protected:
    QTemporaryDir elsewhere;
};

TEST_P(Startup_test, Starts_reading_only_what_it_needs)
{
    const Startup_case& row = GetParam();
    row.Make(Data_path(), elsewhere.path());
    if (IsSkipped() || HasFatalFailure())
        return;
    Start();  // the first windows load the toolkit's fonts and caches
    platform = Scripted_platform();

    const long long before = Bytes_read();
    Start();
    const long long read = Bytes_read() - before;

    EXPECT_LT(read, Read_allowance);
    EXPECT_EQ(Field("txtInput1")->text(), row.Expected_sd);
    EXPECT_EQ(Field("txtInput2")->text(), row.Expected_n);
    if (row.Error == nullptr) {
        EXPECT_TRUE(platform.Errors.empty()) << platform.Errors.front();
    } else {
        ASSERT_EQ(platform.Errors.size(), 1U);
        if (*row.Error != '\0')
            EXPECT_EQ(platform.Errors.front(), row.Error);
        else
            EXPECT_GT(platform.Errors.front().size(), 1U);
    }
    EXPECT_TRUE(worksheet->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Data_files, Startup_test, ::testing::ValuesIn(Cases),
                         [](const ::testing::TestParamInfo<Startup_case>& info) { return info.param.Name; });

}  // namespace
