// The program's icon: built into the program in every size the icon theme
// gets, drawn from voran.svg, and shown by both windows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QTemporaryDir>

#include <algorithm>

#include "Scripted_platform.h"
#include "TemplateForm.h"
#include "TemplateResults.h"
#include "Voran_application.h"

namespace {

const QList<QSize> Icon_sizes = {{16, 16},   {24, 24},   {32, 32},  {48, 48},
                                 {64, 64},   {128, 128}, {256, 256}};

QList<QSize> Sorted(QList<QSize> sizes)
{
    std::sort(sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
    return sizes;
}

TEST(Window_icon, HasAnImageOfEverySizeDrawnFromTheSvg)
{
    const QIcon icon = Program_icon();
    EXPECT_EQ(Sorted(icon.availableSizes()), Icon_sizes);
    for (const QSize size : Icon_sizes) {
        const QImage image = icon.pixmap(size).toImage();
        ASSERT_EQ(image.size(), size);
        // The rounded square's blue near the corner; the curve's white and
        // the limits' yellow cross the middle row.
        EXPECT_EQ(image.pixelColor(size.width() / 8, size.height() / 2).name(), "#2b5d8c") << size.width();
        EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0) << size.width();
    }
}

TEST(Window_icon, BothWindowsShowTheProgramIcon)
{
    Recording_printer printer;
    TfrmTemplateResults results(Test_platform(), printer);
    QTemporaryDir folder;
    TfrmTemplate worksheet(Test_platform(), results, folder.path(), '.');
    EXPECT_FALSE(QApplication::windowIcon().isNull());
    for (QWidget* window : {static_cast<QWidget*>(&worksheet), static_cast<QWidget*>(&results)}) {
        EXPECT_EQ(Sorted(window->windowIcon().availableSizes()), Icon_sizes);
        EXPECT_EQ(window->windowIcon().pixmap(48).toImage(), QApplication::windowIcon().pixmap(48).toImage());
    }
}

}  // namespace
