// Results log files: any bytes are read without a crash, and the lines read
// are written back as bytes that read as the same lines.
#include "LogFileCodec.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    const QStringList lines = tavrix::ReadLogFileBytes(bytes);

    // Read in two pieces, split where the first byte says.
    const qsizetype split = size == 0 ? 0 : data[0] % static_cast<qsizetype>(size + 1);
    tavrix::LogFileReader reader;
    reader.addBytes(bytes.first(split));
    reader.addBytes(bytes.sliced(split));
    if (reader.lines() != lines) {
        std::abort();
    }

    if (tavrix::ReadLogFileBytes(tavrix::LogFileBytes(lines)) != lines) {
        std::abort();
    }
    return 0;
}
