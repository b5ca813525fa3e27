#include "StandardStreams.h"

#include <array>
#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace tavrix {

void HoldClosedStandardStreams() {
    for (const int stream : std::array{STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (fcntl(stream, F_GETFD) == -1 && errno == EBADF) {
            // The lowest free number is the closed one.
            open("/dev/null", stream == STDIN_FILENO ? O_WRONLY : O_RDONLY);
        }
    }
}

} // namespace tavrix
