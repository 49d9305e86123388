#include "Save_file.h"

#include <QDir>
#include <QSaveFile>

#include "Control_data.h"

std::string File_error_text(const char* what, const QFileDevice& file)
{
    return QStringLiteral("%1 %2: %3")
        .arg(QString::fromUtf8(what), QDir::toNativeSeparators(file.fileName()), file.errorString())
        .toStdString();
}

void Save_file(const QString& path, const QByteArray& contents)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw EIn_out_error(File_error_text("Cannot write file", file));
    if (file.write(contents) != contents.size() || !file.commit())
        throw EIn_out_error(File_error_text("Cannot write file", file));
}
