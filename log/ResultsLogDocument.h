// The results log as the clipboard and the printer take it: a text document
// in the main window's font, one paragraph per log line. Built afresh for
// every copy and every print, so nothing of an earlier one carries over.
#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QFont;
class QLocale;
class QTextDocument;
class QTime;

namespace tavrix {

// The printed log's title line begins with this; it also names the print job.
inline const QString PrintedLogTitle = QStringLiteral("TAVRIX Results Log");

// The time of day for the printed title: hours, minutes and seconds in the
// locale's long style, without the time zone that style may carry.
QString PrintedTimeOfDay(const QTime& time, const QLocale& locale);

// The log's lines, each a paragraph of its own, every character as given.
std::unique_ptr<QTextDocument> ResultsLogDocument(const QStringList& lines, const QFont& font);

// The printed log: an empty line, the title followed by 25 spaces and
// `timeText`, another empty line, then the log's lines.
std::unique_ptr<QTextDocument> PrintedResultsLogDocument(const QStringList& lines, const QString& timeText,
                                                         const QFont& font);

} // namespace tavrix
