// The platform layer realised with Qt: message boxes, beep and the save
// dialog, each modal and parented to the active window.
#pragma once

#include <QString>

#include "Platform.h"
#include "Program_strings.h"

class Qt_platform : public Platform {
public:
    void Beep() override;
    void Show_warning(const std::string& text) override;
    bool Confirm(const std::string& text) override;
    void Show_error(const std::string& text) override;
    std::optional<std::string> Ask_save_file_name() override;
    std::optional<std::string> Ask_save_file_name_for(const std::string& proposed_name,
                                                      const std::string& filter) override;

private:
    // The results' save dialog proposes the name chosen last.
    std::string last_file_name_{Results_file_name};
    // Every save dialog of the program ("Save Output", "Save as PDF...",
    // "Save Image...") opens in the folder of the file chosen last in any of
    // them; empty until the first choice, when the dialogs open in the
    // user's documents folder (or home).
    QString save_folder_;
};

// The folder where the save dialogs open the first time: the user's
// documents folder when it exists, else the home folder.
QString First_save_folder();

// A message text as the box shows it: each lone CR breaks the line.
QString Message_box_text(const std::string& text);
