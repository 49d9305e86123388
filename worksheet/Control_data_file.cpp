#include "Control_data_file.h"

#include <QDir>
#include <QFile>

#include <utility>

#include "Control_data.h"
#include "Program_strings.h"
#include "Save_file.h"

Control_data_file::Control_data_file(QString directory) : directory_(std::move(directory)) {}

QString Control_data_file::Path() const
{
    return QDir::toNativeSeparators(QDir(directory_).filePath(QString::fromStdString(Data_file_name)));
}

void Control_data_file::Save(const std::array<std::string, 8>& entries) const
{
    const std::string text = Control_data_text(entries);
    Save_file(Path(), QByteArray(text.data(), static_cast<qsizetype>(text.size())));
}

std::optional<std::istringstream> Control_data_file::Open_for_reading() const
{
    QFile file(Path());
    if (!file.exists())
        return std::nullopt;
    if (!file.open(QIODevice::ReadOnly))
        throw EIn_out_error(File_error_text("Cannot read file", file));
    const QByteArray contents = file.readAll();
    return std::istringstream(contents.toStdString());
}

void Control_data_file::Remove() const
{
    QFile file(Path());
    if (file.exists() && !file.remove())
        throw EIn_out_error(File_error_text("Cannot delete file", file));
}
