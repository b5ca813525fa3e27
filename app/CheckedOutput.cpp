#include "CheckedOutput.h"

#include <cerrno>
#include <cstring>

namespace tavrix {

void CheckedOutput::write(std::string_view text) {
    if (error_ != 0) {
        return;
    }
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), stream_) != text.size()) {
        check();
    }
}

void CheckedOutput::line(std::initializer_list<std::string_view> pieces) {
    for (const std::string_view piece : pieces) {
        write(piece);
    }
    write("\n");
}

bool CheckedOutput::flush() {
    if (error_ != 0) {
        return false;
    }
    errno = 0;
    if (std::fflush(stream_) != 0 || std::ferror(stream_) != 0) {
        check();
    }
    return error_ == 0;
}

void CheckedOutput::check() {
    // errno tells why; a stream that failed without saying counts as an I/O error.
    error_ = errno != 0 ? errno : EIO;
}

std::string CheckedOutput::reason() const {
    return std::strerror(error_);
}

} // namespace tavrix
