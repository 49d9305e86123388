// The worksheet and the results viewer as the program creates them, with a
// temporary data folder, for tests that drive them with real key and mouse
// events.
#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <string>

#include "Program_strings.h"
#include "Scripted_platform.h"
#include "TemplateForm.h"
#include "TemplateResults.h"

class Worksheet_fixture : public ::testing::Test {
protected:
    QTemporaryDir directory;
    Scripted_platform& platform = Test_platform();
    Recording_printer printer;
    std::unique_ptr<TfrmTemplateResults> results;
    std::unique_ptr<TfrmTemplate> worksheet;
    char decimal_separator = '.';  // the user's, as the program entry passes it

    QString Data_path() const { return directory.filePath("VORAN.txt"); }

    void Write_data_file(const QByteArray& contents) const
    {
        QFile file(Data_path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }

    QByteArray Data_file() const
    {
        QFile file(Data_path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
    }

    // Creates both windows, as start-up does, and shows the worksheet; the
    // control data file lies in the temporary folder unless data_folder is
    // given.
    void Start(const QString& data_folder = {})
    {
        worksheet.reset();
        results.reset();
        results = std::make_unique<TfrmTemplateResults>(platform, printer);
        worksheet = std::make_unique<TfrmTemplate>(
            platform, *results, data_folder.isEmpty() ? directory.path() : data_folder, decimal_separator);
        QObject::connect(results.get(), &TfrmTemplateResults::Worksheet_requested, worksheet.get(), &QWidget::show);
        worksheet->show();
        worksheet->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(worksheet.get()));
    }

    template <class Control>
    Control* Find(QWidget& window, const char* name) const
    {
        auto* control = window.findChild<Control*>(name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QLineEdit* Field(const char* name) const { return Find<QLineEdit>(*worksheet, name); }
    QPlainTextEdit* Notes() const { return Find<QPlainTextEdit>(*worksheet, "memoComments"); }
    QPlainTextEdit* Results_text() const { return Find<QPlainTextEdit>(*results, "memoResults"); }

    void Type(const char* field, const QString& keys) const
    {
        QLineEdit* edit = Field(field);
        edit->setFocus();
        // QTest maps only ASCII characters to keys; others arrive as typed text.
        for (const QChar character : keys) {
            if (character.unicode() < 128)
                QTest::keyClick(edit, static_cast<char>(character.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(character), Qt::NoModifier);
        }
    }

    void Click(QWidget& window, const char* button) const
    {
        QTest::mouseClick(Find<QPushButton>(window, button), Qt::LeftButton);
    }

    // Types the four entries, one field after the other.
    void Type_entries(const QString& sd, const QString& n, const QString& case_a, const QString& case_b) const
    {
        Type("txtInput1", sd);
        Type("txtInput2", n);
        Type("txtInput3", case_a);
        Type("txtInput4", case_b);
    }

    // Types the four entries and clicks "Compute".
    void Compute(const QString& sd, const QString& n, const QString& case_a, const QString& case_b) const
    {
        Type_entries(sd, n, case_a, case_b);
        Click(*worksheet, "cmdCompute");
    }

    QStringList Result_lines() const { return Results_text()->toPlainText().split('\n'); }

    std::string Focus_name() const
    {
        const QWidget* focus = QApplication::focusWidget();
        return focus == nullptr ? "<none>" : focus->objectName().toStdString();
    }
};
