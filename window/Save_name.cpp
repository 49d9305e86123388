#include "Save_name.h"

#include <QFileInfo>

#include "Platform.h"

std::string With_extension(const std::string& file_name, std::string_view extension)
{
    const auto start = file_name.rfind('/');
    if (file_name.find('.', start == std::string::npos ? 0 : start + 1) != std::string::npos)
        return file_name;
    return file_name + "." + std::string(extension);
}

std::optional<std::string> Completed_save_name(Platform& platform, const std::optional<std::string>& chosen,
                                               std::string_view extension)
{
    if (!chosen)
        return std::nullopt;
    std::string name = With_extension(*chosen, extension);
    if (name != *chosen && QFileInfo::exists(QString::fromStdString(name)) &&
        !platform.Confirm(name + " already exists.\rDo you want to replace it?"))
        return std::nullopt;
    return name;
}
