// The extended-precision constants the formulas and the converter share.
#pragma once

namespace tavrix {

inline constexpr long double Pi = 3.14159265358979323851L;
inline constexpr long double TwoPi = 6.28318530717958647703L;

// A base value or result below this counts as a failed conversion; the
// failure value -1e18 lies below it.
inline constexpr long double FailureThreshold = -999999999999999998.0L;

// Results smaller than this in magnitude are round-off noise and show as 0.
// Compared as a double, so that a result of 9e-14 itself is kept.
inline constexpr double ZeroThreshold = 9e-14;

} // namespace tavrix
