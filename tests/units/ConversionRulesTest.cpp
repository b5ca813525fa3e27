// The rules of one conversion without a window: which value is refused for
// which reason, and the text shown otherwise. Expected texts are worked out by
// hand from the unit definitions (1 mile = 1609.344 m, 0 °C = 273.15 K).
#include "ConversionRules.h"
#include "UnitIdentities.h"

#include <gtest/gtest.h>

#include <iomanip>
#include <optional>
#include <ostream>

namespace tavrix {
namespace {

constexpr UnitIndex Degrees = 5;
constexpr UnitIndex Radians = 6;
constexpr UnitIndex FullCircle = 12;
constexpr UnitIndex LitrePerKm = 153;
constexpr UnitIndex KmPerLitre = 147;
constexpr UnitIndex Metre = 161;
constexpr UnitIndex Inch = 163;
constexpr UnitIndex Mile = 166;

struct RuleCase {
    const char* what;
    UnitIndex from;
    UnitIndex to;
    std::optional<double> value;
    Refusal refusal;
    const char* text; // with 3 decimals, fixed, "." and ","
};

std::ostream& operator<<(std::ostream& out, const RuleCase& c) {
    return out << c.what;
}

ConversionRequest RequestFor(const RuleCase& c) {
    ConversionRequest request;
    request.from = c.from;
    request.to = c.to;
    request.value = c.value;
    request.decimals = 3;
    request.mode = FormatFixed;
    return request;
}

class ConversionRule : public testing::TestWithParam<RuleCase> {};

TEST_P(ConversionRule, RefusesOrShowsTheResult) {
    const RuleCase& c = GetParam();
    const ConversionOutcome outcome = ConvertForDisplay(RequestFor(c));
    EXPECT_EQ(outcome.refusal, c.refusal);
    EXPECT_EQ(outcome.resultText, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ConversionRule,
    testing::Values(RuleCase{"unreadable text", Metre, Inch, std::nullopt, Refusal::InvalidValue, ""},
                    RuleCase{"a negative length", Metre, Inch, -1.0, Refusal::InvalidValue, ""},
                    RuleCase{"zero is a value", Metre, Inch, 0.0, Refusal::None, "0.000"},
                    RuleCase{"one mile", Mile, Metre, 1.0, Refusal::None, "1609.344"},
                    RuleCase{"round-off noise shows as 0", Metre, Metre, 5e-14, Refusal::None, "0.000"},
                    RuleCase{"0 litre/km is an infinite distance", LitrePerKm, KmPerLitre, 0.0,
                             Refusal::InvalidValue, ""}));

INSTANTIATE_TEST_SUITE_P(
    Temperatures, ConversionRule,
    testing::Values(
        RuleCase{"a negative temperature", unit::Celsius, unit::Kelvin, -273.0, Refusal::None, "0.150"},
        RuleCase{"below absolute zero", unit::Celsius, unit::Kelvin, -273.16, Refusal::InvalidValue, ""},
        RuleCase{"a negative kelvin", unit::Kelvin, unit::Celsius, -1.0, Refusal::InvalidValue, ""},
        RuleCase{"absolute zero itself", unit::Kelvin, unit::Rankine, 0.0, Refusal::None, "0.000"},
        RuleCase{"a base value the converter rejects", unit::Celsius, unit::Kelvin, -1e19,
                 Refusal::NoConversion, ""},
        RuleCase{"to a unit of another category", unit::Celsius, Metre, 20.0, Refusal::NoConversion, ""}));

INSTANTIATE_TEST_SUITE_P(
    Angles, ConversionRule,
    testing::Values(
        RuleCase{"sine beyond 1", unit::SineOfAngle, Radians, 1.5, Refusal::SineCosineRange, ""},
        RuleCase{"cosine beyond 1", unit::CosineOfAngle, Radians, 1.0001, Refusal::SineCosineRange, ""},
        RuleCase{"a negative sine is refused without a reason", unit::SineOfAngle, Radians, -0.5,
                 Refusal::InvalidValue, ""},
        RuleCase{"sine of 1 is a right angle", unit::SineOfAngle, Radians, 1.0, Refusal::None, "1.571"},
        RuleCase{"tangent of 90 degrees", Degrees, unit::TangentOfAngle, 90.0, Refusal::TangentUndefined, ""},
        RuleCase{"tangent of 270 degrees", Degrees, unit::TangentOfAngle, 270.0, Refusal::TangentUndefined,
                 ""},
        RuleCase{"tangent of 450 degrees", Degrees, unit::TangentOfAngle, 450.0, Refusal::TangentUndefined,
                 ""},
        RuleCase{"tangent of a quarter circle", FullCircle, unit::TangentOfAngle, 0.25,
                 Refusal::TangentUndefined, ""},
        RuleCase{"tangent of 45 degrees", Degrees, unit::TangentOfAngle, 45.0, Refusal::None, "1.000"},
        RuleCase{"a negative angle is refused before the tangent", Degrees, unit::TangentOfAngle, -90.0,
                 Refusal::InvalidValue, ""},
        RuleCase{"from an unknown unit", NoUnit, Degrees, 1.0, Refusal::NoConversion, ""}));

// The first catalogue shows results below its round-off threshold as 0; the
// units added since show every magnitude. 1 eV is 1.602176634e-19 J exactly;
// a nanosecond is 1/3600e9 hour; an angstrom is 1e-10/9460730472580800 light year.
TEST(ConversionDisplay, AddedUnitsShowSmallResultsTheFirstCatalogueShowsAs0) {
    struct Case {
        UnitIndex from;
        UnitIndex to;
        double value;
        const char* text;
    };
    constexpr UnitIndex ElectronVolt = 331, Joule = 73, Nanosecond = 363, Hour = 267, Angstrom = 173,
                        LightYear = 177;
    for (const Case& c : {Case{ElectronVolt, Joule, 1, "1.60217663400000E-0019"},
                          Case{Nanosecond, Hour, 1, "2.77777777777778E-0013"},
                          Case{ElectronVolt, Joule, -0.0, "0.00000000000000E+0000"},
                          Case{Angstrom, LightYear, 1, "0.00000000000000E+0000"}}) {
        ConversionRequest request;
        request.from = c.from;
        request.to = c.to;
        request.value = c.value;
        request.mode = FormatScientific;
        EXPECT_EQ(ConvertForDisplay(request).resultText, c.text) << c.from << " to " << c.to;
    }
}

// The separators and the display mode come with the request.
TEST(ConversionDisplay, UsesTheSeparatorsAndModeItIsGiven) {
    ConversionRequest request;
    request.from = Mile;
    request.to = Metre;
    request.value = 1.0;
    request.decimals = 1;
    request.mode = FormatThousands;
    request.format = NumberFormat{",", "."};
    EXPECT_EQ(ConvertForDisplay(request).resultText, "1.609,3");
    request.format = NumberFormat{".", ","};
    EXPECT_EQ(ConvertForDisplay(request).resultText, "1,609.3");
    request.mode = FormatScientific;
    EXPECT_EQ(ConvertForDisplay(request).resultText, "1.60934400000000E+0003");
}

} // namespace
} // namespace tavrix
