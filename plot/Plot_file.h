// The picture as an image file drawn with the toolkit: PNG through QImage,
// SVG through the toolkit-free writer, chosen by the file name's extension.
#pragma once

#include <QByteArray>
#include <QString>

#include <string>

#include "Plot_image_file.h"

// The picture's bytes in the format. A PNG needs a QGuiApplication (for the
// fonts).
QByteArray Plot_image(const Plot_subject& subject, Image_format format);

// Writes the picture to path, replacing the file only after a complete write.
// A name that ends neither in .png nor in .svg raises std::runtime_error; a
// file that cannot be written raises EIn_out_error as "Save Output" does.
void Save_plot_image(const QString& path, const Plot_subject& subject);

// For a program without a window: writes the picture to path as
// Save_plot_image does. A PNG is drawn with a QGuiApplication made for the
// call when there is none, on the offscreen platform whatever
// QT_QPA_PLATFORM names, so that neither a display nor its absence matters;
// Qt's notes on the environment stay off standard error meanwhile.
void Write_plot_file(const std::string& path, const Plot_subject& subject);
