// One file in memory whose content each fuzz input replaces, so that a
// target reads its input through the program's own file reading: opening,
// the kind of file, its size limit.
#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>

namespace tavrix {

// The path of a memory file that now holds exactly `data`.
inline QString FileOfBytes(const std::uint8_t* data, std::size_t size) {
    static const int fd = ::memfd_create("fuzz-input", MFD_CLOEXEC);
    static const QString path = QStringLiteral("/proc/self/fd/%1").arg(fd);
    if (fd < 0 || ::ftruncate(fd, 0) != 0 || ::pwrite(fd, data, size, 0) != static_cast<ssize_t>(size)) {
        std::abort();
    }
    return path;
}

} // namespace tavrix
