// The bytes of a results log file: plain text, one log line per text line,
// each line ended by CR LF, no header and no byte-order mark added.
//
// Files are written in Windows-1252 whenever that holds every character of
// the log, so they stay readable where that code page is expected; a log
// with other characters (a narrow no-break space as group separator, a note
// in Greek) is written in UTF-8 instead. A file that is valid UTF-8 is read
// as UTF-8, any other as Windows-1252.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <functional>

namespace tavrix {

// A line ends at a CR, and an LF right after that CR belongs to the line
// end; a lone LF stays a character of its line; the byte 0x1A ends the file.
// A last line without a line end counts too.
QStringList ReadLogFileBytes(QByteArrayView bytes);

// The same lines handed to `take` in runs of whole lines of about 64 KB,
// lines separated by "\n", as the log field takes them; no run for an
// empty file. A lone LF, a character of its line in the file, ends a line
// here. Read in runs, a file of hundreds of thousands of lines is never
// held as text whole.
void ForEachLogLineRun(QByteArrayView bytes, const std::function<void(QStringView)>& take);

// Every line followed by CR LF; an empty log gives no bytes at all.
QByteArray LogFileBytes(const QStringList& lines);

// The same, line by line, for logs too long to list first.
class LogFileText {
public:
    void addLine(QStringView line);
    QByteArray bytes() const;

private:
    QString text_;
    bool breaksTheFile_ = false;
};

} // namespace tavrix
