// How many digits the value field takes: at most 12 characters before the
// decimal separator (a minus sign counts) and 10 behind it. The command line
// takes a value by the same limits.
#pragma once

namespace tavrix {

inline constexpr int MaxPreDecimalDigits = 12;
inline constexpr int MaxPostDecimalDigits = 10;

} // namespace tavrix
