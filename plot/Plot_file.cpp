#include "Plot_file.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>
#include <stdexcept>

#include "Plot_painter.h"
#include "Plot_svg.h"
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

}  // namespace

QByteArray Plot_image(const Plot_subject& subject, Image_format format)
{
    if (format == Image_format::Png)
        return Png_image(subject);
    const std::string svg = Plot_svg(subject, Image_width, Image_height);
    return {svg.data(), static_cast<qsizetype>(svg.size())};
}

void Save_plot_image(const QString& path, const Plot_subject& subject)
{
    const std::string name = QFile::encodeName(path).toStdString();
    Save_file(name, Plot_image(subject, Required_image_format(name)).toStdString());
}

void Write_plot_file(const std::string& path, const Plot_subject& subject)
{
    const QString name = QString::fromStdString(path);
    if (Required_image_format(path) == Image_format::Svg) {
        Save_plot_image(name, subject);
        return;
    }
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
        // The command line's -platform outranks QT_QPA_PLATFORM: a platform
        // that needs a display (xcb without DISPLAY) would end the program.
        // The offscreen platform comes with Qt's GUI library itself.
        static int argc = 3;
        static char name[] = "voran-report";
        static char platform_option[] = "-platform";
        static char platform[] = "offscreen";
        static char* argv[] = {name, platform_option, platform, nullptr};
        application = std::make_unique<QGuiApplication>(argc, argv);
    }
    Save_plot_image(name, subject);
}
