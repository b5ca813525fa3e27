// Bringing an angle in radians down to (0, 2π] before the sine, cosine or
// tangent is taken, by subtracting 2π one step at a time as the program always
// has (so results match to the last bit), without taking that many steps.
#pragma once

namespace tavrix {

// Beyond this many radians (over 2.6 million turns) the stepwise subtraction
// has piled up so much rounding error that its result is meaningless; such
// angles are left to the library's exact reduction instead.
inline constexpr double StepwiseReductionLimit = 16777216.0; // 2^24

// One step of the reduction: r - 2π in extended precision, rounded to a double.
double ReduceOnce(double r);

// The result of repeating ReduceOnce while r > 2π, bit for bit, for any r up
// to StepwiseReductionLimit. Negative angles and 2π itself come back unchanged.
double ReduceAngle(double r);

} // namespace tavrix
