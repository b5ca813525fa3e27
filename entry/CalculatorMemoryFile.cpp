#include "CalculatorMemoryFile.h"

#include "AtomicSave.h"
#include "ReadFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QtEndian>

#include <bit>
#include <cmath>
#include <cstdint>

namespace tavrix {

QByteArray EncodeCalculatorMemory(double memory) {
    QByteArray bytes(CalculatorMemoryRecordSize, '\0');
    qToLittleEndian(std::bit_cast<quint64>(memory), bytes.data());
    return bytes;
}

std::optional<double> DecodeCalculatorMemory(const QByteArray& bytes) {
    if (bytes.size() < CalculatorMemoryRecordSize) {
        return std::nullopt;
    }
    return std::bit_cast<double>(qFromLittleEndian<quint64>(bytes.constData()));
}

CalculatorMemoryReading ReadCalculatorMemory(const QString& path) {
    const ReadResult file = ReadRegularFile(path, CalculatorMemoryRecordSize);
    if (file.status == ReadResult::Status::Missing) {
        return {};
    }
    const QString shownPath = QDir::toNativeSeparators(path);
    if (!file.read()) {
        return {0, QCoreApplication::translate(
                       "tavrix::CalculatorMemory",
                       "The calculator memory could not be read from \"%1\": %2. The memory starts at 0.")
                       .arg(shownPath, file.errorMessage)};
    }
    const QByteArray& bytes = file.bytes;
    const std::optional<double> memory = DecodeCalculatorMemory(bytes);
    if (!memory) {
        return {0, QCoreApplication::translate(
                       "tavrix::CalculatorMemory",
                       "The calculator memory file \"%1\" is damaged: it holds %2 of the 8 "
                       "bytes of a number. The memory starts at 0.")
                       .arg(shownPath)
                       .arg(bytes.size())};
    }
    if (!std::isfinite(*memory)) {
        return {0,
                QCoreApplication::translate("tavrix::CalculatorMemory",
                                            "The calculator memory file \"%1\" is damaged: it holds no valid "
                                            "number. The memory starts at 0.")
                    .arg(shownPath)};
    }
    return {*memory, {}};
}

QString WriteCalculatorMemory(const QString& path, double memory) {
    const SaveResult result = SaveFileAtomically(path, EncodeCalculatorMemory(memory));
    if (result) {
        return {};
    }
    return QCoreApplication::translate("tavrix::CalculatorMemory",
                                       "The calculator memory could not be saved to \"%1\": %2.")
        .arg(QDir::toNativeSeparators(path), result.errorMessage);
}

} // namespace tavrix
