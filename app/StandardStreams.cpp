#include "StandardStreams.h"

#include <array>
#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace tavrix {

bool HoldClosedStandardStreams() {
    for (const int stream : std::array{STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (fcntl(stream, F_GETFD) == -1 && errno == EBADF) {
            // The lowest free number is the closed one.
            const int held = open("/dev/null", stream == STDIN_FILENO ? O_WRONLY : O_RDONLY);
            if (held != stream) {
                return false;
            }
        }
    }
    return true;
}

} // namespace tavrix
