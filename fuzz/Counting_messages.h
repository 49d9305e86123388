// User_messages for the fuzz targets: counts beeps and warnings and keeps the
// last warning.
#pragma once

#include <string>

#include "User_messages.h"

class Counting_messages : public User_messages {
public:
    void Beep() override { ++Beeps; }
    void Show_warning(const std::string& text) override
    {
        ++Warnings;
        Last_warning = text;
    }

    int Beeps = 0;
    int Warnings = 0;
    std::string Last_warning;
};
