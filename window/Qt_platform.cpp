#include "Qt_platform.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

#include "Program_strings.h"
#include "Qt_text.h"
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
    QMessageBox box(QMessageBox::Warning, Qt_text(Warning_box_title), Message_box_text(text), QMessageBox::Ok,
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
    QMessageBox box(QMessageBox::Critical, Qt_text(Error_box_title), Message_box_text(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    Set_title_buttons(box, Title_buttons::Close);
    box.exec();
}

std::optional<std::string> Qt_platform::Ask_save_file_name()
{
    std::optional<std::string> chosen = Ask_save_file_name_for(last_file_name_, "*.txt");
    if (chosen)
        last_file_name_ = QFileInfo(QString::fromStdString(*chosen)).fileName().toStdString();
    return chosen;
}

QString First_save_folder()
{
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}

std::optional<std::string> Qt_platform::Ask_save_file_name_for(const std::string& proposed_name,
                                                               const std::string& filter)
{
    // The proposed name goes into the shared folder, whatever folder a
    // window's own remembered name came from.
    const QString folder = save_folder_.isEmpty() ? First_save_folder() : save_folder_;
    const QString proposed = QDir(folder).filePath(QFileInfo(QString::fromStdString(proposed_name)).fileName());
    // The dialog asks before it overwrites a file and adds no extension.
    const QString chosen =
        QFileDialog::getSaveFileName(QApplication::activeWindow(), QString(), proposed, QString::fromStdString(filter));
    if (chosen.isEmpty())
        return std::nullopt;
    save_folder_ = QFileInfo(chosen).absolutePath();
    return chosen.toStdString();
}
