// The results text as lines. The view holds each line followed by a line
// break, so a text that ends in a break has no further, empty line after it
// (an empty text has no line at all).
#pragma once

#include <QByteArray>
#include <QString>

#include <string>

// The file that "Save Output" writes: every line of the text followed by
// CR LF, in UTF-8. Lines that the view merely wraps stay whole.
QByteArray Results_file_contents(const QString& text);

// A text from the view (plain text or a selection) for the printer: UTF-8,
// its line breaks as CR LF.
std::string Printer_text(QString text);
