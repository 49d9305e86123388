#include "Results_text.h"

std::string Printer_text(QString text)
{
    // A selection separates its paragraphs with U+2029.
    text.replace(QChar::ParagraphSeparator, QChar('\n'));
    return text.replace(QChar('\n'), QStringLiteral("\r\n")).toStdString();
}
