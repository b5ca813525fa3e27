#include "ResultsLogDocument.h"

#include <QFont>
#include <QLocale>
#include <QTextCursor>
#include <QTextDocument>
#include <QTime>

namespace tavrix {

namespace {

constexpr qsizetype SpacesAfterTitle = 25;

// `format` without its time-zone fields ("t" to "tttt") and the spaces that
// set them apart; quoted text stays as it is.
QString WithoutTimeZone(const QString& format) {
    QString kept;
    bool quoted = false;
    for (qsizetype index = 0; index < format.size(); ++index) {
        const QChar character = format.at(index);
        if (character == QLatin1Char('\'')) {
            quoted = !quoted;
        } else if (!quoted && character == QLatin1Char('t')) {
            while (!kept.isEmpty() && kept.back().isSpace()) {
                kept.chop(1);
            }
            while (index + 1 < format.size() &&
                   (format.at(index + 1) == QLatin1Char('t') || format.at(index + 1).isSpace())) {
                ++index;
            }
            if (!kept.isEmpty() && index + 1 < format.size()) {
                kept += QLatin1Char(' ');
            }
            continue;
        }
        kept += character;
    }
    return kept;
}

} // namespace

QString PrintedTimeOfDay(const QTime& time, const QLocale& locale) {
    return locale.toString(time, WithoutTimeZone(locale.timeFormat(QLocale::LongFormat)));
}

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
