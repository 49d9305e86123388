// A user's own copies of the control data file, kept beside it under names a
// person gives ("VORAN.txt.backup", "VORAN.txt.orig01", "VORAN.txt.2024v1",
// a day old), through several "Compute"s: each one stays byte for byte,
// while a leftover of a killed save (the program's hidden temporary name,
// holding data) is removed, and VORAN.txt holds the entries.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <QFile>

#include <ctime>
#include <string>

#include "Worksheet_fixture.h"

namespace {

constexpr const char* Users_copies[] = {"VORAN.txt.backup", "VORAN.txt.orig01", "VORAN.txt.2024v1"};
constexpr const char* Leftover = ".VORAN.txt.voran-tmp-Zz9Zz9";
constexpr const char* Copy_contents = "15 20 60 40     ";
constexpr int Computes = 3;

class Users_copies_test : public Worksheet_fixture {
protected:
    // A file a day old, as a copy the user made yesterday.
    void Make(const char* name) const
    {
        const QString path = directory.filePath(name);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(Copy_contents);
        file.close();
        const timespec times[2] = {{0, UTIME_OMIT}, {std::time(nullptr) - 24 * 3600L, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
    }
    std::string Contents(const char* name) const
    {
        QFile file(directory.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<no file>";
    }
};

TEST_F(Users_copies_test, SurviveEveryCompute)
{
    for (const char* copy : Users_copies)
        Make(copy);
    Make(Leftover);
    Start();
    Compute("10", "20", "50", "30");
    for (int compute = 1; compute < Computes; ++compute) {
        Click(*results, "cmdReturn");
        Click(*worksheet, "cmdCompute");
    }
    EXPECT_TRUE(platform.Errors.empty());
    EXPECT_EQ(Data_file(), "10 20 50 30     ");
    for (const char* copy : Users_copies)
        EXPECT_EQ(Contents(copy), Copy_contents) << copy;
    EXPECT_FALSE(QFile::exists(directory.filePath(Leftover)));
}

}  // namespace
