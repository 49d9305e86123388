#include "Save_file.h"

#include <QDir>
#include <QSaveFile>

#include "In_out_error.h"

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
    // The buffer is flushed and checked here: a failure of the flush inside
    // commit() would not stop the incomplete file from replacing the target.
    // Without commit() the temporary file is discarded.
    if (file.write(contents) != contents.size() || !file.flush() || !file.commit())
        throw EIn_out_error(File_error_text("Cannot write file", file));
}
