// Any bytes as the calculator's memory file, read as the program reads it:
// reading never crashes, a memory it accepts is a finite number, and writing
// it gives back the file's first eight bytes; what it refuses comes with a
// message and a memory of 0.
#include "CalculatorMemoryFile.h"
#include "FileOfBytes.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const tavrix::CalculatorMemoryReading reading =
        tavrix::ReadCalculatorMemory(tavrix::FileOfBytes(data, size));
    if (!reading.problem.isEmpty()) {
        if (reading.memory != 0) {
            std::abort();
        }
        return 0;
    }
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (!std::isfinite(reading.memory) ||
        tavrix::EncodeCalculatorMemory(reading.memory) != bytes.first(tavrix::CalculatorMemoryRecordSize)) {
        std::abort();
    }
    return 0;
}
