#include "AngleReduction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace tavrix {
namespace {

// The reduction as it has always been written: one subtraction at a time.
double StepByStep(double r) {
    while (static_cast<long double>(r) > 6.28318530717958647703L) {
        r = ReduceOnce(r);
    }
    return r;
}

void ExpectSameAsStepByStep(double r) {
    EXPECT_EQ(ReduceAngle(r), StepByStep(r)) << std::hexfloat << r;
}

TEST(AngleReduction, SmallAnglesAndBoundaries) {
    for (double r : {0.0, -1.0, -1e300, 1.0, 6.28, 6.2831853071795862, 6.2831853071795867, 7.0,
                     12.566370614359172, 12.57, 100.0, 1000.5}) {
        ExpectSameAsStepByStep(r);
    }
}

TEST(AngleReduction, EqualsTheStepwiseLoopUpToAMillionTurns) {
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> turns(0, 1e6);
    for (int i = 0; i < 60; ++i) {
        ExpectSameAsStepByStep(turns(random) * 6.283185307179586);
    }
    // The edges of binades, where the step size changes.
    for (int exponent = 3; exponent <= 23; ++exponent) {
        const double edge = std::ldexp(1.0, exponent);
        for (double r :
             {edge, std::nextafter(edge, 0.0), std::nextafter(edge, 1e300), edge + 6.3, edge - 6.3}) {
            ExpectSameAsStepByStep(r);
        }
    }
}

TEST(AngleReduction, SkippingAgreesWithSteppingInTheHighestBinades) {
    // Too many steps to run the loop from the start; but a reduction taken
    // after a stretch of single steps must end where the reduction from the
    // start ends.
    for (double r : {1.5e7, 16777216.0, 9437184.0, 12345678.9}) {
        double stepped = r;
        for (int i = 0; i < 100000; ++i) {
            stepped = ReduceOnce(stepped);
        }
        EXPECT_EQ(ReduceAngle(r), ReduceAngle(stepped)) << std::hexfloat << r;
    }
}

TEST(AngleReduction, ResultLiesInTheReducedRange) {
    for (double r : {7.0, 1e3, 1e6, 16777216.0}) {
        const double reduced = ReduceAngle(r);
        EXPECT_GT(reduced, 0.0);
        EXPECT_LE(static_cast<long double>(reduced), 6.28318530717958647703L);
    }
}

} // namespace
} // namespace tavrix
