// The core's texts (UTF-8: fixed strings, composed lines) as the toolkit's.
#pragma once

#include <QString>

#include <string_view>

inline QString Qt_text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
