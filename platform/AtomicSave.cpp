#include "AtomicSave.h"

#include "ReadFile.h"

#include <QFileInfo>
#include <QSaveFile>

namespace tavrix {

namespace {

SaveResult Failure(const QSaveFile& file) {
    return {false, file.errorString()};
}

// Links are followed as the save follows them: it writes to where they lead.
// The rename that ends a save would put a plain file in the place of a FIFO,
// a device, a socket or a folder found there.
bool LeadsToSomethingButARegularFile(const QString& path) {
    constexpr int MaxLinks = 128;
    QFileInfo target(path);
    for (int links = 0; links < MaxLinks && target.isSymLink(); ++links) {
        target.setFile(target.symLinkTarget());
    }
    return target.exists() && !target.isFile();
}

// A write cut short by a full disk leaves Qt without a reason ("Unknown
// error"); the rest of the buffer, written again, meets the system's own.
bool Flushed(QSaveFile& file) {
    return file.flush() || file.flush();
}

} // namespace

SaveResult SaveFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& writeContent) {
    if (LeadsToSomethingButARegularFile(path))
        return {false, NotRegularFileMessage()};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Failure(file);
    const bool written = writeContent(file);
    // Qt 6.4.2 can report a successful commit() after its implicit flush
    // failed on a full disk, leaving an empty file behind; so flush and check
    // before committing, and drop the temporary file on any failure.
    const bool flushed = Flushed(file);
    if (!written || !flushed || file.error() != QFileDevice::NoError) {
        SaveResult result = Failure(file);
        file.cancelWriting();
        return result;
    }
    if (!file.commit())
        return Failure(file);
    return {true, {}};
}

SaveResult SaveFileAtomically(const QString& path, const QByteArray& bytes) {
    return SaveFileAtomically(path, [&bytes](QIODevice& device) {
        // A short write gives no reason either; writing the rest does.
        for (qsizetype done = 0; done < bytes.size();) {
            const qint64 written = device.write(bytes.constData() + done, bytes.size() - done);
            if (written <= 0)
                return false;
            done += written;
        }
        return true;
    });
}

} // namespace tavrix
