// Results log files: any bytes are read through the program's own file
// reading without a crash; a file past the size limit or holding a NUL byte
// is refused with a reason, any other gives lines that are written back as
// bytes that read as the same lines.
#include "FileOfBytes.h"
#include "LogFile.h"
#include "LogFileCodec.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Inputs reach nowhere near the real limit: an odd first byte sets one
    // they can pass.
    const qint64 limit = size > 0 && (data[0] & 1) != 0 ? data[0] / 2 : tavrix::MaxLogFileBytes;
    const tavrix::LogFileReading reading = tavrix::ReadLogFile(tavrix::FileOfBytes(data, size), limit);

    const bool refused = static_cast<qint64>(size) > limit || std::memchr(data, 0, size) != nullptr;
    if (refused != !reading.problem.isEmpty() || (refused && !reading.bytes.isEmpty())) {
        std::abort();
    }
    if (refused) {
        return 0;
    }
    // The runs the log takes are the file's lines, and written back they
    // read as the same lines.
    const QStringList lines = tavrix::ReadLogFileBytes(reading.bytes);
    QStringList runs;
    tavrix::ForEachLogLineRun(reading.bytes, [&runs](QStringView run) { runs << run.toString(); });
    if (runs.join('\n') != lines.join('\n') || runs.isEmpty() != lines.isEmpty()) {
        std::abort();
    }
    if (tavrix::ReadLogFileBytes(tavrix::LogFileBytes(lines)) != lines) {
        std::abort();
    }
    return 0;
}
