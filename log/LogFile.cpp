#include "LogFile.h"

#include "AtomicSave.h"
#include "ReadFile.h"
#include "TerminalText.h"

#include <QCoreApplication>
#include <QDir>

namespace tavrix {

namespace {

constexpr qint64 BytesPerMegabyte = 1024 * 1024;

QString Shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// A name in another encoding than UTF-8 shows its other bytes as \xNN.
QString Shown(const QByteArray& path) {
    return QString::fromStdString(ShownOnTerminal(path.toStdString()));
}

QString CannotRead(const QByteArray& path, const QString& reason) {
    return QCoreApplication::translate("tavrix::LogFile", "Cannot read the results log file \"%1\":\n%2")
        .arg(Shown(path), reason);
}

} // namespace

LogFileReading ReadLogFile(const QByteArray& path, qint64 maxBytes) {
    const ReadResult file = ReadRegularFile(path, maxBytes);
    if (!file.read()) {
        return {{}, CannotRead(path, file.errorMessage)};
    }
    if (file.truncated()) {
        // Not its size in whole megabytes: a byte over the limit is neither
        // "17 MB" (rounded up) nor "16 MB" (rounded down, within the limit).
        return {{},
                CannotRead(path, QCoreApplication::translate(
                                     "tavrix::LogFile",
                                     "It holds more than %1 MB; a results log file may hold at most %1 MB.")
                                     .arg(maxBytes / BytesPerMegabyte))};
    }
    if (file.bytes.contains('\0')) {
        return {{},
                CannotRead(path, QCoreApplication::translate("tavrix::LogFile",
                                                             "It holds binary data, not a results log."))};
    }
    return {file.bytes, {}};
}

QString SaveLogFile(const QString& path, const QByteArray& bytes) {
    const SaveResult saved = SaveFileAtomically(path, bytes);
    if (saved) {
        return {};
    }
    return QCoreApplication::translate("tavrix::LogFile", "Cannot save the results log file \"%1\":\n%2")
        .arg(Shown(path), saved.errorMessage);
}

} // namespace tavrix
