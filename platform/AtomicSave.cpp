#include "AtomicSave.h"

#include <QSaveFile>

namespace tavrix {

namespace {

SaveResult Failure(const QSaveFile& file) {
    return {false, file.errorString()};
}

} // namespace

SaveResult SaveFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& writeContent) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Failure(file);
    const bool written = writeContent(file);
    // Qt 6.4.2 can report a successful commit() after its implicit flush
    // failed on a full disk, leaving an empty file behind; so flush and check
    // before committing, and drop the temporary file on any failure.
    if (!written || !file.flush() || file.error() != QFileDevice::NoError) {
        SaveResult result = Failure(file);
        file.cancelWriting();
        return result;
    }
    if (!file.commit())
        return Failure(file);
    return {true, {}};
}

SaveResult SaveFileAtomically(const QString& path, const QByteArray& bytes) {
    return SaveFileAtomically(path,
                              [&bytes](QIODevice& device) { return device.write(bytes) == bytes.size(); });
}

} // namespace tavrix
