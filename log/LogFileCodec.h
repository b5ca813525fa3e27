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

namespace tavrix {

// A line ends at a CR, and an LF right after that CR belongs to the line
// end; a lone LF stays a character of its line; the byte 0x1A ends the file.
// A last line without a line end counts too.
QStringList ReadLogFileBytes(QByteArrayView bytes);

// The same lines as one text, each followed by "\n", as the log field takes
// them: a lone LF, a character of its line in the file, ends a line there.
// For files of hundreds of thousands of lines, one text takes a fraction of
// the memory of as many strings.
QString ReadLogFileText(QByteArrayView bytes);

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
