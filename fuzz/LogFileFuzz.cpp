// Results log files: any bytes are read through the program's own file
// reading without a crash; a file past the size limit or holding a NUL byte
// is refused with a reason, any other gives the log field lines that, saved
// as the program saves them, read back as the same lines.
#include "FileOfBytes.h"
#include "LogFile.h"
#include "LogFileCodec.h"

#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>

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
    const auto textRead = [](const QByteArray& bytes) {
        QStringList runs;
        tavrix::ForEachLogLineRun(bytes, [&runs](QStringView run) { runs << run.toString(); });
        return runs.isEmpty() ? std::optional<QString>() : runs.join('\n');
    };
    const std::optional<QString> text = textRead(reading.bytes);
    if (!text) {
        return 0;
    }
    tavrix::LogFileText file;
    for (const QString& line : text->split('\n')) {
        file.addLine(line);
    }
    if (textRead(file.bytes()) != text) {
        std::abort();
    }
    return 0;
}
