#include "Notes_box.h"

#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
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
