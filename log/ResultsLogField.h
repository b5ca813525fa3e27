// The results log is the text of the main window's log field; these are the
// ways the program reads and extends it. Every line ends with a line break,
// as lines added to a memo do, so the field's text always ends in an empty
// line where the next one goes.
//
// The field's document holds the log as LogBlocks.h tells, with a line far
// wider than the field cut into pieces of one row each.
#pragma once

#include "Desktop.h"
#include "LogBlocks.h"

#include <QString>
#include <QStringList>

#include <functional>

class QPlainTextEdit;

namespace tavrix {

// Sets the field up to hold a log of any size: no undo history (nothing in
// the field offers undo) to double its memory.
void PrepareResultsLogField(QPlainTextEdit& field);

// The log's lines as the field shows them: a line wider than the field
// counts as one line per row it wraps onto. The empty row after the last
// line break is not a line. Saving and printing walk these.
QStringList ResultsLogLines(const QPlainTextEdit& field);

// Hands the same lines to `take` one by one, for logs too long to list
// first, telling `progress` along the way. False when the person cancelled
// part way.
bool ForEachResultsLogLine(const QPlainTextEdit& field, const std::function<void(QStringView)>& take,
                           Progress& progress);

// The log's whole text with its hard line breaks only, as "\n"; every
// character as typed (a no-break space stays one). Amending and mailing
// take this.
QString ResultsLogText(const QPlainTextEdit& field);

// Appends each of `lines` as a line of its own, after a line break when the
// log's last line has none yet, and scrolls to the end.
void AppendResultsLogLines(QPlainTextEdit& field, const QStringList& lines);
// The same for lines `runs` hands to the function it is given, in runs of
// whole lines separated by "\n", about `size` characters in all; nothing
// when it hands none. Tells `progress` along the way; when the person
// cancels, the log is left as it was and the answer is false.
bool AppendResultsLogRuns(QPlainTextEdit& field,
                          const std::function<void(const std::function<void(QStringView)>&)>& runs,
                          Progress& progress, qsizetype size);

// Replaces the log by the text `runs` hands over, run by run, to the
// function it is given, about `size` characters in all; the log keeps its
// scroll position. Tells `progress` along the way; when the person cancels,
// the log is left as it was and the answer is false.
bool ReplaceResultsLog(QPlainTextEdit& field, const std::function<void(const TakeLineRun&)>& runs,
                       Progress& progress, qsizetype size);

// Removes the text selected in the field.
void RemoveSelectedLogText(QPlainTextEdit& field);

} // namespace tavrix
