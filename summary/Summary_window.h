// The summary window: the key figures and the short summary of the most
// recent comparison (sentences for a letter, a statistics line for a paper)
// in the language chosen, read-only and selectable, with "Copy" (the
// sentences and the statistics line, one to a line, to the clipboard) and
// "Close" (also Escape). The language is kept in the program's settings; the
// first time, the system's language is proposed when it is one of the six.
// The worksheet tells it of each comparison through Comparison_listener; the
// program connects it to the results viewer's "View" menu.
#pragma once

#include <QWidget>

#include <optional>

#include "Comparison_listener.h"
#include "Summary.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSettings;

class TfrmSummary : public QWidget, public Comparison_listener {
    Q_OBJECT

public:
    // settings: where the language chosen is kept; system_locale: the
    // system's locale name ("de_DE"), from which the first language is proposed.
    TfrmSummary(QSettings& settings, const QString& system_locale, QWidget* parent = nullptr);

    void Comparison_made(const Comparison_request& request, const Comparison_result& result) override;

    // Shows the window in front, with the focus on "Copy".
    void Show_window();

    void cmdCopyClick();
    void cmdCloseClick();
    void cboLanguageChange();

    // The summary shown; empty before the first comparison.
    const std::optional<Summary>& Shown() const { return summary_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

signals:
    // A comparison has arrived: the window has a summary to show.
    void Comparison_available();

private:
    Summary_language Language() const;
    void Show_summary();

    QSettings& settings_;
    std::optional<Comparison_request> request_;
    std::optional<Comparison_result> result_;
    std::optional<Summary> summary_;

    QLabel* lblFigures = nullptr;
    QPlainTextEdit* memoSummary = nullptr;
    QComboBox* cboLanguage = nullptr;
    QPushButton* cmdCopy = nullptr;
    QPushButton* cmdClose = nullptr;
};
