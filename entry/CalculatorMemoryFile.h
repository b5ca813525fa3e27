// The calculator's memory file: one IEEE 754 double, 8 bytes little-endian,
// no header.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace tavrix {

inline constexpr int CalculatorMemoryRecordSize = 8;

QByteArray EncodeCalculatorMemory(double memory);
// The value of the first 8 bytes; none when fewer are given.
std::optional<double> DecodeCalculatorMemory(const QByteArray& bytes);

struct CalculatorMemoryReading {
    double memory = 0;
    // Why the memory starts at 0 although a file exists; empty when all went well.
    QString problem;
};

// A missing file is an empty memory, silently; a file that can't be read, is
// too short or holds no finite number gives 0 and the problem to report.
CalculatorMemoryReading ReadCalculatorMemory(const QString& path);

// Replaces the file whole or leaves the old one; returns the message for the
// person on failure, empty on success.
QString WriteCalculatorMemory(const QString& path, double memory);

} // namespace tavrix
