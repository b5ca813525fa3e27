// Writes a file so that it is either replaced whole or left as it was.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

namespace tavrix {

struct SaveResult {
    bool saved = false;
    // The system's description of the failure, fit to show the person; empty on success.
    QString errorMessage;

    explicit operator bool() const { return saved; }
};

// Writes the content through `writeContent` into a temporary file beside
// `path` and renames it over `path` only when every byte reached the disk.
// A link is written through and stays a link; only a regular file or
// nothing at all is ever replaced.
// `writeContent` returns false to give up (the previous file stays); a
// failure it met on the device is reported with the device's message.
SaveResult SaveFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& writeContent);

SaveResult SaveFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace tavrix
