// Any bytes as the settings file: reading never crashes or hangs, and what it
// accepts is written back to text that reads as the same settings, in the
// exact form the program writes.
#include "SettingsCodec.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray content(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<tavrix::Settings> settings = tavrix::ReadSettings(content);
    if (!settings) {
        return 0;
    }
    const QByteArray written = tavrix::WriteSettings(*settings);
    if (written.count("\r\n") != 9 || !written.endsWith("\r\n") ||
        tavrix::ReadSettings(written) != settings) {
        std::abort();
    }
    return 0;
}
