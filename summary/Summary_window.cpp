#include "Summary_window.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include "Program_strings.h"
#include "Qt_text.h"
#include "Window_keys.h"
#include "Window_placement.h"

namespace {

constexpr const char* Language_key = "summary/language";
constexpr int Window_width = 640;
constexpr int Window_height = 420;
// The key figures' values stand out in a larger type.
constexpr double Figure_scale = 1.5;

// The key figures as a table of captions and values (with their limits).
QString Figures_html(const std::vector<Key_figure>& figures)
{
    QString html = "<table cellspacing='4'>";
    for (const Key_figure& figure : figures) {
        html += "<tr><td>" + Qt_text(figure.Caption).toHtmlEscaped() + "</td><td style='font-size:" +
                QString::number(Figure_scale) + "em'><b>" + Qt_text(figure.Value).toHtmlEscaped() + "</b></td><td>" +
                Qt_text(figure.Limits).toHtmlEscaped() + "</td></tr>";
    }
    return html + "</table>";
}

}  // namespace

TfrmSummary::TfrmSummary(QSettings& settings, const QString& system_locale, QWidget* parent)
    : QWidget(parent), settings_(settings)
{
    setWindowFlag(Qt::Window);
    setWindowTitle(Qt_text(Summary_window_title));
    // The worksheet is the main window: closing it ends the program even while
    // this window stays open.
    setAttribute(Qt::WA_QuitOnClose, false);

    lblFigures = new QLabel(this);
    lblFigures->setObjectName("lblFigures");
    lblFigures->setTextFormat(Qt::RichText);
    lblFigures->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    lblFigures->setFocusPolicy(Qt::StrongFocus);
    lblFigures->setAccessibleName("Key figures");

    memoSummary = new QPlainTextEdit(this);
    memoSummary->setObjectName("memoSummary");
    memoSummary->setReadOnly(true);
    memoSummary->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    memoSummary->setAccessibleName("Summary");
    memoSummary->setTabChangesFocus(true);

    cboLanguage = new QComboBox(this);
    cboLanguage->setObjectName("cboLanguage");
    for (const Summary_words& words : Summary_languages)
        cboLanguage->addItem(Qt_text(words.Name), Qt_text(words.Word));
    auto* lblLanguage = new QLabel(Qt_text(Summary_language_caption) + ":", this);
    lblLanguage->setBuddy(cboLanguage);
    cboLanguage->setAccessibleName(Qt_text(Summary_language_caption));
    // The language kept, or the system's proposed.
    const QString kept = settings_.value(Language_key).toString();
    const std::optional<Summary_language> chosen = Summary_language_from_word(kept.toStdString());
    const Summary_language language = chosen.value_or(Summary_language_for_locale(system_locale.toStdString()));
    cboLanguage->setCurrentIndex(cboLanguage->findData(Qt_text(Words_of(language).Word)));
    connect(cboLanguage, &QComboBox::currentIndexChanged, this, &TfrmSummary::cboLanguageChange);

    cmdCopy = new QPushButton("Copy", this);
    cmdCopy->setObjectName("cmdCopy");
    cmdClose = new QPushButton("Close", this);
    cmdClose->setObjectName("cmdClose");
    connect(cmdCopy, &QPushButton::clicked, this, &TfrmSummary::cmdCopyClick);
    connect(cmdClose, &QPushButton::clicked, this, &TfrmSummary::cmdCloseClick);

    auto* language_row = new QHBoxLayout;
    language_row->addWidget(lblLanguage);
    language_row->addWidget(cboLanguage);
    language_row->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCopy);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblFigures);
    layout->addLayout(language_row);
    layout->addWidget(memoSummary, 1);
    layout->addLayout(buttons);
    resize(Window_width, Window_height);
    Place_on_screen(*this);
    Return_presses_buttons(*this);
}

void TfrmSummary::Comparison_made(const Comparison_request& request, const Comparison_result& result)
{
    request_ = request;
    result_ = result;
    Show_summary();
    emit Comparison_available();
}

Summary_language TfrmSummary::Language() const
{
    return Summary_language_from_word(cboLanguage->currentData().toString().toStdString())
        .value_or(Summary_language::English);
}

void TfrmSummary::Show_summary()
{
    if (!request_ || !result_)
        return;
    summary_ = Compose_summary(*request_, *result_, Language());
    lblFigures->setText(Figures_html(Key_figures(*request_, *result_, Language())));
    memoSummary->setPlainText(QString::fromStdString(summary_->Sentences + "\n\n" + summary_->Statistics));
    setAccessibleDescription(QString::fromStdString(summary_->Sentences));
}

void TfrmSummary::Show_window()
{
    show();
    raise();
    activateWindow();
    cmdCopy->setFocus(Qt::OtherFocusReason);
}

void TfrmSummary::cboLanguageChange()
{
    settings_.setValue(Language_key, cboLanguage->currentData());
    settings_.sync();
    Show_summary();
}

void TfrmSummary::cmdCopyClick()
{
    if (summary_)
        QApplication::clipboard()->setText(QString::fromStdString(summary_->Sentences + "\n" + summary_->Statistics + "\n"));
}

void TfrmSummary::cmdCloseClick()
{
    close();
}

void TfrmSummary::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdCloseClick();
        return;
    }
    QWidget::keyPressEvent(event);
}
