// "Save Output" and "Save as PDF..." onto a name where a FIFO or a link to a
// FIFO stands (the save dialog has asked "Replace?" and the user said yes):
// the save is refused with the error report's message, the FIFO stays as it
// was, and the results text and window are unchanged. (The safe writer's own
// tests hold the other kinds: sockets, devices, folders.)
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QDir>

#include <filesystem>
#include <ostream>
#include <string>

#include "In_out_error.h"
#include "Worksheet_fixture.h"

namespace {

namespace fs = std::filesystem;

struct Special_save_row {
    const char* Name;
    const char* File;
    bool Pdf;  // "Save as PDF..." rather than "Save Output"
    bool Through_a_link;
};

void PrintTo(const Special_save_row& row, std::ostream* os) { *os << row.Name; }

class Special_file_save : public Worksheet_fixture, public ::testing::WithParamInterface<Special_save_row> {};

TEST_P(Special_file_save, IsRefusedAndChangesNothing)
{
    const Special_save_row& row = GetParam();
    const fs::path chosen = fs::path(directory.path().toStdString()) / row.File;
    const fs::path special = row.Through_a_link ? chosen.parent_path() / "special" : chosen;
    ASSERT_EQ(::mkfifo(special.c_str(), 0600), 0);
    if (row.Through_a_link)
        fs::create_symlink(special, chosen);

    Start();
    Compute("10", "20", "50", "30");
    ASSERT_TRUE(results->isVisible());
    const QString text = Results_text()->toPlainText();
    platform.File_name = chosen.string();
    if (row.Pdf) {
        // The menu entry's handler, as the menu calls it; its error reaches
        // the same report as the button's.
        try {
            results->mnuSavePdfClick();
        } catch (const EIn_out_error& error) {
            platform.Errors.push_back(error.what() + std::string("."));
        }
    } else {
        Click(*results, "cmdSaveOutput");
    }

    ASSERT_EQ(platform.Errors.size(), 1U);
    EXPECT_EQ(platform.Errors.front(),
              "Cannot write file " + QDir::toNativeSeparators(QString::fromStdString(chosen.string())).toStdString() +
                  ": not a regular file.");
    EXPECT_EQ(fs::symlink_status(special).type(), fs::file_type::fifo);
    if (row.Through_a_link) {
        EXPECT_EQ(fs::symlink_status(chosen).type(), fs::file_type::symlink);
    }
    EXPECT_EQ(Results_text()->toPlainText(), text);
    EXPECT_TRUE(results->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Names, Special_file_save,
    ::testing::Values(Special_save_row{"Save_output_onto_a_fifo", "results.txt", false, false},
                      Special_save_row{"Save_output_onto_a_link_to_a_fifo", "results.txt", false, true},
                      Special_save_row{"Pdf_onto_a_fifo", "results.pdf", true, false},
                      Special_save_row{"Pdf_onto_a_link_to_a_fifo", "results.pdf", true, true}),
    [](const ::testing::TestParamInfo<Special_save_row>& info) { return std::string(info.param.Name); });

}  // namespace
