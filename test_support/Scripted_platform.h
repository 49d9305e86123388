// A Platform for the widget tests: it records every beep, message and dialog
// and answers confirmations and the save dialog from a script, so no test
// ever blocks on a modal box.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "Platform.h"
#include "Results_printer.h"

class Scripted_platform : public Platform {
public:
    int Beeps = 0;
    std::vector<std::string> Warnings;
    std::vector<std::string> Errors;
    std::vector<std::string> Questions;
    int Save_dialogs = 0;
    // The proposed name and the filter of each dialog asked with them.
    std::vector<std::pair<std::string, std::string>> Proposed_saves;

    // The answers to the next confirmations (No when none is left) and the
    // name the save dialog returns (cancel when empty).
    std::deque<bool> Answers;
    std::optional<std::string> File_name;

    void Beep() override { ++Beeps; }
    void Show_warning(const std::string& text) override { Warnings.push_back(text); }
    void Show_error(const std::string& text) override { Errors.push_back(text); }
    bool Confirm(const std::string& text) override
    {
        Questions.push_back(text);
        if (Answers.empty())
            return false;
        const bool answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    std::optional<std::string> Ask_save_file_name() override
    {
        ++Save_dialogs;
        return File_name;
    }
    std::optional<std::string> Ask_save_file_name_for(const std::string& proposed_name,
                                                      const std::string& filter) override
    {
        ++Save_dialogs;
        Proposed_saves.emplace_back(proposed_name, filter);
        return File_name;
    }
};

// The platform that the tests' application reports its errors to; each test
// starts with a fresh record.
Scripted_platform& Test_platform();

class Recording_printer : public Results_printer {
public:
    std::vector<std::string> Jobs;
    std::vector<std::string> Pdf_texts;
    void Print(const std::string& text) override { Jobs.push_back(text); }
    // Records the text; the document is "PDF of " and the text.
    std::string Pdf_document(const std::string& text) override
    {
        Pdf_texts.push_back(text);
        return "PDF of " + text;
    }
};
