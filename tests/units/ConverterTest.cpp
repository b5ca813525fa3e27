// Conversions between units, checked against values worked out apart from the
// engine (exact fractions, or bc with 40 decimals): the linear categories, the
// cases that are not linear, the refusals and the behaviour on non-finite
// input.
#include "Tavrix_Units.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <iomanip>
#include <limits>
#include <ostream>
#include <type_traits>

namespace tavrix {
namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr long double PiExact = 3.14159265358979323846264338327950288L;

struct Conversion {
    UnitIndex from;
    UnitIndex to;
    double x;
    long double expected;
};

std::ostream& operator<<(std::ostream& out, const Conversion& c) {
    return out << std::setprecision(17) << c.x << " \"" << UnitNamesEuropean.at(c.from) << "\" to \""
               << UnitNamesEuropean.at(c.to) << "\"";
}

void ExpectConversion(const Conversion& c, long double tolerance) {
    const long double actual = ConvertUnits(c.from, c.to, c.x);
    EXPECT_LE(std::fabs(actual - c.expected), tolerance)
        << c << ": " << std::setprecision(21) << actual << ", expected " << c.expected;
}

// The linear categories: a few conversions in each, through the base unit.
class LinearConversion : public testing::TestWithParam<Conversion> {};

TEST_P(LinearConversion, MatchesTheExactRatio) {
    const Conversion& c = GetParam();
    ExpectConversion(c, 1e-15L * std::fabs(c.expected)); // a handful of roundings to double
}

INSTANTIATE_TEST_SUITE_P(
    EveryLinearCategory, LinearConversion,
    testing::Values(
        // Acceleration
        Conversion{1, 4, 1, 0.101971621297792824257L}, Conversion{0, 3, 100, 3.28083989501312335958L},
        Conversion{4, 0, 1, 980.665L},
        // Angles, between angle units
        Conversion{6, 5, 1, 57.2957795130823208768L}, Conversion{13, 6, 3, 9.42477796076937971539L},
        Conversion{12, 10, 1, 1296000}, Conversion{5, 14, 90, 1}, Conversion{19, 11, 1, 1350},
        // Area
        Conversion{27, 22, 1, 4046.8564224L}, Conversion{29, 26, 1, 258.9988110336L},
        Conversion{25, 24, 1, 9}, Conversion{23, 20, 1, 645.16L}, Conversion{28, 26, 1, 100},
        // Density: 1 tonne/yd³ is a twenty-seventh of 1 tonne/ft³
        Conversion{63, 46, 1, 35314.6667214885902504L}, Conversion{68, 46, 1, 1307.95061931439223150L},
        Conversion{52, 46, 1, 16.0184633739601395797L}, Conversion{48, 52, 1, 108}, Conversion{41, 47, 1, 1},
        Conversion{43, 46, 1, 1},
        // Energy
        Conversion{72, 74, 1, 1.05505585262L}, Conversion{75, 72, 1, 3.96832071932779645301L},
        Conversion{71, 73, 1, 1.3558179483314004L}, Conversion{70, 69, 1, 9.80665L},
        // Flow Rate (volume)
        Conversion{94, 77, 1, 3.785411784L}, Conversion{96, 94, 1, 694.444444444444444444L},
        Conversion{87, 76, 1, 0.277777777777777777778L}, Conversion{100, 78, 1, 6.624470622L},
        Conversion{82, 85, 1e6, 1},
        // Flow Rate (mass)
        Conversion{120, 106, 1, 1016.0469088L}, Conversion{124, 106, 1, 41.6666666666666666667L},
        Conversion{110, 108, 1, 960},
        // Force
        Conversion{128, 125, 1, 4.4482216152605L}, Conversion{130, 126, 1, 1016.0469088L},
        Conversion{125, 127, 1, 100000},
        // Frequency
        Conversion{139, 132, 60, 1}, Conversion{132, 141, 1, 6.28318530717958647693L},
        Conversion{134, 146, 1, 1296000000000},
        // Fuel consumption, between distance-per-volume units
        Conversion{151, 147, 30, 12.7543112229081601020L}, Conversion{149, 148, 1, 0.832673818303721086155L},
        Conversion{147, 150, 1.609344, 1},
        // Length
        Conversion{166, 161, 1, 1609.344L}, Conversion{163, 159, 1, 25.4L},
        Conversion{172, 166, 1, 1.15077944802354251173L}, Conversion{177, 176, 1, 63241.0770880709446742L},
        Conversion{167, 163, 1, 4}, Conversion{175, 173, 1, 254},
        // Lighting
        Conversion{182, 179, 1, 10.7639104167097223083L}, Conversion{178, 180, 1, 6.4516L},
        // Liquid measure
        Conversion{186, 188, 1, 8}, Conversion{185, 191, 1, 128}, Conversion{193, 184, 1, 158.987294928L},
        Conversion{192, 183, 1, 28.413075L},
        // Mass / Weight
        Conversion{199, 196, 1, 6.35029318L}, Conversion{200, 196, 1, 14.5939029372063648294L},
        Conversion{204, 205, 1, 1.0160469088L}, Conversion{197, 195, 1, 28.349523125L},
        // Power
        Conversion{228, 206, 1, 3516.85284206666666667L}, Conversion{207, 220, 1, 859.845227858985382631L},
        Conversion{222, 206, 1, 1.3558179483314004L}, Conversion{221, 206, 1, 745.69987158227022L},
        // Pressure
        Conversion{242, 231, 1, 6.89475729316836133672L}, Conversion{240, 235, 760, 1.00000000000320762694L},
        Conversion{238, 230, 1, 249.08891L}, Conversion{247, 233, 1, 154.442563366971293943L},
        Conversion{235, 233, 1, 1.01325L},
        // Torque
        Conversion{257, 253, 1, 1.3558179483314004L}, Conversion{259, 253, 1, 9549.29658551372014599L},
        Conversion{260, 253, 1, 7120.90923751859260529L}, Conversion{258, 255, 1, 1.33333333333333333333L},
        // Time
        Conversion{270, 265, 1, 31536000}, Conversion{271, 265, 1, 31622400}, Conversion{271, 268, 1, 366},
        Conversion{269, 267, 1, 168},
        // Velocity
        Conversion{293, 283, 1, 1.852L}, Conversion{292, 278, 1, 0.44704L}, Conversion{294, 283, 1, 1225.08L},
        Conversion{288, 272, 1, 5.08L},
        // Viscosity Dynamic
        Conversion{297, 296, 1, 10}, Conversion{304, 295, 1, 47880.2589803358426161L},
        // Viscosity Kinematic
        Conversion{308, 305, 1, 1e6}, Conversion{310, 306, 1, 929.0304L},
        // Volume / Capacity
        Conversion{316, 315, 1, 27}, Conversion{319, 314, 1, 231}, Conversion{318, 312, 1, 1000},
        Conversion{326, 317, 1, 28.413075L}));

// Angles to and from the trigonometric units; the angle is reduced by whole
// turns only while it is above one turn, so 390° is reduced once and -330°
// is taken as it stands.
class TrigonometricConversion : public testing::TestWithParam<Conversion> {};

TEST_P(TrigonometricConversion, MatchesTheExactValue) {
    const Conversion& c = GetParam();
    ExpectConversion(c, 2e-15L * std::max(1.0L, std::fabs(c.expected)));
}

INSTANTIATE_TEST_SUITE_P(
    SineCosineTangent, TrigonometricConversion,
    testing::Values(Conversion{5, 7, 30, 0.5L}, Conversion{5, 7, 390, 0.5L}, Conversion{5, 7, -330, 0.5L},
                    Conversion{5, 7, 750, 0.5L}, Conversion{5, 8, 60, 0.5L}, Conversion{5, 9, 45, 1},
                    Conversion{5, 9, -45, -1}, Conversion{5, 9, 405, 1}, Conversion{5, 7, 0, 0},
                    Conversion{5, 8, 0, 1}, Conversion{5, 7, 720, 0}, Conversion{14, 7, 1, 1},
                    Conversion{13, 8, 1, -1}, Conversion{6, 8, static_cast<double>(PiExact), -1},
                    Conversion{11, 7, 1800, 0.5L}));

INSTANTIATE_TEST_SUITE_P(BackToAngles, TrigonometricConversion,
                         testing::Values(Conversion{7, 5, 0.5, 30}, Conversion{7, 6, 0.5, PiExact / 6},
                                         Conversion{8, 5, 0.5, 60}, Conversion{9, 5, 1, 45},
                                         Conversion{7, 5, -1, -90}, Conversion{8, 5, -1, 180},
                                         Conversion{9, 14, 1, 0.5L}, Conversion{8, 5, 1, 0}));

// Diameter circles hold a diameter and stand for the circle's area in m².
class CircleConversion : public testing::TestWithParam<Conversion> {};

TEST_P(CircleConversion, MatchesTheExactValue) {
    const Conversion& c = GetParam();
    ExpectConversion(c, 2e-15L * std::fabs(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    DiameterCircles, CircleConversion,
    testing::Values(Conversion{32, 22, 1, PiExact / 4},
                    Conversion{22, 32, static_cast<double>(PiExact / 4), 1},
                    Conversion{22, 32, static_cast<double>(PiExact), 2}, Conversion{32, 30, 1, 1000},
                    Conversion{22, 33, 1, 44.4243766573036446416L},
                    Conversion{35, 24, 1, 7.06858347057703478654L}, Conversion{34, 33, 1, 12},
                    Conversion{33, 21, 1, 5.06707479097497751432L}, Conversion{35, 32, 2, 1.8288L},
                    Conversion{30, 31, 10, 1}, Conversion{20, 30, 1, 1.12837916709551257390L}));

// Circular measure: a radius, diameter, circumference or area of one circle.
INSTANTIATE_TEST_SUITE_P(CircularMeasure, CircleConversion,
                         testing::Values(Conversion{36, 38, 2, 4 * PiExact},
                                         Conversion{36, 39, 2, 4 * PiExact}, Conversion{36, 37, 2, 4},
                                         Conversion{36, 36, 2, 2}, Conversion{38, 37, 1, 1 / PiExact},
                                         Conversion{37, 36, 10, 5},
                                         Conversion{39, 37, static_cast<double>(PiExact), 2},
                                         Conversion{38, 36, static_cast<double>(2 * PiExact), 1}));

TEST(DiameterInUnit, DiameterOfACircleOfGivenAreaInEachLengthUnit) {
    const double quarterPi = static_cast<double>(PiExact / 4); // the area of a circle 1 m across
    const std::pair<UnitIndex, long double> expected[] = {{30, 1000},
                                                          {31, 100},
                                                          {32, 1},
                                                          {33, 39.3700787401574803150L},
                                                          {34, 3.28083989501312335958L},
                                                          {35, 1.09361329833770778653L}};
    for (const auto& [to, diameter] : expected) {
        EXPECT_NEAR(DiameterInUnit(to, quarterPi), static_cast<double>(diameter),
                    static_cast<double>(2e-15L * diameter))
            << "unit " << to;
    }
    for (const UnitIndex notACircle : {UnitIndex{29}, UnitIndex{36}, UnitIndex{161}, NoUnit}) {
        EXPECT_EQ(DiameterInUnit(notACircle, quarterPi), 0) << "unit " << notACircle;
    }
}

// Fuel consumption by volume per distance is the reciprocal of distance per
// volume; each of those units' formulas is its own inverse.
INSTANTIATE_TEST_SUITE_P(FuelConsumption, LinearConversion,
                         testing::Values(Conversion{147, 153, 10, 0.1L}, Conversion{153, 147, 0.1, 10},
                                         Conversion{153, 156, 5, 8.04672L}, Conversion{156, 153, 8.04672, 5},
                                         Conversion{151, 153, 30, 0.0784048611111111111111L},
                                         Conversion{158, 152, 0.02, 50}, Conversion{157, 151, 0.04, 25},
                                         Conversion{154, 153, 1, 3.785411784L}, Conversion{155, 155, 2, 2},
                                         Conversion{153, 153, 4, 4}));

class TemperatureConversion : public testing::TestWithParam<Conversion> {};

TEST_P(TemperatureConversion, MatchesTheExactValue) {
    // Going through Kelvin adds and takes away 273.15, so the error is a few
    // ulp of 273.15 rather than of the result.
    ExpectConversion(GetParam(), 3e-13L);
}

INSTANTIATE_TEST_SUITE_P(Temperature, TemperatureConversion,
                         testing::Values(Conversion{261, 262, 100, 212}, Conversion{263, 261, 0, -273.15L},
                                         Conversion{262, 261, 212, 100}, Conversion{261, 264, 0, 491.67L},
                                         Conversion{264, 263, 1, 0.555555555555555555556L},
                                         Conversion{261, 262, -40, -40}, Conversion{262, 264, 0, 459.67L},
                                         Conversion{264, 262, 0, -459.67L}, Conversion{262, 261, 32, 0},
                                         Conversion{261, 263, 100, 373.15L}, Conversion{263, 263, 0, 0}));

TEST(TemperatureConversion, ToKelvinIsTheBaseValueUnchanged) {
    for (UnitIndex from = 261; from <= 264; ++from) {
        for (const double x : {100.0, -40.0, 0.0, 0.1, 1e5, -273.15}) {
            EXPECT_EQ(ConvertUnits(from, 263, x), UnitToBase(from, x)) << "unit " << from << " x " << x;
        }
    }
}

TEST(ConversionFailure, FailureValueAndException) {
    EXPECT_EQ(ConversionFailureValue, -1e18);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(ConversionFailureValue), 0xC3ABC16D674EC800u);
    static_assert(std::is_base_of_v<std::runtime_error, EConversionsClass>);
    EXPECT_STREQ(EConversionsClass().what(), "Conversions failed : routine does not exist");
}

TEST(ConversionFailure, UnitToBaseOfAnUnknownUnitGivesTheFailureValueWithoutRaising) {
    for (const UnitIndex unit : {UnitIndex{UnitCount}, UnitIndex{400}, NoUnit}) {
        for (const double x : {1.0, 0.0, -5.0, NaN, Inf}) {
            EXPECT_EQ(UnitToBase(unit, x), ConversionFailureValue) << "unit " << unit << " x " << x;
        }
    }
}

struct Refused {
    UnitIndex from;
    UnitIndex to;
    double x;
};

std::ostream& operator<<(std::ostream& out, const Refused& r) {
    return out << r.x << " from " << r.from << " to " << r.to;
}

class RefusedConversion : public testing::TestWithParam<Refused> {};

TEST_P(RefusedConversion, RaisesConversionsFailed) {
    const Refused& r = GetParam();
    try {
        const double result = ConvertUnits(r.from, r.to, r.x);
        ADD_FAILURE() << "no exception; result " << result;
    } catch (const EConversionsClass& e) {
        EXPECT_STREQ(e.what(), "Conversions failed : routine does not exist");
    }
}

INSTANTIATE_TEST_SUITE_P(UnknownSource, RefusedConversion,
                         testing::Values(Refused{400, 5, 1}, Refused{NoUnit, 161, 1},
                                         Refused{UnitCount, 161, 1}, Refused{NoUnit, NoUnit, 1}));

// An unknown target is refused as well, from every kind of source: dividing by
// the failure value would otherwise show a plausible tiny number.
INSTANTIATE_TEST_SUITE_P(UnknownTarget, RefusedConversion,
                         testing::Values(Refused{161, NoUnit, 1}, Refused{161, UnitCount, 1},
                                         Refused{5, NoUnit, 30}, Refused{20, NoUnit, 1},
                                         Refused{30, NoUnit, 1}, Refused{36, NoUnit, 1},
                                         Refused{147, NoUnit, 1}, Refused{153, NoUnit, 1},
                                         Refused{261, NoUnit, 1}));

INSTANTIATE_TEST_SUITE_P(UnsupportedPair, RefusedConversion,
                         testing::Values(
                             // temperature to anything but a temperature
                             Refused{261, 265, 100}, Refused{263, 253, 1}, Refused{264, 260, 1},
                             Refused{262, 0, 1},
                             // a diameter circle to anything outside Area
                             Refused{30, 36, 1}, Refused{35, 19, 1}, Refused{32, 40, 1}, Refused{33, 161, 1},
                             // a circular measure to anything outside Circular measure
                             Refused{36, 35, 1}, Refused{39, 40, 1}, Refused{37, 20, 1}, Refused{38, 22, 1}));

// A genuine base value or result at or below the failure value is refused too.
INSTANTIATE_TEST_SUITE_P(BelowTheFailureThreshold, RefusedConversion,
                         testing::Values(Refused{161, 161, -1e18}, Refused{161, 159, -2e18},
                                         Refused{162, 159, -1e15}, Refused{261, 263, -2e18}));

TEST(ConversionFailure, JustAboveTheThresholdIsAResult) {
    // The double next above -1e18 is -999 999 999 999 999 872, above the
    // threshold of -999 999 999 999 999 998.
    const double justAbove = std::nextafter(-1e18, 0.0);
    EXPECT_EQ(justAbove, -999999999999999872.0);
    EXPECT_EQ(ConvertUnits(161, 161, justAbove), justAbove);
}

// The formulas whose value at infinity is finite: the arc tangent (±90°) and
// the reciprocal between distance per volume and volume per distance (0).
bool HasFiniteLimitAtInfinity(UnitIndex from, UnitIndex to) {
    const auto perDistance = [](UnitIndex unit) {
        return (unit >= 153 && unit <= 158) || unit == 336 || unit == 337;
    };
    const bool fuel = (from >= 147 && from <= 158) || from == 336 || from == 337;
    return from == 9 || (fuel && perDistance(from) != perDistance(to));
}

// NaN and infinities, in every pair of units a category offers, come back as
// non-finite values or as the engine's exception; nothing hangs or crashes.
TEST(NonFiniteInput, EveryPairWithinEachCategory) {
    for (int category = 0; category < CategoryCount; ++category) {
        for (const UnitIndex from : CategoryUnits(category)) {
            for (const UnitIndex to : CategoryUnits(category)) {
                for (const double x : {NaN, Inf, -Inf}) {
                    const UnitIndex f = from;
                    const UnitIndex t = to;
                    double result = 0;
                    try {
                        result = ConvertUnits(f, t, x);
                    } catch (const EConversionsClass&) {
                        continue;
                    }
                    if (std::isnan(x)) {
                        EXPECT_TRUE(std::isnan(result))
                            << x << " from " << from << " to " << to << ": " << result;
                    } else if (!HasFiniteLimitAtInfinity(f, t)) {
                        EXPECT_FALSE(std::isfinite(result))
                            << x << " from " << from << " to " << to << ": " << result;
                    }
                }
            }
        }
    }
}

TEST(NonFiniteInput, FiniteLimits) {
    EXPECT_NEAR(ConvertUnits(9, 5, Inf), 90, 1e-13);
    EXPECT_NEAR(ConvertUnits(9, 5, -Inf), -90, 1e-13);
    EXPECT_EQ(ConvertUnits(153, 147, Inf), 0);
    EXPECT_EQ(ConvertUnits(147, 153, Inf), 0);
    EXPECT_EQ(ConvertUnits(157, 151, Inf), 0);
}

TEST(NonFiniteInput, ZeroVolumePerDistance) {
    EXPECT_EQ(ConvertUnits(153, 147, 0), Inf); // 0 litre/km: infinitely far on a litre
    EXPECT_EQ(ConvertUnits(154, 151, 0), Inf);
    EXPECT_EQ(ConvertUnits(153, 156, 0), 0); // and back again through infinity: 0 litre/mile
}

TEST(NonFiniteInput, InfiniteOrNaNAngleHasNoSineCosineOrTangent) {
    for (const UnitIndex to : {UnitIndex{7}, UnitIndex{8}, UnitIndex{9}}) {
        for (const double x : {Inf, NaN}) {
            EXPECT_TRUE(std::isnan(ConvertUnits(5, to, x))) << x << " degrees to " << to;
        }
        // minus infinity lies below the failure threshold
        EXPECT_THROW(ConvertUnits(5, to, -Inf), EConversionsClass) << "to " << to;
    }
}

// A large angle is brought down by taking off one turn at a time, as the
// program always has, and the rounding of every step shows in the last bits;
// an exact reduction (fmod by 2π) gives different bits. The expected values
// come from a separate C program: the angle in radians as the formula rounds
// it, 2π (the extended constant 6.28318530717958647703) subtracted in long
// double and rounded to a double per turn while above 2π, then sinl/cosl.
struct SteppedAngle {
    UnitIndex to;
    double degrees;
    double expected;
};

TEST(LargeAngle, IsReducedOneTurnAtATime) {
    const SteppedAngle cases[] = {
        {7, 1e6, -0x1.f838b8c95e005p-1},       // sine of 2777 turns and 280°
        {8, 1e6, 0x1.63a1a7c346311p-3},        // its cosine
        {7, 123456789, -0x1.40614d31c88f2p-3}, // sine of 342935 turns and 189°
    };
    for (const SteppedAngle& c : cases) {
        EXPECT_EQ(ConvertUnits(5, c.to, c.degrees), c.expected)
            << std::hexfloat << c.degrees << "° to " << c.to << ": " << ConvertUnits(5, c.to, c.degrees);
    }
}

// Whole turns cannot be taken off such angles one by one in any useful time;
// the conversion still returns at once with a value in range.
TEST(HugeAngle, SineCosineAndTangentReturn) {
    for (const double degrees : {1e6, 1e10, 1e15, 1e20, 1e300, std::numeric_limits<double>::max()}) {
        const double sine = ConvertUnits(5, 7, degrees);
        const double cosine = ConvertUnits(5, 8, degrees);
        EXPECT_TRUE(sine >= -1 && sine <= 1) << degrees << ": " << sine;
        EXPECT_TRUE(cosine >= -1 && cosine <= 1) << degrees << ": " << cosine;
        EXPECT_TRUE(std::isfinite(ConvertUnits(5, 9, degrees))) << degrees;
    }
    // Beyond the processor's range the sine and cosine are 0.
    EXPECT_EQ(ConvertUnits(5, 7, 1e300), 0);
    EXPECT_EQ(ConvertUnits(5, 8, 1e300), 0);
}

} // namespace
} // namespace tavrix
