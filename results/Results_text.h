// The results text from the view for the printer.
#pragma once

#include <QString>

#include <string>

// A text from the view (plain text or a selection) for the printer: UTF-8,
// its line breaks as CR LF.
std::string Printer_text(QString text);
