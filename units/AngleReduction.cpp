#include "AngleReduction.h"

#include "Constants.h"

#include <cmath>

namespace tavrix {

double ReduceOnce(double r) {
    return static_cast<double>(static_cast<long double>(r) - TwoPi);
}

namespace {

// Inside one binade [low, 2·low) every step subtracts the same amount, as
// long as neither the exact difference nor the rounded result leaves the
// binade: the extended subtraction rounds to a fixed grid there, and the
// rounding to a double can depend only on the parity of r's last bit. When two
// consecutive steps subtract the same amount it therefore stays the same for
// the rest of the binade, and many steps can be taken as one exact subtraction.
double SkipWithinBinade(double r) {
    int exponent = 0;
    std::frexp(r, &exponent);
    const double low = std::ldexp(0.5, exponent);
    const double ulp = std::ldexp(1.0, exponent - 53);
    if (low < 16) {
        return r;
    }
    const double first = ReduceOnce(r);
    const double second = ReduceOnce(first);
    const double step = r - first;
    if (step <= 0 || step != first - second) {
        return r;
    }
    // Keep a margin of two steps above the binade's floor so that every skipped
    // step stays inside it.
    const double floor = low + 2 * step + ulp;
    if (r <= floor + step) {
        return r;
    }
    double steps = std::floor((r - floor) / step);
    while (steps > 0 && r - steps * step < floor) {
        steps -= 1;
    }
    return r - steps * step;
}

} // namespace

double ReduceAngle(double r) {
    while (static_cast<long double>(r) > TwoPi) {
        r = SkipWithinBinade(ReduceOnce(r));
    }
    return r;
}

} // namespace tavrix
