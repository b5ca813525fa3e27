// Standard streams the program was started without are held on /dev/null
// the wrong way round, so that using them fails instead of writing into the
// next file opened; where one cannot be held, the program is told so. Each
// case runs in a child process of its own, which closes the streams.
#include "StandardStreams.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace tavrix {
namespace {

struct Case {
    const char* name;
    std::vector<int> closed;
    rlim_t descriptors; // how many the process may have open
    bool held;
};

// Holds the streams as `c` has them closed; exits 0 when all went as `c` expects.
[[noreturn]] void HoldAndCheck(const Case& c) {
    for (const int stream : c.closed) {
        close(stream);
    }
    const rlimit limit{c.descriptors, c.descriptors};
    setrlimit(RLIMIT_NOFILE, &limit);
    const bool held = HoldClosedStandardStreams();
    bool wrongWayRound = true;
    if (held) {
        for (const int stream : c.closed) {
            char byte = 'x';
            const bool writes = write(stream, &byte, 1) == 1;
            const bool reads = read(stream, &byte, 0) == 0;
            wrongWayRound = wrongWayRound && fcntl(stream, F_GETFD) != -1 &&
                            (stream == STDIN_FILENO ? writes && !reads : !writes);
        }
    }
    _exit(held == c.held && wrongWayRound ? 0 : 1);
}

TEST(StandardStreams, ClosedOnesAreHeldOnDevNullOrTheProgramIsTold) {
    const Case cases[] = {
        {"none closed", {}, 64, true},
        {"output closed", {STDOUT_FILENO}, 64, true},
        {"all three closed", {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}, 64, true},
        {"no descriptor left for error", {STDERR_FILENO}, 2, false},
    };
    testing::FLAGS_gtest_death_test_style = "threadsafe";
    for (const Case& c : cases) {
        EXPECT_EXIT(HoldAndCheck(c), testing::ExitedWithCode(0), "") << c.name;
    }
}

} // namespace
} // namespace tavrix
