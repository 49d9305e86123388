#include "Notes_box.h"

#include <QEvent>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

#include <algorithm>

void Limit_text_length(QPlainTextEdit& edit, int max_length)
{
    QTextDocument* document = edit.document();
    QObject::connect(document, &QTextDocument::contentsChange, &edit,
                     [document, max_length](int position, int, int added) {
                         // characterCount() includes the closing paragraph separator.
                         const int excess = document->characterCount() - 1 - max_length;
                         if (excess <= 0 || added <= 0)
                             return;
                         const int end = position + added;
                         QTextCursor cursor(document);
                         cursor.setPosition(end - std::min(excess, added));
                         cursor.setPosition(end, QTextCursor::KeepAnchor);
                         cursor.removeSelectedText();
                     });
}

namespace {

// The cover over a cut line at the foot of the box's viewport: it follows
// every resize, scroll and edit of the box.
class Cut_line_cover : public QWidget {
public:
    explicit Cut_line_cover(QPlainTextEdit& edit) : QWidget(edit.viewport()), edit_(edit)
    {
        setObjectName("Cut_line_cover");
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setBackgroundRole(QPalette::Base);
        setAutoFillBackground(true);
        edit.viewport()->installEventFilter(this);
        connect(&edit, &QPlainTextEdit::updateRequest, this, &Cut_line_cover::Follow);
        connect(edit.verticalScrollBar(), &QScrollBar::valueChanged, this, &Cut_line_cover::Follow);
        Follow();
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            Follow();
        return false;
    }

private:
    void Follow()
    {
        // The line under the viewport's lowest row of pixels is cut when it
        // reaches below the viewport and is not the only line in view.
        const QWidget& viewport = *edit_.viewport();
        const int foot = viewport.height();
        const QRect line = edit_.cursorRect(edit_.cursorForPosition(QPoint(0, foot - 1)));
        if (line.top() > 0 && line.top() < foot && line.bottom() >= foot) {
            setGeometry(0, line.top(), viewport.width(), foot - line.top());
            show();
            raise();
        } else {
            hide();
        }
    }

    QPlainTextEdit& edit_;
};

}  // namespace

void Show_whole_lines(QPlainTextEdit& edit)
{
    new Cut_line_cover(edit);
}

std::vector<std::string> Displayed_lines(const QPlainTextEdit& edit)
{
    const QTextDocument* document = edit.document();
    const auto* layout = qobject_cast<QPlainTextDocumentLayout*>(document->documentLayout());
    std::vector<std::string> lines;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        layout->ensureBlockLayout(block);
        const QString text = block.text();
        const QTextLayout* block_layout = block.layout();
        if (block_layout->lineCount() == 0)
            lines.push_back(text.toStdString());
        for (int i = 0; i < block_layout->lineCount(); ++i) {
            const QTextLine line = block_layout->lineAt(i);
            lines.push_back(text.mid(line.textStart(), line.textLength()).toStdString());
        }
    }
    if (!lines.empty() && lines.back().empty())
        lines.pop_back();
    return lines;
}
