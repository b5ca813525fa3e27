// Rendering of results: the 15-significant-digit string and its second
// rounding to the asked decimals, the four display modes, the noise threshold
// near zero, non-finite values and the separators they are given.
// Every expected text is worked out by hand from the exact decimal value of
// the double (e.g. 9.995 is 9.99499999999999921840..., whose 15-digit string
// is 9.99500000000000).
#include "Tavrix_Units.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <iomanip>
#include <limits>
#include <numbers>
#include <ostream>
#include <string>
#include <string_view>
#include <system_error>

namespace tavrix {
namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr UnitIndex Metre = 161;
constexpr double Pi = std::numbers::pi;

// A value converted and rendered as the result field shows it.
std::string ConvertedText(UnitIndex from, UnitIndex to, int decimals, ResultFormatCode mode, double x,
                          const NumberFormat& format) {
    return FormatResult(ConvertUnits(from, to, x), decimals, mode, format);
}

// Most tests write with "." and ","; the locales' own separators have tests of
// their own.
class DefaultSeparators : public testing::Test {
protected:
    NumberFormat format;
};

struct Rendering {
    double value;
    int decimals;
    ResultFormatCode mode;
    std::string_view expected;
};

std::ostream& operator<<(std::ostream& out, const Rendering& r) {
    return out << std::setprecision(17) << r.value << " with " << r.decimals << " decimals in mode "
               << static_cast<int>(r.mode);
}

class RenderingTest : public DefaultSeparators, public testing::WithParamInterface<Rendering> {};

TEST_P(RenderingTest, Renders) {
    const Rendering& r = GetParam();
    EXPECT_EQ(FormatNumber(r.value, r.decimals, r.mode, format), r.expected);
}

// The 15-digit string is rounded again, halves away from zero; a negative value
// that rounds to zero shows no sign; places beyond 15 digits are zeros.
INSTANTIATE_TEST_SUITE_P(
    SecondRounding, RenderingTest,
    testing::Values(
        Rendering{0.125, 2, FormatFixed, "0.13"}, Rendering{-0.125, 2, FormatFixed, "-0.13"},
        Rendering{1.0 / 3, 16, FormatFixed, "0.3333333333333330"}, Rendering{0.5, 0, FormatFixed, "1"},
        Rendering{1.5, 0, FormatFixed, "2"}, Rendering{2.5, 0, FormatFixed, "3"},
        Rendering{-0.5, 0, FormatFixed, "-1"}, Rendering{9.995, 2, FormatFixed, "10.00"},
        Rendering{1.005, 2, FormatFixed, "1.01"}, Rendering{999.9996, 3, FormatFixed, "1000.000"},
        Rendering{999.9996, 3, FormatThousands, "1,000.000"},
        Rendering{-999.9996, 3, FormatThousands, "-1,000.000"}, Rendering{-0.0004, 3, FormatFixed, "0.000"},
        Rendering{-0.4, 0, FormatFixed, "0"}, Rendering{-0.4, 0, FormatThousands, "0"},
        Rendering{-0.0005, 3, FormatFixed, "-0.001"}, Rendering{0.0005, 3, FormatFixed, "0.001"},
        Rendering{0.05, 0, FormatFixed, "0"}, Rendering{-1e-20, 16, FormatFixed, "0.0000000000000000"},
        Rendering{-0.0, 2, FormatFixed, "0.00"}, Rendering{0.0, 0, FormatThousands, "0"},
        Rendering{123456789.12345679, 10, FormatFixed, "123456789.1234570000"},
        Rendering{2.0 / 3, 0, FormatFixed, "1"}, Rendering{2.0 / 3, 15, FormatFixed, "0.666666666666667"},
        Rendering{2.0 / 3, 16, FormatFixed, "0.6666666666666670"},
        Rendering{0.1 + 0.2, 16, FormatFixed, "0.3000000000000000"},
        Rendering{9.999999999999998, 14, FormatFixed, "10.00000000000000"}));

// π is 3.14159265358979311..., its 15-digit string 3.14159265358979.
INSTANTIATE_TEST_SUITE_P(
    PiWithEveryNumberOfDecimals, RenderingTest,
    testing::Values(
        Rendering{Pi, 0, FormatFixed, "3"}, Rendering{Pi, 1, FormatFixed, "3.1"},
        Rendering{Pi, 2, FormatFixed, "3.14"}, Rendering{Pi, 3, FormatFixed, "3.142"},
        Rendering{Pi, 4, FormatFixed, "3.1416"}, Rendering{Pi, 5, FormatFixed, "3.14159"},
        Rendering{Pi, 6, FormatFixed, "3.141593"}, Rendering{Pi, 7, FormatFixed, "3.1415927"},
        Rendering{Pi, 8, FormatFixed, "3.14159265"}, Rendering{Pi, 9, FormatFixed, "3.141592654"},
        Rendering{Pi, 10, FormatFixed, "3.1415926536"}, Rendering{Pi, 11, FormatFixed, "3.14159265359"},
        Rendering{Pi, 12, FormatFixed, "3.141592653590"}, Rendering{Pi, 13, FormatFixed, "3.1415926535898"},
        Rendering{Pi, 14, FormatFixed, "3.14159265358979"},
        Rendering{Pi, 15, FormatFixed, "3.141592653589790"},
        Rendering{Pi, 16, FormatFixed, "3.1415926535897900"}, Rendering{-Pi, 4, FormatThousands, "-3.1416"}));

// -1234567.891 is -1234567.89100000006..., its 15-digit string 1234567.89100000.
INSTANTIATE_TEST_SUITE_P(
    GroupedWithEveryNumberOfDecimals, RenderingTest,
    testing::Values(Rendering{-1234567.891, 0, FormatThousands, "-1,234,568"},
                    Rendering{-1234567.891, 1, FormatThousands, "-1,234,567.9"},
                    Rendering{-1234567.891, 2, FormatThousands, "-1,234,567.89"},
                    Rendering{-1234567.891, 3, FormatThousands, "-1,234,567.891"},
                    Rendering{-1234567.891, 4, FormatThousands, "-1,234,567.8910"},
                    Rendering{-1234567.891, 5, FormatThousands, "-1,234,567.89100"},
                    Rendering{-1234567.891, 6, FormatThousands, "-1,234,567.891000"},
                    Rendering{-1234567.891, 7, FormatThousands, "-1,234,567.8910000"},
                    Rendering{-1234567.891, 8, FormatThousands, "-1,234,567.89100000"},
                    Rendering{-1234567.891, 9, FormatThousands, "-1,234,567.891000000"},
                    Rendering{-1234567.891, 10, FormatThousands, "-1,234,567.8910000000"},
                    Rendering{-1234567.891, 11, FormatThousands, "-1,234,567.89100000000"},
                    Rendering{-1234567.891, 12, FormatThousands, "-1,234,567.891000000000"},
                    Rendering{-1234567.891, 13, FormatThousands, "-1,234,567.8910000000000"},
                    Rendering{-1234567.891, 14, FormatThousands, "-1,234,567.89100000000000"},
                    Rendering{-1234567.891, 15, FormatThousands, "-1,234,567.891000000000000"},
                    Rendering{-1234567.891, 16, FormatThousands, "-1,234,567.8910000000000000"},
                    Rendering{-1234567.5, 2, FormatThousands, "-1,234,567.50"},
                    Rendering{-1234567.5, 2, FormatFixed, "-1234567.50"},
                    Rendering{1000, 0, FormatThousands, "1,000"}, Rendering{999, 1, FormatThousands, "999.0"},
                    Rendering{-100000, 0, FormatThousands, "-100,000"},
                    Rendering{123456789012345.0, 0, FormatThousands, "123,456,789,012,345"},
                    Rendering{999999999999999.0, 2, FormatFixed, "999999999999999.00"}));

// One digit, the separator, 14 digits, E, the exponent's sign and at least four
// digits; the number of decimals plays no part.
INSTANTIATE_TEST_SUITE_P(Scientific, RenderingTest,
                         testing::Values(Rendering{1234.5, 2, FormatScientific, "1.23450000000000E+0003"},
                                         Rendering{1234.5, 16, FormatScientific, "1.23450000000000E+0003"},
                                         Rendering{0.0, 0, FormatScientific, "0.00000000000000E+0000"},
                                         Rendering{-0.00123, 3, FormatScientific, "-1.23000000000000E-0003"},
                                         Rendering{9.1e-14, 0, FormatScientific, "9.10000000000000E-0014"},
                                         Rendering{1.0 / 3, 0, FormatScientific, "3.33333333333333E-0001"},
                                         Rendering{2.0 / 3, 0, FormatScientific, "6.66666666666667E-0001"},
                                         Rendering{9.999999999999998, 0, FormatScientific,
                                                   "1.00000000000000E+0001"},
                                         Rendering{1e300, 0, FormatScientific, "1.00000000000000E+0300"},
                                         Rendering{std::numeric_limits<double>::max(), 0, FormatScientific,
                                                   "1.79769313486232E+0308"},
                                         Rendering{std::numeric_limits<double>::denorm_min(), 0,
                                                   FormatScientific, "4.94065645841247E-0324"}));

// The shortest form holding the 15 significant digits, no trailing zeros and no
// grouping.
INSTANTIATE_TEST_SUITE_P(
    General, RenderingTest,
    testing::Values(Rendering{1234.5, 0, FormatGeneral, "1234.5"},
                    Rendering{1234.5, 16, FormatGeneral, "1234.5"}, Rendering{0.1, 2, FormatGeneral, "0.1"},
                    Rendering{1.0 / 3, 2, FormatGeneral, "0.333333333333333"},
                    Rendering{2.0 / 3, 2, FormatGeneral, "0.666666666666667"},
                    Rendering{100, 2, FormatGeneral, "100"}, Rendering{-2.5, 2, FormatGeneral, "-2.5"},
                    Rendering{0.0, 2, FormatGeneral, "0"}, Rendering{1234567, 2, FormatGeneral, "1234567"},
                    Rendering{0.1 + 0.2, 2, FormatGeneral, "0.3"},
                    Rendering{0.001, 2, FormatGeneral, "0.001"},
                    Rendering{123456789012345.0, 2, FormatGeneral, "123456789012345"}));

INSTANTIATE_TEST_SUITE_P(
    NonFinite, RenderingTest,
    testing::Values(Rendering{NaN, 2, FormatFixed, "NAN"}, Rendering{Inf, 2, FormatFixed, "INF"},
                    Rendering{-Inf, 2, FormatFixed, "-INF"}, Rendering{NaN, 0, FormatThousands, "NAN"},
                    Rendering{Inf, 16, FormatThousands, "INF"}, Rendering{-Inf, 0, FormatThousands, "-INF"},
                    Rendering{NaN, 0, FormatScientific, "NAN"}, Rendering{Inf, 0, FormatScientific, "INF"},
                    Rendering{-Inf, 0, FormatScientific, "-INF"}, Rendering{NaN, 0, FormatGeneral, "NAN"},
                    Rendering{Inf, 0, FormatGeneral, "INF"}, Rendering{-Inf, 0, FormatGeneral, "-INF"},
                    Rendering{-NaN, 2, FormatFixed, "NAN"}));

double ParseBack(const std::string& text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_EQ(error, std::errc{}) << text;
    EXPECT_EQ(end, text.data() + text.size()) << text;
    return value;
}

// How a value is written when fixed notation would need too many digits is
// free; it must be an exponent form that reads back as the value.
void ExpectExponentFormOf(double value, const std::string& text) {
    EXPECT_NE(text.find('E'), std::string::npos) << text;
    EXPECT_EQ(text.find(','), std::string::npos) << text;
    EXPECT_NEAR(ParseBack(text), value, std::fabs(value) * 1e-14) << text;
}

TEST_F(DefaultSeparators, MoreThanFifteenDigitsBeforeThePointSwitchToExponentForm) {
    for (const double value : {1e15, -1234567890123456.0, 1e300, -1e20}) {
        for (const ResultFormatCode mode : {FormatFixed, FormatThousands}) {
            ExpectExponentFormOf(value, FormatNumber(value, 2, mode, format));
        }
    }
    // 999999999999999.625 has 15 digits before the point, but its 15-digit
    // string is 1.00000000000000e15.
    ExpectExponentFormOf(999999999999999.625, FormatNumber(999999999999999.625, 0, FormatThousands, format));
}

TEST_F(DefaultSeparators, GeneralFormTakesAnExponentForVeryLargeOrSmallMagnitudes) {
    for (const double value : {1e20, 1e-20, -1.5e300, 1.25e-100}) {
        const std::string text = FormatNumber(value, 2, FormatGeneral, format);
        ExpectExponentFormOf(value, text);
        EXPECT_EQ(text.find("0E"), std::string::npos) << text; // no trailing zeros
    }
}

// The general form writes fixed notation from 1e-5 up to 15 digits before the
// point, and an exponent just outside on either side.
TEST_F(DefaultSeparators, GeneralFormSwitchesToAnExponentAtItsBounds) {
    EXPECT_EQ(FormatNumber(999999999999999.0, 0, FormatGeneral, format), "999999999999999");
    EXPECT_EQ(FormatNumber(-100000000000000.0, 0, FormatGeneral, format), "-100000000000000");
    EXPECT_EQ(FormatNumber(0.00001, 0, FormatGeneral, format), "0.00001");
    EXPECT_EQ(FormatNumber(0.0000875, 0, FormatGeneral, format), "0.0000875");
    for (const double value : {1e15, -1e15, 1.5e15, 9.99e-6, 1e-6, -2.5e-6}) {
        ExpectExponentFormOf(value, FormatNumber(value, 0, FormatGeneral, format));
    }
}

// A conversion result below 9e-14 in magnitude is round-off noise and shows as
// 0, without a sign; 9e-14 itself is kept.
TEST_F(DefaultSeparators, ResultsBelowTheZeroThresholdShowAsZero) {
    for (const double noise : {8.9e-14, -8.9e-14}) {
        EXPECT_EQ(ConvertedText(Metre, Metre, 0, FormatFixed, noise, format), "0");
        EXPECT_EQ(ConvertedText(Metre, Metre, 3, FormatFixed, noise, format), "0.000");
        EXPECT_EQ(ConvertedText(Metre, Metre, 16, FormatThousands, noise, format), "0.0000000000000000");
        EXPECT_EQ(ConvertedText(Metre, Metre, 2, FormatScientific, noise, format), "0.00000000000000E+0000");
        EXPECT_EQ(ConvertedText(Metre, Metre, 2, FormatGeneral, noise, format), "0");
    }
    EXPECT_EQ(ConvertedText(Metre, Metre, 2, FormatScientific, 9.1e-14, format), "9.10000000000000E-0014");
    EXPECT_EQ(ConvertedText(Metre, Metre, 2, FormatScientific, -9.1e-14, format), "-9.10000000000000E-0014");
    // The formatter alone keeps small values; only a conversion result is cleaned.
    EXPECT_EQ(FormatNumber(8.9e-14, 0, FormatScientific, format), "8.90000000000000E-0014");
}

// The result 9e-14 sits on the threshold and must be kept. The double 9e-14 is
// 8.99999999999999951606e-14, about 4.8e-30 below 9e-14, while the extended
// constant 9e-14L is only 1.5e-33 below it: compared with the extended
// constant the double 9e-14 would be dropped as noise. The threshold is
// therefore compared as a double, which keeps it and still drops the next
// double down.
TEST_F(DefaultSeparators, NineTimesTenToTheMinusFourteenIsKept) {
    EXPECT_EQ(ConvertedText(Metre, Metre, 2, FormatScientific, 9e-14, format), "9.00000000000000E-0014");
    EXPECT_EQ(ConvertedText(Metre, Metre, 16, FormatFixed, 9e-14, format), "0.0000000000000900");
}

TEST_F(DefaultSeparators, RoundOffOfAWholeTemperatureIsHidden) {
    // 32 °F is 273.15 K as a double (273.149999999999977...); taking 273.15 off
    // again leaves about -2.3e-14 °C.
    EXPECT_EQ(ConvertedText(262, 261, 3, FormatFixed, 32, format), "0.000");
    EXPECT_EQ(ConvertedText(262, 261, 3, FormatScientific, 32, format), "0.00000000000000E+0000");
}

TEST_F(DefaultSeparators, ConversionExamples) {
    EXPECT_EQ(ConvertedText(163, 159, 2, FormatFixed, 1, format), "25.40");       // inch to mm
    EXPECT_EQ(ConvertedText(166, Metre, 0, FormatThousands, 1, format), "1,609"); // mile to m
    EXPECT_EQ(ConvertedText(166, Metre, 3, FormatFixed, 1, format), "1609.344");
    EXPECT_EQ(ConvertedText(166, Metre, 4, FormatThousands, 1, format), "1,609.3440");
    EXPECT_EQ(ConvertedText(166, Metre, 0, FormatFixed, 1, format), "1609");
    EXPECT_EQ(ConvertedText(166, Metre, 9, FormatScientific, 1, format), "1.60934400000000E+0003");
    EXPECT_EQ(ConvertedText(166, Metre, 9, FormatGeneral, 1, format), "1609.344");
    // 1 / 9.80665 = 0.10197162129779282425...
    EXPECT_EQ(ConvertedText(1, 4, 15, FormatFixed, 1, format), "0.101971621297793");
    EXPECT_EQ(ConvertedText(1, 4, 16, FormatFixed, 1, format), "0.1019716212977930");
    EXPECT_EQ(ConvertedText(153, 147, 3, FormatFixed, 0, format), "INF"); // 0 litre/km
    EXPECT_EQ(ConvertedText(5, 7, 3, FormatFixed, Inf, format), "NAN");   // sine of an infinite angle
}

TEST_F(DefaultSeparators, ModeAndDecimalsChangeOnlyTheRendering) {
    struct Case {
        UnitIndex from;
        UnitIndex to;
        double x;
    };
    for (const Case c : {Case{166, Metre, 1}, Case{261, 262, -17.5}, Case{5, 7, 30}, Case{177, 173, 3}}) {
        const double value = ConvertUnits(c.from, c.to, c.x);
        for (const ResultFormatCode mode : {FormatGeneral, FormatScientific, FormatFixed, FormatThousands}) {
            for (int decimals = 0; decimals <= MaxDecimals; ++decimals) {
                EXPECT_EQ(ConvertedText(c.from, c.to, decimals, mode, c.x, format),
                          FormatNumber(value, decimals, mode, format))
                    << c.from << " to " << c.to << ", mode " << static_cast<int>(mode) << ", " << decimals;
            }
        }
    }
}

TEST_F(DefaultSeparators, FailedConversionsPassThroughWithoutText) {
    EXPECT_THROW(ConvertedText(400, 5, 2, FormatFixed, 1, format), EConversionsClass);
    EXPECT_THROW(ConvertedText(261, Metre, 2, FormatScientific, 100, format), EConversionsClass);
    EXPECT_THROW(ConvertedText(Metre, NoUnit, 2, FormatThousands, 1, format), EConversionsClass);
}

NumberFormat CommaDecimalDotGroup() {
    return {",", "."};
}
NumberFormat CommaDecimalNarrowSpaceGroup() {
    return {",", "\u202F"};
}

TEST_F(DefaultSeparators, CommaDecimalAndDotGroups) {
    format = CommaDecimalDotGroup();
    EXPECT_EQ(FormatNumber(-1234567.891, 2, FormatThousands, format), "-1.234.567,89");
    EXPECT_EQ(FormatNumber(-1234567.891, 2, FormatFixed, format), "-1234567,89");
    EXPECT_EQ(FormatNumber(1234.5, 2, FormatScientific, format), "1,23450000000000E+0003");
    EXPECT_EQ(FormatNumber(2.5, 2, FormatGeneral, format), "2,5");
    EXPECT_EQ(FormatNumber(999, 0, FormatThousands, format), "999");
    EXPECT_EQ(ConvertedText(166, Metre, 0, FormatThousands, 1, format), "1.609");
    EXPECT_EQ(ConvertedText(163, 159, 2, FormatFixed, 1, format), "25,40");
}

TEST_F(DefaultSeparators, CommaDecimalAndNarrowNoBreakSpaceGroups) {
    format = CommaDecimalNarrowSpaceGroup();
    EXPECT_EQ(std::string_view("\u202F"), "\xE2\x80\xAF"); // the separator is three UTF-8 bytes
    EXPECT_EQ(FormatNumber(1234567.891, 2, FormatThousands, format), "1\u202F234\u202F567,89");
    EXPECT_EQ(FormatNumber(-123456789012345.0, 0, FormatThousands, format),
              "-123\u202F456\u202F789\u202F012\u202F345");
    EXPECT_EQ(ConvertedText(166, Metre, 3, FormatThousands, 1, format), "1\u202F609,344");
}

} // namespace
} // namespace tavrix
