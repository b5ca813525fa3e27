#include "LogFile.h"

#include "AtomicSave.h"
#include "LogFileCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tavrix {

namespace {

constexpr qint64 ReadChunkBytes = 64 * 1024;
constexpr qint64 BytesPerMegabyte = 1024 * 1024;

QString Shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString CannotRead(const QString& path, const QString& reason) {
    return QStringLiteral("Cannot read the results log file \"%1\":\n%2").arg(Shown(path), reason);
}

QString TooLarge(const QString& path, qint64 bytes) {
    return CannotRead(path, QStringLiteral("It holds %1 MB; a results log file may hold at most %2 MB.")
                                .arg((bytes + BytesPerMegabyte - 1) / BytesPerMegabyte)
                                .arg(MaxLogFileBytes / BytesPerMegabyte));
}

} // namespace

LogFileReading ReadLogFile(const QString& path) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        return {{}, CannotRead(path, QStringLiteral("It is not a file."))};
    }
    if (info.size() > MaxLogFileBytes) {
        return {{}, TooLarge(path, info.size())};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {{}, CannotRead(path, file.errorString())};
    }
    LogFileReader reader;
    qint64 total = 0;
    while (!reader.ended()) {
        const QByteArray chunk = file.read(ReadChunkBytes);
        if (chunk.isEmpty()) {
            if (file.error() != QFileDevice::NoError) {
                return {{}, CannotRead(path, file.errorString())};
            }
            break;
        }
        total += chunk.size();
        // The file may have grown since it was measured.
        if (total > MaxLogFileBytes) {
            return {{}, TooLarge(path, total)};
        }
        if (chunk.contains('\0')) {
            return {{}, CannotRead(path, QStringLiteral("It holds binary data, not a results log."))};
        }
        reader.addBytes(chunk);
    }
    return {reader.lines(), {}};
}

QString SaveLogFile(const QString& path, const QStringList& lines) {
    const QFileInfo info(path);
    // Saving replaces the file by renaming a new one over it, which would
    // turn a device or a FIFO into a plain file.
    if (info.exists() && !info.isFile()) {
        return QStringLiteral("Cannot save the results log file \"%1\":\nIt is not a file.").arg(Shown(path));
    }
    const SaveResult saved = SaveFileAtomically(path, LogFileBytes(lines));
    if (saved) {
        return {};
    }
    return QStringLiteral("Cannot save the results log file \"%1\":\n%2")
        .arg(Shown(path), saved.errorMessage);
}

} // namespace tavrix
