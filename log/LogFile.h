// Reading and saving results log files on disk.
#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

namespace tavrix {

// Larger files are refused: a results log this long is no longer one a
// person reads, and loading it would stall the window.
constexpr qint64 MaxLogFileBytes = 16 * 1024 * 1024;

struct LogFileReading {
    // The file's bytes, to read with ForEachLogLineRun.
    QByteArray bytes;
    // Why the file could not be read, fit to show the person; empty on success.
    QString problem;
};

// The file at `path`, as the file system names it; a file larger than
// `maxBytes` or holding NUL bytes is refused.
LogFileReading ReadLogFile(const QByteArray& path, qint64 maxBytes = MaxLogFileBytes);
inline LogFileReading ReadLogFile(const QString& path, qint64 maxBytes = MaxLogFileBytes) {
    return ReadLogFile(QFile::encodeName(path), maxBytes);
}

// Writes a log file's `bytes` (LogFileCodec.h) to `path` as a whole or not
// at all: the file that was there stays intact when saving fails. Returns
// the problem, or empty.
QString SaveLogFile(const QString& path, const QByteArray& bytes);

} // namespace tavrix
