// Faults of the disk while "Compute" saves the control data and while "Save
// Output" writes the results: a folder without write permission, a full disk
// and a directory standing at the file's name. Each time the error report
// shows the system's message, the previous file is byte for byte intact, the
// results text is unchanged, no stray file is left, and once the fault is
// lifted the same action succeeds: the program goes on working.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <string>

#include "Disk_fault.h"
#include "Results_file.h"
#include "Worksheet_fixture.h"

namespace {

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QStringList Listing(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

class Fault_test : public Worksheet_fixture, public ::testing::WithParamInterface<Fault_kind> {
protected:
    // What must survive the fault at `path`: the file's bytes, or for a
    // directory in the way the file inside it.
    QByteArray Previous(const QString& path) const
    {
        return GetParam() == Fault_kind::Directory_in_the_way ? Contents(path + "/kept.txt") : Contents(path);
    }

    void Expect_one_error_about(const QString& path, const Disk_fault& fault) const
    {
        ASSERT_EQ(platform.Errors.size(), 1U);
        const std::string& error = platform.Errors.front();
        EXPECT_NE(error.find(QDir::toNativeSeparators(path).toStdString()), std::string::npos) << error;
        EXPECT_NE(error.find(fault.Expected_message()), std::string::npos) << error;
        // The system's reason follows the path.
        EXPECT_GT(error.size(), error.rfind(": ") + 3) << error;
    }
};

std::string Row_name(const ::testing::TestParamInfo<Fault_kind>& info)
{
    return Fault_name(info.param);
}

TEST_P(Fault_test, Control_data_fault_loses_nothing_and_compute_works_afterwards)
{
    Disk_fault fault(GetParam(), directory.path(), "VORAN.txt");
    if (!fault.Skip_reason().empty())
        GTEST_SKIP() << fault.Skip_reason();
    if (GetParam() != Fault_kind::Directory_in_the_way)
        Write_data_file("15.5 20 45 52     ");
    Start();
    if (GetParam() == Fault_kind::Directory_in_the_way) {
        Type("txtInput1", "15.5");
        Type("txtInput2", "20");
    }
    ASSERT_EQ(Field("txtInput1")->text(), "15.5");

    fault.Inject();
    const QByteArray previous = Previous(Data_path());
    const QStringList listing = Listing(directory.path());
    Type("txtInput3", "50");
    Type("txtInput4", "30");
    Click(*worksheet, "cmdCompute");

    Expect_one_error_about(Data_path(), fault);
    EXPECT_EQ(Previous(Data_path()), previous);
    EXPECT_EQ(Listing(directory.path()), listing);
    EXPECT_TRUE(Results_text()->toPlainText().isEmpty());
    EXPECT_TRUE(worksheet->isVisible());
    EXPECT_FALSE(results->isVisible());

    fault.Lift();
    Click(*worksheet, "cmdCompute");
    EXPECT_EQ(platform.Errors.size(), 1U);
    EXPECT_EQ(Data_file(), "15.5 20 50 30     ");
    EXPECT_TRUE(Results_text()->toPlainText().contains(" Test score for Case A= 50"));
    EXPECT_TRUE(results->isVisible());
}

TEST_P(Fault_test, Save_output_fault_loses_nothing_and_saving_works_afterwards)
{
    Disk_fault fault(GetParam(), directory.path(), "results.txt");
    if (!fault.Skip_reason().empty())
        GTEST_SKIP() << fault.Skip_reason();
    const QString target = directory.filePath("results.txt");
    if (GetParam() != Fault_kind::Directory_in_the_way) {
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("previous report\r\n");
    }
    Start();
    Compute("10", "20", "50", "30");
    ASSERT_TRUE(results->isVisible());
    const QString text = Results_text()->toPlainText();
    platform.File_name = target.toStdString();

    fault.Inject();
    const QByteArray previous = Previous(target);
    const QStringList listing = Listing(directory.path());
    Click(*results, "cmdSaveOutput");

    Expect_one_error_about(target, fault);
    EXPECT_EQ(Previous(target), previous);
    EXPECT_EQ(Listing(directory.path()), listing);
    EXPECT_EQ(Results_text()->toPlainText(), text);
    EXPECT_TRUE(results->isVisible());

    fault.Lift();
    Click(*results, "cmdSaveOutput");
    EXPECT_EQ(platform.Errors.size(), 1U);
    EXPECT_EQ(Contents(target).toStdString(), Results_file_contents(text.toStdString()));
}

INSTANTIATE_TEST_SUITE_P(Faults, Fault_test,
                         ::testing::Values(Fault_kind::Write_protected_folder, Fault_kind::Full_disk,
                                           Fault_kind::Directory_in_the_way),
                         Row_name);

}  // namespace
