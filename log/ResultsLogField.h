// The results log is the text of the main window's log field; these are the
// ways the program reads and extends it. Every line ends with a line break,
// as lines added to a memo do, so the field's text always ends in an empty
// line where the next one goes.
#pragma once

#include <QString>
#include <QStringList>

class QPlainTextEdit;
class QTextDocument;

namespace tavrix {

// The log's lines as the field shows them: a line wider than the field
// counts as one line per row it wraps onto. The empty row after the last
// line break is not a line. Saving and printing walk these.
QStringList ResultsLogLines(const QPlainTextEdit& field);

// The whole text with its hard line breaks only, as "\n"; every character as
// typed (a no-break space stays one). Amending and mailing take this.
QString WholeText(const QTextDocument& document);

// Appends each of `lines` as a line of its own, after a line break when the
// log's last line has none yet, and scrolls to the end.
void AppendResultsLogLines(QPlainTextEdit& field, const QStringList& lines);

} // namespace tavrix
