// User_messages that records what the input routines ask of it.
#pragma once

#include <string>
#include <vector>

#include "User_messages.h"

class Recording_messages : public User_messages {
public:
    int Beeps = 0;
    std::vector<std::string> Warnings;

    void Beep() override { ++Beeps; }
    void Show_warning(const std::string& text) override { Warnings.push_back(text); }
};
