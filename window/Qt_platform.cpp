#include "Qt_platform.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "Title_buttons.h"

QString Message_box_text(const std::string& text)
{
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown.replace(QChar('\r'), QChar('\n'));
}

void Qt_platform::Beep()
{
    QApplication::beep();
}

void Qt_platform::Show_warning(const std::string& text)
{
    QMessageBox box(QMessageBox::Warning, "Warning", Message_box_text(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    Set_title_buttons(box, Title_buttons::Close);
    box.exec();
}

bool Qt_platform::Confirm(const std::string& text)
{
    QMessageBox box(QMessageBox::Question, "Confirm", Message_box_text(text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    QPushButton* yes = box.addButton("&Yes", QMessageBox::YesRole);
    box.addButton("&No", QMessageBox::NoRole);
    box.setDefaultButton(yes);
    Set_title_buttons(box, Title_buttons::Close);
    box.exec();
    return box.clickedButton() == yes;
}

void Qt_platform::Show_error(const std::string& text)
{
    QMessageBox box(QMessageBox::Critical, "VORAN", Message_box_text(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    Set_title_buttons(box, Title_buttons::Close);
    box.exec();
}

std::optional<std::string> Qt_platform::Ask_save_file_name()
{
    std::optional<std::string> chosen = Ask_save_file_name_for(last_file_name_, "*.txt");
    if (chosen)
        last_file_name_ = *chosen;
    return chosen;
}

std::optional<std::string> Qt_platform::Ask_save_file_name_for(const std::string& proposed_name,
                                                               const std::string& filter)
{
    // The dialog asks before it overwrites a file and adds no extension.
    const QString chosen =
        QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(), QString::fromStdString(proposed_name),
                                     QString::fromStdString(filter));
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen.toStdString();
}
