// The picture as files: the SVG's texts hold the numbers as the report prints
// them, the PNG has ink where the curve is and grey where the tail is shaded,
// and a file is written by its name's extension or not at all.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <cmath>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "In_out_error.h"
#include "Plot_file.h"
#include "Plot_geometry.h"
#include "Plot_painter.h"
#include "Plot_svg.h"

namespace {

Plot_subject Subject(Limits limits, char separator, double A = 50, double B = 30)
{
    const Comparison_request request{10, 20, A, B, limits, 95};
    return Program_plot_subject(request, Compare_two_cases(request), separator);
}

// The texts of the SVG's <text> elements, and its title and description.
struct Svg_texts {
    std::vector<std::string> Texts;
    std::string Title;
    std::string Description;
};

Svg_texts Read_svg(const QByteArray& svg)
{
    Svg_texts read;
    QXmlStreamReader reader(svg);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString name = reader.name().toString();
        if (name == "text")
            read.Texts.push_back(reader.readElementText(QXmlStreamReader::IncludeChildElements).toStdString());
        else if (name == "title")
            read.Title = reader.readElementText().toStdString();
        else if (name == "desc")
            read.Description = reader.readElementText().toStdString();
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return read;
}

bool Holds(const std::vector<std::string>& texts, const std::string& part)
{
    for (const std::string& text : texts)
        if (text.find(part) != std::string::npos)
            return true;
    return false;
}

struct Svg_row {
    std::string Name;
    Limits Limits_kind;
    char Separator;
    double A, B;
    std::vector<std::string> Printed;
};

void PrintTo(const Svg_row& row, std::ostream* os) { *os << row.Name; }

class Svg_of : public testing::TestWithParam<Svg_row> {};

TEST_P(Svg_of, TextsHoldThePrintedNumbers)
{
    const Svg_row& row = GetParam();
    const Plot_subject subject = Subject(row.Limits_kind, row.Separator, row.A, row.B);
    const Svg_texts svg = Read_svg(Plot_image(subject, Image_format::Svg));
    for (const std::string& number : row.Printed) {
        EXPECT_TRUE(Holds(svg.Texts, number)) << number;
        EXPECT_NE(svg.Description.find(number), std::string::npos) << number;
    }
    EXPECT_TRUE(Holds(svg.Texts, subject.Title));
    EXPECT_EQ(svg.Title, subject.Title);
}

INSTANTIATE_TEST_SUITE_P(
    Worked_example, Svg_of,
    testing::Values(
        Svg_row{"Two_sided", Limits::Two_sided, '.', 50, 30,
                {"20.000", "0.086739", "8.6739%", "1.414", "0.968 to 1.860", "14.142"}},
        Svg_row{"Comma", Limits::Two_sided, ',', 50, 30,
                {"20,000", "0,086739", "8,6739%", "1,414", "0,968 to 1,860", "14,142"}},
        Svg_row{"Lower", Limits::Lower, '.', 50, 30, {"1.414", "1.032", "8.6739%"}},
        Svg_row{"Upper", Limits::Upper, '.', 50, 30, {"1.414", "1.781"}},
        Svg_row{"Exchanged", Limits::Two_sided, '.', 30, 50, {"-20.000", "0.086739", "-1.860 to -0.968"}}),
    [](const testing::TestParamInfo<Svg_row>& info) { return info.param.Name; });

TEST(Svg_of_ticks, EveryTickLabelIsAText)
{
    const Plot_subject subject = Subject(Limits::Two_sided, '.');
    const Svg_texts svg = Read_svg(Plot_image(subject, Image_format::Svg));
    const Plot_picture picture = Lay_out_plot(subject, Image_width, Image_height);
    for (const Plot_axis* axis : {&picture.Raw_axis, &picture.Density_axis, &picture.Effect_axis})
        for (const Plot_label& label : axis->Tick_labels)
            EXPECT_TRUE(Holds(svg.Texts, label.Text)) << label.Text;
}

// The darkness of a pixel: 0 for white, 255 for black.
int Ink(const QImage& image, double x, double y)
{
    return 255 - qGray(image.pixel(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))));
}

class Png_picture : public testing::Test {
protected:
    Plot_subject subject_ = Subject(Limits::Two_sided, '.');
    QImage image_ = QImage::fromData(Plot_image(subject_, Image_format::Png), "PNG");
    Plot_picture picture_ = Lay_out_plot(subject_, Image_width, Image_height);
    static constexpr double k = Png_pixels_per_unit;
};

TEST_F(Png_picture, HasTheSavedSize)
{
    ASSERT_FALSE(image_.isNull());
    EXPECT_EQ(image_.width(), static_cast<int>(Image_width * k));
    EXPECT_EQ(image_.height(), static_cast<int>(Image_height * k));
}

TEST_F(Png_picture, HasInkWhereTheCurveIs)
{
    ASSERT_FALSE(image_.isNull());
    int inked = 0;
    for (const Plot_point& point : picture_.Curve)
        inked += Ink(image_, point.X * k, point.Y * k) > 160;
    EXPECT_EQ(inked, static_cast<int>(picture_.Curve.size()));
}

// Half-way between the baseline and the curve: grey beyond d, white on the
// other side (at -d), and white well above the curve's peak.
TEST_F(Png_picture, ShadesOnlyTheTailBeyondD)
{
    ASSERT_FALSE(image_.isNull());
    const auto half_way_under_curve = [this](double raw) {
        const double x = picture_.Raw_x.Position(raw);
        // The curve's y at x, from the nearest curve point.
        const Plot_point* nearest = &picture_.Curve.front();
        for (const Plot_point& p : picture_.Curve)
            if (std::abs(p.X - x) < std::abs(nearest->X - x))
                nearest = &p;
        return Plot_point{x, (nearest->Y + picture_.Area_bottom_right.Y) / 2};
    };
    const Plot_point beyond = half_way_under_curve(25);
    const Plot_point other_side = half_way_under_curve(-25);
    EXPECT_GT(Ink(image_, beyond.X * k, beyond.Y * k), 25) << "the tail beyond d is shaded";
    EXPECT_LT(Ink(image_, beyond.X * k, beyond.Y * k), 160) << "the shade is light";
    EXPECT_EQ(Ink(image_, other_side.X * k, other_side.Y * k), 0) << "the other side is white";
}

// The SVG writer draws what the QPainter renderer draws: the SVG rasterised
// by librsvg (as a browser would show it) and the painter's picture, both at
// one pixel per unit, agree on every element of the layout (probed where the
// layout puts it) and nearly everywhere else (text edges may differ).
class Svg_and_painter : public testing::TestWithParam<Svg_row> {
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable("rsvg-convert").isEmpty())
            GTEST_SKIP() << "rsvg-convert (Debian's librsvg2-bin) is not installed";
    }

    static QImage White()
    {
        QImage image(static_cast<int>(Image_width), static_cast<int>(Image_height), QImage::Format_RGB32);
        image.fill(Qt::white);
        return image;
    }

    // The SVG as rsvg-convert draws it, on white.
    static QImage Rasterised(const std::string& svg)
    {
        QProcess convert;
        convert.start("rsvg-convert", {"--background-color=white", "--format=png"});
        convert.write(svg.data(), static_cast<qint64>(svg.size()));
        convert.closeWriteChannel();
        EXPECT_TRUE(convert.waitForFinished(-1));
        EXPECT_EQ(convert.exitCode(), 0) << convert.readAllStandardError().toStdString();
        return QImage::fromData(convert.readAllStandardOutput(), "PNG").convertToFormat(QImage::Format_RGB32);
    }
};

TEST_P(Svg_and_painter, DrawTheSamePicture)
{
    const Svg_row& row = GetParam();
    const Plot_subject subject = Subject(row.Limits_kind, row.Separator, row.A, row.B);
    QImage painted = White();
    {
        QPainter painter(&painted);
        Paint_plot_scaled(painter, subject, Image_width, Image_height, 1);
    }
    const QImage drawn = Rasterised(Plot_svg(subject, Image_width, Image_height));
    ASSERT_EQ(drawn.size(), painted.size());

    const Plot_picture picture = Lay_out_plot(subject, Image_width, Image_height);
    std::vector<Plot_point> probes = picture.Curve;
    const auto middle = [](const Plot_segment& s) { return Plot_point{(s.From.X + s.To.X) / 2, (s.From.Y + s.To.Y) / 2}; };
    for (const Plot_axis* axis : {&picture.Raw_axis, &picture.Density_axis, &picture.Effect_axis}) {
        probes.push_back(middle(axis->Line));
        for (const Plot_segment& tick : axis->Tick_marks)
            probes.push_back(middle(tick));
    }
    const Plot_interval& bar = picture.Effect_interval;
    for (const double x : {bar.Lower_x + 2, (bar.Lower_x + bar.Upper_x) / 2, bar.Upper_x - 2, bar.Estimate_x})
        probes.push_back({x, bar.Y});
    // Inside the shaded tail, half-way down from the curve.
    for (std::size_t i = 10; i + 10 < picture.Shaded.size(); i += 20)
        probes.push_back({picture.Shaded[i].X, (picture.Shaded[i].Y + picture.Area_bottom_right.Y) / 2});
    for (const Plot_point& p : probes)
        EXPECT_NEAR(Ink(painted, p.X, p.Y), Ink(drawn, p.X, p.Y), 64) << "at " << p.X << ", " << p.Y;

    // Averaged over 4 x 4 pixels, hinting differences fade; a missing or
    // shifted label, line or shade does not.
    const QSize cells = painted.size() / 4;
    const QImage painted_cells = painted.scaled(cells, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage drawn_cells = drawn.scaled(cells, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    int differing = 0;
    for (int y = 0; y < cells.height(); ++y)
        for (int x = 0; x < cells.width(); ++x)
            differing += std::abs(qGray(painted_cells.pixel(x, y)) - qGray(drawn_cells.pixel(x, y))) > 32;
    EXPECT_LT(differing, cells.width() * cells.height() / 400) << "cells that differ";
}

INSTANTIATE_TEST_SUITE_P(
    Worked_example, Svg_and_painter,
    testing::Values(Svg_row{"Two_sided", Limits::Two_sided, '.', 50, 30, {}},
                    Svg_row{"Lower_comma", Limits::Lower, ',', 50, 30, {}},
                    Svg_row{"Upper_exchanged", Limits::Upper, '.', 30, 50, {}}),
    [](const testing::TestParamInfo<Svg_row>& info) { return info.param.Name; });

TEST(Image_format, ChosenByTheExtensionInAnyCase)
{
    EXPECT_EQ(Image_format_of("plot.png"), Image_format::Png);
    EXPECT_EQ(Image_format_of("/tmp/a.b/Plot.PNG"), Image_format::Png);
    EXPECT_EQ(Image_format_of("plot.svg"), Image_format::Svg);
    EXPECT_EQ(Image_format_of("plot.Svg"), Image_format::Svg);
    EXPECT_EQ(Image_format_of("plot.jpg"), std::nullopt);
    EXPECT_EQ(Image_format_of("png"), std::nullopt);
    EXPECT_EQ(Image_format_of("plot.png.txt"), std::nullopt);
    EXPECT_EQ(Image_file_filter(), "*.png *.svg");
}

class Saved_plot : public testing::Test {
protected:
    QTemporaryDir directory_;
    Plot_subject subject_ = Subject(Limits::Two_sided, '.');

    QByteArray Contents(const QString& path) const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(Saved_plot, PngAndSvgByExtension)
{
    const QString png = directory_.filePath("plot.PNG");
    const QString svg = directory_.filePath("plot with blank.svg");
    Save_plot_image(png, subject_);
    Save_plot_image(svg, subject_);
    EXPECT_FALSE(QImage::fromData(Contents(png), "PNG").isNull());
    EXPECT_TRUE(Contents(svg).contains("<svg"));
    EXPECT_TRUE(Contents(svg).contains("0.086739"));
}

TEST_F(Saved_plot, OtherExtensionIsRefusedAndNothingIsWritten)
{
    const QString path = directory_.filePath("plot.jpg");
    EXPECT_THROW(Save_plot_image(path, subject_), std::runtime_error);
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(Saved_plot, MissingFolderRaisesTheFileErrorAndKeepsNothing)
{
    const QString path = directory_.filePath("missing/plot.svg");
    try {
        Save_plot_image(path, subject_);
        FAIL() << "no error";
    } catch (const EIn_out_error& error) {
        EXPECT_NE(std::string(error.what()).find("Cannot write file " + QDir::toNativeSeparators(path).toStdString()),
                  std::string::npos)
            << error.what();
    }
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(Saved_plot, WriteForAProgramWithoutWindowUsesTheApplicationThere)
{
    for (const char* name : {"plot.svg", "plot.png"}) {
        const QString path = directory_.filePath(name);
        Write_plot_file(path.toStdString(), subject_);
        EXPECT_EQ(Contents(path), Plot_image(subject_, *Image_format_of(name))) << name;
    }
}

}  // namespace
