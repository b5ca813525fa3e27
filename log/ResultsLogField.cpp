#include "ResultsLogField.h"

#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

namespace tavrix {

QStringList ResultsLogLines(const QPlainTextEdit& field) {
    const QTextDocument& document = *field.document();
    const auto* layout = qobject_cast<const QPlainTextDocumentLayout*>(document.documentLayout());
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        // The field lays out only the rows it has shown so far; the rest are
        // laid out here as the field would, at its width and in its font.
        if (layout != nullptr) {
            layout->ensureBlockLayout(block);
        }
        const QTextLayout* rows = block.layout();
        if (rows == nullptr || rows->lineCount() <= 1) {
            lines << text;
            continue;
        }
        for (int row = 0; row < rows->lineCount(); ++row) {
            const QTextLine line = rows->lineAt(row);
            lines << text.mid(line.textStart(), line.textLength());
        }
    }
    if (!lines.isEmpty() && lines.constLast().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

QString WholeText(const QTextDocument& document) {
    // toPlainText() would turn no-break spaces, a common group separator,
    // into plain ones.
    QString text;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin()) {
            text += QLatin1Char('\n');
        }
        text += block.text();
    }
    return text;
}

void AppendResultsLogLines(QPlainTextEdit& field, const QStringList& lines) {
    if (lines.isEmpty()) {
        return;
    }
    QTextCursor end(field.document());
    end.movePosition(QTextCursor::End);
    QString text = end.block().text().isEmpty() ? QString() : QStringLiteral("\n");
    text += lines.join(QLatin1Char('\n'));
    text += QLatin1Char('\n');
    end.insertText(text);
    field.setTextCursor(end);
    field.ensureCursorVisible();
}

} // namespace tavrix
