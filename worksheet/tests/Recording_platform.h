// A Platform that records what the routines ask of it, for the tests.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Platform.h"

class Recording_platform : public Platform {
public:
    int Beeps = 0;
    std::vector<std::string> Warnings;

    void Beep() override { ++Beeps; }
    void Show_warning(const std::string& text) override { Warnings.push_back(text); }
    bool Confirm(const std::string&) override { return false; }
    void Show_error(const std::string& text) override { Warnings.push_back(text); }
    std::optional<std::string> Ask_save_file_name() override { return std::nullopt; }
};
