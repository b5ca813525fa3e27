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

#include <functional>

namespace tavrix {

// The file's lines handed to `take` in runs of whole lines of about 64 KB,
// lines separated by "\n", as the log field takes them; no run for an
// empty file. A line ends at a CR, and an LF right after that CR belongs to
// the line end; a lone LF ends a line in the field too; the byte 0x1A ends
// the file; a last line without a line end counts. Read in runs, a file of
// hundreds of thousands of lines is never held as text whole.
void ForEachLogLineRun(QByteArrayView bytes, const std::function<void(QStringView)>& take);

// A file's bytes, written line by line: every line followed by CR LF; an
// empty log gives no bytes at all.
class LogFileText {
public:
    void addLine(QStringView line);
    QByteArray bytes() const;

private:
    QString text_;
    bool breaksTheFile_ = false;
};

} // namespace tavrix
