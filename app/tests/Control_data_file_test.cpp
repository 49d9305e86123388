// The control data file as the worksheet writes it at "Compute" and restores
// it at start-up, including the failures.
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <ctime>

#include "Worksheet_fixture.h"

namespace {

using Control_data = Worksheet_fixture;

TEST_F(Control_data, ComputeWritesTheEighteenCharacterFileAndTheNextStartRestoresIt)
{
    Start();
    Compute("15.5", "20", "45", "52");
    EXPECT_EQ(Data_file(), "15.5 20 45 52     ");
    EXPECT_EQ(Data_file().size(), 18);

    Start();
    EXPECT_EQ(Field("txtInput1")->text(), "15.5");
    EXPECT_EQ(Field("txtInput2")->text(), "20");
    EXPECT_EQ(Field("txtInput3")->text(), "");
    EXPECT_EQ(Field("txtInput4")->text(), "");
    EXPECT_EQ(Focus_name(), "txtInput3");
}

TEST_F(Control_data, PastedBlanksAreNotSaved)
{
    Start();
    Field("txtInput1")->setText("1 5");  // as pasted with the mouse
    Compute("", "20", "45", "52");
    EXPECT_EQ(Data_file(), "15 20 45 52     ");
    Start();
    EXPECT_EQ(Field("txtInput1")->text(), "15");
    EXPECT_EQ(Field("txtInput2")->text(), "20");
}

struct Restore_case {
    const char* Name;
    QByteArray File;
    QString Sd, N;
};

class Restore : public Worksheet_fixture, public ::testing::WithParamInterface<Restore_case> {};

TEST_P(Restore, FieldsShowTheSavedNumbersAsFormatted)
{
    Write_data_file(GetParam().File);
    Start();
    EXPECT_EQ(Field("txtInput1")->text(), GetParam().Sd);
    EXPECT_EQ(Field("txtInput2")->text(), GetParam().N);
    EXPECT_EQ(Field("txtInput3")->text(), "");
    EXPECT_TRUE(platform.Errors.empty());
    EXPECT_EQ(Focus_name(), "txtInput3");
    // Reading never changes the file.
    EXPECT_EQ(Data_file(), GetParam().File);
}

INSTANTIATE_TEST_SUITE_P(
    Files, Restore,
    ::testing::Values(Restore_case{"LeadingPoint", ".5 20. 1 2     ", "0.5", "20"},
                      Restore_case{"LeadingZero", "015 030 ", "15", "30"},
                      Restore_case{"SixSignificantDigits", "3.14159265 20 ", "3.14159", "20"},
                      Restore_case{"HandEditedWithLineEnds", "\r\n12.5\r\n\t25\r\n", "12.5", "25"},
                      Restore_case{"TextAfterTheTwoNumbersIgnored", "10 20 abc", "10", "20"},
                      Restore_case{"OneNumberOnly", "7", "7", "0"},
                      Restore_case{"EmptyFile", "", "0", "0"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(Control_data, BadNumberIsReportedAndStartUpGoesOn)
{
    Write_data_file("12 x5 ");
    Start();
    EXPECT_EQ(platform.Errors, std::vector<std::string>{"Invalid numeric input."});
    EXPECT_EQ(Field("txtInput1")->text(), "12");
    EXPECT_EQ(Field("txtInput2")->text(), "");
    EXPECT_TRUE(worksheet->isVisible());
    EXPECT_FALSE(Field("txtInput5")->isVisible());
    EXPECT_TRUE(Field("txtInput4")->isVisible());
}

// A number text longer than the reader keeps is damaged data: reported as a
// bad number is, and neither it nor its rest restored as a number.
TEST_F(Control_data, ANumberTooLongIsReportedAndNotRestored)
{
    const struct {
        const char* Name;
        QByteArray File;
        QString Sd;
    } rows[] = {
        {"LongSd", QByteArray(400, '9') + " 20 ", ""},
        {"LongN", "15 " + QByteArray(65, '1') + " ", "15"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        platform.Errors.clear();
        Write_data_file(row.File);
        Start();
        EXPECT_EQ(platform.Errors, std::vector<std::string>{"Invalid numeric input."});
        EXPECT_EQ(Field("txtInput1")->text(), row.Sd);
        EXPECT_EQ(Field("txtInput2")->text(), "");
        EXPECT_TRUE(worksheet->isVisible());
    }
}

// A symbolic link at the file's name is never written through: "Compute"
// replaces the link itself with the new file, and whatever the link led to
// stays as it was (were it /etc/passwd and the program run as root).
TEST_F(Control_data, ComputeReplacesALinkAtTheNameAndLeavesItsTarget)
{
    const struct {
        const char* Name;
        bool Target_exists;
    } rows[] = {{"LinkToAFileElsewhere", true}, {"DanglingLink", false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        QTemporaryDir elsewhere;
        ASSERT_TRUE(elsewhere.isValid());
        const QString target = elsewhere.filePath("passwd");
        if (row.Target_exists) {
            QFile file(target);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("root:x:0:0\n");
        }
        QFile::remove(Data_path());
        ASSERT_TRUE(QFile::link(target, Data_path()));
        Start();
        EXPECT_EQ(Field("txtInput1")->text(), "");  // a link holds no control data
        Compute("15.5", "20", "45", "52");
        EXPECT_TRUE(platform.Errors.empty());
        EXPECT_FALSE(QFileInfo(Data_path()).isSymLink());
        EXPECT_EQ(Data_file(), "15.5 20 45 52     ");
        if (row.Target_exists) {
            QFile file(target);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_EQ(file.readAll(), "root:x:0:0\n");
        } else {
            EXPECT_FALSE(QFileInfo::exists(target));
        }
    }
}

// A save killed between making its temporary file and the rename leaves
// .VORAN.txt.voran-tmp-XXXXXX beside the file; the next "Compute" removes it.
TEST_F(Control_data, ComputeRemovesTheLeftoverOfAKilledSave)
{
    const QString leftover = directory.filePath(".VORAN.txt.voran-tmp-k1LLd9");
    {
        QFile file(leftover);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("15.5 20 4");
    }
    const timespec times[2] = {{0, UTIME_OMIT}, {std::time(nullptr) - 60, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(leftover).constData(), times, 0), 0);
    Start();
    Compute("15.5", "20", "45", "52");
    EXPECT_TRUE(platform.Errors.empty());
    EXPECT_FALSE(QFileInfo::exists(leftover));
    EXPECT_EQ(QDir(directory.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"VORAN.txt"});
}

// Makes a folder unwritable, for root as well (through the immutable flag),
// and undoes it at the end of the test.
class Unwritable_folder {
public:
    explicit Unwritable_folder(const QString& path) : path_(path.toStdString())
    {
        if (geteuid() != 0) {
            made_ = chmod(path_.c_str(), 0555) == 0;
            return;
        }
        made_ = Set_immutable(true);
    }
    ~Unwritable_folder()
    {
        if (geteuid() != 0)
            chmod(path_.c_str(), 0755);
        else if (made_)
            Set_immutable(false);
    }
    bool Made() const { return made_; }

private:
    bool Set_immutable(bool on) const
    {
        const int folder = open(path_.c_str(), O_RDONLY | O_DIRECTORY);
        if (folder < 0)
            return false;
        int flags = 0;
        bool done = ioctl(folder, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = done && ioctl(folder, FS_IOC_SETFLAGS, &flags) == 0;
        close(folder);
        return done;
    }

    std::string path_;
    bool made_ = false;
};

TEST_F(Control_data, UnwritableFolderReportsTheErrorAndKeepsThePreviousFile)
{
    Write_data_file("15.5 20 45 52     ");
    Start();
    const Unwritable_folder folder(directory.path());
    if (!folder.Made())
        GTEST_SKIP() << "cannot make the folder unwritable here";
    Field("txtInput1")->clear();
    Compute("9", "30", "45", "52");
    ASSERT_EQ(platform.Errors.size(), 1u);
    const std::string& error = platform.Errors[0];
    EXPECT_EQ(error.rfind("Cannot write file " + QDir::toNativeSeparators(Data_path()).toStdString(), 0), 0u)
        << error;
    EXPECT_EQ(error.back(), '.');
    EXPECT_TRUE(worksheet->isVisible());
    EXPECT_FALSE(results->isVisible());
    EXPECT_EQ(Results_text()->toPlainText(), "");
    EXPECT_EQ(Data_file(), "15.5 20 45 52     ");
}

TEST_F(Control_data, ClearDataThatCannotDeleteTheFileSaysSo)
{
    Write_data_file("15.5 20 45 52     ");
    Start();
    const Unwritable_folder folder(directory.path());
    if (!folder.Made())
        GTEST_SKIP() << "cannot make the folder unwritable here";
    Click(*worksheet, "btnclearData");
    ASSERT_EQ(platform.Errors.size(), 1u);
    EXPECT_EQ(platform.Errors[0].rfind("Cannot delete file", 0), 0u) << platform.Errors[0];
    EXPECT_EQ(Field("txtInput1")->text(), "");
    EXPECT_EQ(Data_file(), "15.5 20 45 52     ");
}

// The user's data folder of an installed copy need not exist before the
// first "Compute": it is made then, for the user only, and used for every
// later read and delete.
TEST_F(Control_data, FirstWriteCreatesTheDataFolder)
{
    const QString folder = directory.filePath("data home/voran");
    const QString path = folder + "/VORAN.txt";
    Start(folder);
    EXPECT_FALSE(QFileInfo::exists(folder));
    Compute("10", "20", "50", "30");
    EXPECT_TRUE(platform.Errors.empty());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "10 20 50 30     ");
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(folder).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700U);

    Start(folder);
    EXPECT_EQ(Field("txtInput1")->text(), "10");
    EXPECT_EQ(Field("txtInput2")->text(), "20");
    Click(*worksheet, "btnclearData");
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_TRUE(platform.Errors.empty());
}

TEST_F(Control_data, DataFolderThatCannotBeMadeReportsTheErrorAndNoReport)
{
    QFile in_the_way(directory.filePath("data home"));
    ASSERT_TRUE(in_the_way.open(QIODevice::WriteOnly));
    in_the_way.close();
    const QString folder = directory.filePath("data home/voran");
    Start(folder);
    Compute("10", "20", "50", "30");
    ASSERT_EQ(platform.Errors.size(), 1U);
    EXPECT_EQ(platform.Errors[0], "Cannot create folder " + QDir::toNativeSeparators(folder).toStdString() +
                                      ": " + std::strerror(ENOTDIR) + ".");
    EXPECT_EQ(Results_text()->toPlainText(), "");
    EXPECT_TRUE(worksheet->isVisible());
}

}  // namespace
