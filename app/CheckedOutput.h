// Standard output and standard error as the command line writes them: every
// write is checked, so that output lost to a full disk or a closed pipe is an
// error the exit status tells, not a silent success.
#pragma once

#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>

namespace tavrix {

class CheckedOutput {
public:
    explicit CheckedOutput(std::FILE* stream) : stream_(stream) {}

    void write(std::string_view text);
    // Writes each piece and one line end.
    void line(std::initializer_list<std::string_view> pieces);
    // Hands what is buffered on; false once any write has failed.
    bool flush();
    bool failed() const { return error_ != 0; }
    // Why the first write failed, as the system says it.
    std::string reason() const;

private:
    void check();

    std::FILE* stream_;
    int error_ = 0;
};

} // namespace tavrix
