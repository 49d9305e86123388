#include "Plot_file.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <algorithm>
#include <cstdio>
#include <cctype>
#include <cmath>
#include <memory>
#include <stdexcept>

#include "Plot_painter.h"
#include "Plot_texts.h"
#include "Program_strings.h"
#include "Save_file.h"

namespace {

constexpr double Screen_dpi = 96;
constexpr double Inches_per_metre = 1 / 0.0254;

QByteArray Png_image(const Plot_subject& subject)
{
    QImage image(static_cast<int>(Image_width * Png_pixels_per_unit),
                 static_cast<int>(Image_height * Png_pixels_per_unit), QImage::Format_RGB32);
    // Printed at the picture's size: 96 plot units to the inch.
    const auto dots_per_metre = static_cast<int>(std::lround(Screen_dpi * Png_pixels_per_unit * Inches_per_metre));
    image.setDotsPerMeterX(dots_per_metre);
    image.setDotsPerMeterY(dots_per_metre);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        Paint_plot_scaled(painter, subject, image.width(), image.height(), Png_pixels_per_unit);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        throw std::runtime_error("The picture could not be encoded as PNG");
    return bytes;
}

QByteArray Svg_image(const Plot_subject& subject)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(static_cast<int>(Image_width), static_cast<int>(Image_height)));
    generator.setViewBox(QRectF(0, 0, Image_width, Image_height));
    generator.setResolution(static_cast<int>(Screen_dpi));
    generator.setTitle(QString::fromStdString(subject.Title));
    generator.setDescription(QString::fromStdString(Texts_for(subject).Description));
    {
        QPainter painter(&generator);
        Paint_plot_scaled(painter, subject, Image_width, Image_height, 1);
    }
    return bytes;
}

}  // namespace

std::string Image_file_filter()
{
    std::string filter;
    for (const Image_format_names& names : Image_format_table)
        filter += (filter.empty() ? "*." : " *.") + std::string(names.Extension);
    return filter;
}

std::optional<Image_format> Image_format_of(const std::string& file_name)
{
    const auto dot = file_name.rfind('.');
    if (dot == std::string::npos)
        return std::nullopt;
    std::string extension = file_name.substr(dot + 1);
    std::ranges::transform(extension, extension.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const Image_format_names& names : Image_format_table)
        if (extension == names.Extension)
            return names.Value;
    return std::nullopt;
}

QByteArray Plot_image(const Plot_subject& subject, Image_format format)
{
    return format == Image_format::Png ? Png_image(subject) : Svg_image(subject);
}

void Save_plot_image(const QString& path, const Plot_subject& subject)
{
    const std::optional<Image_format> format = Image_format_of(path.toStdString());
    if (!format)
        throw std::runtime_error("The picture's file name must end in .png or .svg: " + path.toStdString());
    Save_file(path, Plot_image(subject, *format));
}

Plot_subject Program_plot_subject(const Comparison_request& request, const Comparison_result& result,
                                  char decimal_separator)
{
    return {std::string(Program_title), request, result, decimal_separator};
}

void Write_plot_file(const std::string& path, const Comparison_request& request, const Comparison_result& result,
                     char decimal_separator)
{
    // A command-line program's standard error is its user's: Qt's notes on
    // the environment (no runtime folder, the offscreen platform's
    // limitations) stay off it while the picture is made here; failures
    // still arrive as exceptions.
    struct Quiet_qt {
        QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext&, const QString& message) {
                if (type == QtCriticalMsg || type == QtFatalMsg)
                    fprintf(stderr, "%s\n", qPrintable(message));
            });
        ~Quiet_qt() { qInstallMessageHandler(previous); }
    };
    std::optional<Quiet_qt> quiet;
    std::unique_ptr<QGuiApplication> application;
    if (QGuiApplication::instance() == nullptr) {
        quiet.emplace();
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "voran-report";
        static char* argv[] = {name, nullptr};
        application = std::make_unique<QGuiApplication>(argc, argv);
    }
    Save_plot_image(QString::fromStdString(path), Program_plot_subject(request, result, decimal_separator));
}
