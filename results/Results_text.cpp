#include "Results_text.h"

#include <QStringList>

QByteArray Results_file_contents(const QString& text)
{
    QStringList lines = text.split(QChar('\n'));
    // The break after the last line opens no line of its own.
    if (lines.back().isEmpty())
        lines.removeLast();
    QByteArray contents;
    for (const QString& line : lines)
        contents += line.toUtf8() + "\r\n";
    return contents;
}

std::string Printer_text(QString text)
{
    // A selection separates its paragraphs with U+2029.
    text.replace(QChar::ParagraphSeparator, QChar('\n'));
    return text.replace(QChar('\n'), QStringLiteral("\r\n")).toStdString();
}
