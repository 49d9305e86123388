// The plot window driven headless: the picture of the last comparison at
// every size and scale factor, "Save Image...", "Print" and "Close", and the
// accessible description; the picture printed on a PDF printer.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "In_out_error.h"
#include "Picture_printer.h"
#include "Plot_file.h"
#include "Plot_geometry.h"
#include "Plot_window.h"
#include "Scripted_platform.h"

namespace {

class Recording_picture_printer : public Picture_printer {
public:
    std::vector<Plot_subject> Jobs;
    void Print(const Plot_subject& subject) override { Jobs.push_back(subject); }
};

const Comparison_request Worked_example{10, 20, 50, 30, Limits::Two_sided, 95};

// The darkest grey level of the pixels next to (x, y), in device pixels.
int Darkest_near(const QImage& image, double x, double y)
{
    int darkest = 255;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            darkest = std::min(darkest, qGray(image.pixel(static_cast<int>(x) + dx, static_cast<int>(y) + dy)));
    return darkest;
}

class Plot_window : public testing::Test {
protected:
    Scripted_platform& platform_ = Test_platform();
    Recording_picture_printer printer_;
    TfrmPlot window_{platform_, printer_, ','};
    QTemporaryDir directory_;

    void Compare(const Comparison_request& request = Worked_example)
    {
        window_.Comparison_made(request, Compare_two_cases(request));
    }

    QPushButton* Button(const char* name)
    {
        auto* button = window_.findChild<QPushButton*>(name);
        EXPECT_NE(button, nullptr) << name;
        return button;
    }

    QWidget* View() { return window_.findChild<QWidget*>("Plot_view"); }

    // The view as drawn at its present size and the given scale factor.
    QImage Drawn_view(double scale)
    {
        QImage image(View()->size() * scale, QImage::Format_RGB32);
        image.setDevicePixelRatio(scale);
        image.fill(Qt::red);
        View()->render(&image);
        return image;
    }
};

TEST_F(Plot_window, OpensAtAbout800By500)
{
    window_.Show_window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
    // The test's screen is 800 pixels wide; the window with its frame (2
    // pixels a side) is made as wide as fits.
    EXPECT_NEAR(View()->width(), 800, 4);
    EXPECT_NEAR(View()->height(), 500, 2);
    EXPECT_EQ(window_.windowTitle().toStdString(), "Plot of the last comparison");
}

TEST_F(Plot_window, EachComparisonReplacesThePictureAndIsAnnounced)
{
    QSignalSpy announced(&window_, &TfrmPlot::Comparison_available);
    EXPECT_FALSE(window_.Subject().has_value());
    Compare();
    Compare({2, 3, 10, 12, Limits::Lower, 95});
    EXPECT_EQ(announced.count(), 2);
    ASSERT_TRUE(window_.Subject().has_value());
    EXPECT_EQ(window_.Subject()->Request.N, 3);
    EXPECT_EQ(window_.Subject()->Decimal_separator, ',');
}

TEST_F(Plot_window, ComparisonThatCannotBeDrawnIsRefusedOnceAndThePictureKept)
{
    Compare();
    QSignalSpy announced(&window_, &TfrmPlot::Comparison_available);
    Comparison_result broken = Compare_two_cases(Worked_example);
    broken.Raw_difference = std::numeric_limits<Extended>::infinity();
    EXPECT_THROW(window_.Comparison_made(Worked_example, broken), std::invalid_argument);
    EXPECT_EQ(announced.count(), 0);
    ASSERT_TRUE(window_.Subject().has_value());
    EXPECT_EQ(window_.Subject()->Result.Raw_difference, 20);
}

TEST_F(Plot_window, AccessibleDescriptionStatesTheNumbers)
{
    Compare();
    const std::string description = View()->accessibleDescription().toStdString();
    for (const char* number : {"20,000", "8,6739%", "0,086739", "1,414", "0,968 to 1,860"})
        EXPECT_NE(description.find(number), std::string::npos) << number << " in " << description;
    EXPECT_EQ(window_.accessibleDescription(), View()->accessibleDescription());
}

// Drawn at each size and scale factor, the curve's peak is inked where the
// layout for that size puts it, and the white background covers the view.
TEST_F(Plot_window, RedrawsAtEverySizeAndScale)
{
    Compare();
    window_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
    const QSize smallest(static_cast<int>(Plot_minimum_width), static_cast<int>(Plot_minimum_height));
    for (const QSize size : {QSize(800, 500), QSize(1200, 500), QSize(500, 700), smallest}) {
        window_.resize(size + (window_.size() - View()->size()));
        QCoreApplication::processEvents();
        ASSERT_EQ(View()->size(), size);
        const Plot_picture picture = Lay_out_plot(*window_.Subject(), size.width(), size.height());
        const Plot_point peak = picture.Curve[picture.Curve.size() / 2];
        for (const double scale : {1.0, 1.5, 2.0}) {
            const QImage image = Drawn_view(scale);
            EXPECT_LT(Darkest_near(image, peak.X * scale, peak.Y * scale), 100)
                << size.width() << "x" << size.height() << " at " << scale;
            EXPECT_EQ(image.pixel(2, 2), qRgb(255, 255, 255)) << "background at " << scale;
        }
    }
}

TEST_F(Plot_window, SaveImageProposesPlotPngAndWritesByExtension)
{
    Compare();
    const QString path = directory_.filePath("picture.svg");
    platform_.File_name = path.toStdString();
    QTest::mouseClick(Button("cmdSaveImage"), Qt::LeftButton);
    ASSERT_EQ(platform_.Proposed_saves.size(), 1u);
    EXPECT_EQ(platform_.Proposed_saves[0].first, "plot.png");
    EXPECT_EQ(platform_.Proposed_saves[0].second, "*.png *.svg");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("0,086739"));

    // The next dialog proposes the name chosen last.
    platform_.File_name = std::nullopt;
    QTest::mouseClick(Button("cmdSaveImage"), Qt::LeftButton);
    ASSERT_EQ(platform_.Proposed_saves.size(), 2u);
    EXPECT_EQ(platform_.Proposed_saves[1].first, path.toStdString());
}

TEST_F(Plot_window, NameWithoutExtensionIsSavedAsPng)
{
    Compare();
    platform_.File_name = directory_.filePath("picture").toStdString();
    window_.cmdSaveImageClick();
    QFile file(directory_.filePath("picture.png"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(8), QByteArray("\x89PNG\r\n\x1a\n", 8));
    EXPECT_FALSE(QFile::exists(directory_.filePath("picture")));
    EXPECT_TRUE(platform_.Questions.empty());
    // The next dialog proposes the name as saved.
    window_.cmdSaveImageClick();
    EXPECT_EQ(platform_.Proposed_saves.back().first, directory_.filePath("picture.png").toStdString());
}

// The dialog asked about "picture", not "picture.png": the window asks.
TEST_F(Plot_window, NameThatGainsItsExtensionAsksBeforeReplacing)
{
    Compare();
    const QString path = directory_.filePath("picture.png");
    {
        QFile existing(path);
        ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
        existing.write("kept");
    }
    platform_.File_name = directory_.filePath("picture").toStdString();
    platform_.Answers = {false};
    window_.cmdSaveImageClick();
    ASSERT_EQ(platform_.Questions.size(), 1u);
    EXPECT_EQ(platform_.Questions[0], path.toStdString() + " already exists.\rDo you want to replace it?");
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("kept"));
    kept.close();

    platform_.Answers = {true};
    window_.cmdSaveImageClick();
    QFile replaced(path);
    ASSERT_TRUE(replaced.open(QIODevice::ReadOnly));
    EXPECT_EQ(replaced.read(4), QByteArray("\x89PNG", 4));
}

TEST_F(Plot_window, CancelledSaveWritesNothing)
{
    Compare();
    platform_.File_name = std::nullopt;
    window_.cmdSaveImageClick();
    EXPECT_EQ(platform_.Save_dialogs, 1);
    EXPECT_TRUE(QDir(directory_.path()).isEmpty());
}

TEST_F(Plot_window, SaveIntoAMissingFolderRaisesTheFileError)
{
    Compare();
    platform_.File_name = directory_.filePath("missing/plot.png").toStdString();
    EXPECT_THROW(window_.cmdSaveImageClick(), EIn_out_error);
}

TEST_F(Plot_window, SaveOntoAFifoIsRefusedAndKeepsIt)
{
    Compare();
    const QString fifo = directory_.filePath("plot.png");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    platform_.File_name = fifo.toStdString();
    EXPECT_THROW(window_.cmdSaveImageClick(), EIn_out_error);
    EXPECT_TRUE(QFileInfo(fifo).exists());
    EXPECT_FALSE(QFileInfo(fifo).isFile());
}

TEST_F(Plot_window, PrintHandsThePictureToThePrinter)
{
    Compare();
    QTest::mouseClick(Button("cmdPrint"), Qt::LeftButton);
    ASSERT_EQ(printer_.Jobs.size(), 1u);
    EXPECT_EQ(printer_.Jobs[0].Result.P_one_tailed, window_.Subject()->Result.P_one_tailed);
}

TEST_F(Plot_window, ReturnPressesTheFocusedButton)
{
    Compare();
    window_.Show_window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
    Button("cmdPrint")->setFocus();
    QTest::keyClick(Button("cmdPrint"), Qt::Key_Return);
    EXPECT_EQ(printer_.Jobs.size(), 1u);
}

TEST_F(Plot_window, EscapeClosesTheWindow)
{
    Compare();
    window_.Show_window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
    QTest::keyClick(Button("cmdPrint"), Qt::Key_Escape);
    EXPECT_FALSE(window_.isVisible());
    EXPECT_TRUE(printer_.Jobs.empty());
}

// Each time it opens, whichever button had the focus before.
TEST_F(Plot_window, OpensWithTheFocusOnSaveImage)
{
    Compare();
    for (const char* focused_before : {"cmdClose", "cmdPrint"}) {
        window_.Show_window();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
        EXPECT_EQ(window_.focusWidget(), Button("cmdSaveImage")) << "after " << focused_before;
        Button(focused_before)->setFocus();
        window_.close();
    }
}

TEST_F(Plot_window, CloseHidesTheWindowWithoutEndingTheProgram)
{
    Compare();
    window_.Show_window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
    QTest::mouseClick(Button("cmdClose"), Qt::LeftButton);
    EXPECT_FALSE(window_.isVisible());
    EXPECT_FALSE(window_.testAttribute(Qt::WA_QuitOnClose));
}

std::string Pdf_text(const QString& pdf)
{
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(
        popen(("pdftotext -enc UTF-8 '" + pdf.toStdString() + "' - 2>/dev/null").c_str(), "r"), pclose);
    std::string text;
    char buffer[4096];
    for (std::size_t n; pipe && (n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0;)
        text.append(buffer, n);
    return text;
}

TEST(Picture_print, OnePageWithThePrintedNumbers)
{
    if (std::system("pdftotext -v >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "pdftotext (poppler-utils) is missing";
    QTemporaryDir directory;
    const QString path = directory.filePath("plot.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageOrientation(QPageLayout::Landscape);
    Print_picture(printer, Program_plot_subject(Worked_example, Compare_two_cases(Worked_example), '.'));
    const std::string text = Pdf_text(path);
    for (const char* number : {"20.000", "0.086739", "8.6739%", "0.968 to 1.860"})
        EXPECT_NE(text.find(number), std::string::npos) << number << " in " << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), 1) << "one page";
}

TEST(Picture_print, NoDefaultPrinterIsAnError)
{
    const Comparison_result result = Compare_two_cases(Worked_example);
    try {
        Make_default_picture_printer()->Print(Program_plot_subject(Worked_example, result, '.'));
        FAIL() << "printed without a printer";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "There is no default printer currently selected");
    }
}

}  // namespace
