// A platform for the fuzz targets: counts beeps and warnings and keeps the
// last warning; it never answers a question (no target asks one).
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

#include "Platform.h"

class Counting_platform : public Platform {
public:
    void Beep() override { ++Beeps; }
    void Show_warning(const std::string& text) override
    {
        ++Warnings;
        Last_warning = text;
    }
    bool Confirm(const std::string&) override { std::abort(); }
    void Show_error(const std::string&) override { std::abort(); }
    std::optional<std::string> Ask_save_file_name() override { std::abort(); }

    int Beeps = 0;
    int Warnings = 0;
    std::string Last_warning;
};
