// The results log is the text of the main window's log field; these are the
// ways the program reads and extends it. Every line ends with a line break,
// as lines added to a memo do, so the field's text always ends in an empty
// line where the next one goes.
//
// The field's document holds the log compactly, for logs of hundreds of
// thousands of lines: a block holds a run of lines, separated by line
// separators (U+2028), which the field shows as line breaks. A line far
// wider than the field is held cut into pieces of one row each, also
// separated by line separators, in blocks marked as holding pieces: the
// field's layout takes a block in one piece, and a line of megabytes in one
// piece would stall it for minutes. A line that holds a line separator of
// its own has a block to itself, marked so. The marks keep each line what
// it is for whatever takes the whole text.
#pragma once

#include <QString>
#include <QStringList>

class QPlainTextEdit;
class QTextDocument;

namespace tavrix {

// Sets the field up to hold a log of any size: no undo history (nothing in
// the field offers undo) to double its memory.
void PrepareResultsLogField(QPlainTextEdit& field);

// The log's lines as the field shows them: a line wider than the field
// counts as one line per row it wraps onto. The empty row after the last
// line break is not a line. Saving and printing walk these.
QStringList ResultsLogLines(const QPlainTextEdit& field);

// The log's whole text with its hard line breaks only, as "\n"; every
// character as typed (a no-break space stays one). Amending and mailing
// take this.
QString ResultsLogText(const QPlainTextEdit& field);

// The whole text of a plain document, its blocks separated by "\n", every
// character as typed: the amend dialog's text.
QString WholeText(const QTextDocument& document);

// Appends each of `lines` as a line of its own, after a line break when the
// log's last line has none yet, and scrolls to the end.
void AppendResultsLogLines(QPlainTextEdit& field, const QStringList& lines);
// The same for lines given as one text, each followed by "\n".
void AppendResultsLogText(QPlainTextEdit& field, const QString& text);

// Replaces the log by `text`, whose lines are separated by "\n".
void SetResultsLogText(QPlainTextEdit& field, const QString& text);

// Removes the text selected in the field.
void RemoveSelectedLogText(QPlainTextEdit& field);

} // namespace tavrix
