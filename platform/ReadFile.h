// Reads one of the program's own files: the counterpart of the atomic save.
// Only a regular file is read (after following links), and it is opened in
// a way that cannot block, so a FIFO, a device, a socket or a folder in the
// file's place is refused at once instead of hanging or flooding the program.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace tavrix {

struct ReadResult {
    enum class Status {
        Read,       // bytes holds the file's first bytes, up to the limit
        Missing,    // nothing there (a dangling link included)
        NotRegular, // a FIFO, a device, a socket or a folder
        Failed      // it could not be opened or read
    };
    Status status = Status::Missing;
    QByteArray bytes;
    // The file's whole size, when read.
    qint64 size = 0;
    // The system's description of the failure, fit to show the person.
    QString errorMessage;

    bool read() const { return status == Status::Read; }
    // Whether the file holds more than was read.
    bool truncated() const { return size > bytes.size(); }
};

// At most `maxBytes` of the file at `path`, as the file system names it.
ReadResult ReadRegularFile(const QByteArray& path, qint64 maxBytes);
inline ReadResult ReadRegularFile(const QString& path, qint64 maxBytes) {
    return ReadRegularFile(QFile::encodeName(path), maxBytes);
}

// What the system says of a path that is not a regular file.
QString NotRegularFileMessage();

} // namespace tavrix
