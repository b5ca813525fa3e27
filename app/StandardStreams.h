// Standard input, output and error that the program was started without.
#pragma once

namespace tavrix {

// Holds each closed one of the three on /dev/null opened the wrong way round
// (input for writing only, output for reading only), so that using it fails
// and says so, instead of its number going to the next file the program
// opens and the output into that file. False when one could not be held
// (no /dev/null, no descriptor left): the program must not run on then.
[[nodiscard]] bool HoldClosedStandardStreams();

} // namespace tavrix
