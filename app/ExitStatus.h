// The command line's exit statuses, as its help and manual page explain them.
#pragma once

namespace tavrix {

enum ExitStatus : int {
    ExitDone = 0,        // converted, listed or printed
    ExitRefused = 1,     // a conversion refused, or a line of input that could not be converted
    ExitUsage = 2,       // a mistake in the arguments
    ExitInputOutput = 3, // the output could not be written, or the input read
};

} // namespace tavrix
