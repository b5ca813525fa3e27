#include "ResultsLogDocument.h"

#include <QFont>
#include <QTextCursor>
#include <QTextDocument>

namespace tavrix {

namespace {

constexpr qsizetype SpacesAfterTitle = 25;

} // namespace

std::unique_ptr<QTextDocument> ResultsLogDocument(const QStringList& lines, const QFont& font) {
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(font);
    // Inserted as plain text, line by line: markup-like text such as "<"
    // stays text, and runs of spaces stay as typed.
    QTextCursor cursor(document.get());
    for (qsizetype index = 0; index < lines.size(); ++index) {
        if (index > 0) {
            cursor.insertBlock();
        }
        cursor.insertText(lines.at(index));
    }
    return document;
}

std::unique_ptr<QTextDocument> PrintedResultsLogDocument(const QStringList& lines, const QString& timeText,
                                                         const QFont& font) {
    const QString title = PrintedLogTitle + QString(SpacesAfterTitle, QLatin1Char(' ')) + timeText;
    return ResultsLogDocument(QStringList{QString(), title, QString()} + lines, font);
}

} // namespace tavrix
