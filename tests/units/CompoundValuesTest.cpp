// Values written in several units at once: read as people write them, shown
// in their parts, and the command line's value that carries its units.
// Expected numbers are worked out by hand (5 ft 11 in is 5 × 12 + 11 = 71 in)
// or with bc (180 / 2.54 = 70.866141732...).
#include "CompoundValues.h"
#include "ConversionRules.h"
#include "ValueWithUnits.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace tavrix {
namespace {

constexpr UnitIndex DegreesMinutesSeconds = 364;
constexpr UnitIndex FeetInches = 365;
constexpr UnitIndex StonesPounds = 366;
constexpr UnitIndex PoundsOunces = 367;
constexpr UnitIndex HoursMinutesSeconds = 368;
constexpr DigitLimits Limits{12, 10};
constexpr ValueProblem None = ValueProblem::None;

const CompoundUnit& Compound(UnitIndex unit) {
    return *CompoundOf(unit);
}

struct ReadCase {
    UnitIndex unit;
    const char* text;
    double value; // in the last part, where there is no problem
    ValueProblem problem;
    const char* part = ""; // what the problem names
    const char* separator = ".";
};

void PrintTo(const ReadCase& c, std::ostream* out) {
    *out << c.unit << " \"" << c.text << "\"";
}

class ReadingACompoundValue : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadingACompoundValue, GivesItsValueInTheLastPartOrWhyItHasNone) {
    const ReadCase& c = GetParam();
    const ValueReading reading =
        ReadCompoundValue(c.text, Compound(c.unit), Spelling::European, c.separator, Limits);
    EXPECT_EQ(reading.problem, c.problem);
    if (c.problem == None) {
        ASSERT_TRUE(reading.value.has_value());
        EXPECT_EQ(*reading.value, c.value);
    } else {
        EXPECT_FALSE(reading.value.has_value());
        EXPECT_EQ(reading.part, c.part);
    }
}

INSTANTIATE_TEST_SUITE_P(
    AsPeopleWriteThem, ReadingACompoundValue,
    testing::Values(
        ReadCase{FeetInches, "5 11", 71, None}, ReadCase{FeetInches, "5 ft 11 in", 71, None},
        ReadCase{FeetInches, "5'11\"", 71, None}, ReadCase{FeetInches, "5\u2032 11\u2033", 71, None},
        ReadCase{FeetInches, "5 ft", 60, None}, ReadCase{FeetInches, "11 in", 11, None},
        ReadCase{FeetInches, "5 feet and 11 inches", 71, None}, ReadCase{FeetInches, "5 ft 11", 71, None},
        ReadCase{FeetInches, "11 in 5 ft", 71, None}, ReadCase{FeetInches, "5,5 ft", 66, None, "", ","},
        ReadCase{StonesPounds, "11 4", 158, None}, ReadCase{StonesPounds, "11 st 4 lb", 158, None},
        ReadCase{StonesPounds, "11 stones 4.5 lbs", 158.5, None},
        ReadCase{PoundsOunces, "6 lb 4 oz", 100, None}, ReadCase{HoursMinutesSeconds, "1:30:00", 5400, None},
        ReadCase{HoursMinutesSeconds, "1:30", 5400, None},
        ReadCase{HoursMinutesSeconds, "1 h 30 min", 5400, None},
        ReadCase{HoursMinutesSeconds, "90 min", 5400, None}, ReadCase{HoursMinutesSeconds, "45 s", 45, None},
        ReadCase{HoursMinutesSeconds, "1h30m", 5400, None},
        ReadCase{HoursMinutesSeconds, "1:30:00.25", 5400.25, None},
        ReadCase{HoursMinutesSeconds, "0:00:59,5", 59.5, None, "", ","},
        ReadCase{DegreesMinutesSeconds, "40 26 46", 145606, None},
        ReadCase{DegreesMinutesSeconds, "40°26'46\"", 145606, None},
        ReadCase{DegreesMinutesSeconds, "40° 26\u2032 46\u2033", 145606, None},
        ReadCase{DegreesMinutesSeconds, "40°26.5'", 145590, None},
        ReadCase{DegreesMinutesSeconds, "40\u00BA 26 min 46 sec", 145606, None},
        // A part may begin with its separator; a bare number alone is the last part.
        ReadCase{FeetInches, "5 ft .5 in", 60.5, None},
        ReadCase{FeetInches, "5 ft ,5 in", 60.5, None, "", ","},
        ReadCase{HoursMinutesSeconds, "1 h .5 min", 3630, None}, ReadCase{FeetInches, "71", 71, None},
        ReadCase{FeetInches, "5\u2019 11\u201D", 71, None}));

INSTANTIATE_TEST_SUITE_P(
    RefusedSayingWhy, ReadingACompoundValue,
    testing::Values(ReadCase{FeetInches, "5 ft 11 kg", 0, ValueProblem::OtherCategory, "kg"},
                    // A unit's own symbol is never taken for what it begins: "s" is no stone.
                    ReadCase{StonesPounds, "11 s 4 lb", 0, ValueProblem::OtherCategory, "s"},
                    ReadCase{FeetInches, "5 ft 2 yd", 0, ValueProblem::NotAPart, "yd"},
                    ReadCase{FeetInches, "5 ft -11 in", 0, ValueProblem::NegativePart, "-11 in"},
                    ReadCase{HoursMinutesSeconds, "1:75:00", 0, ValueProblem::PastFiftyNine, "75"},
                    ReadCase{HoursMinutesSeconds, "1:30:60", 0, ValueProblem::PastFiftyNine, "60"},
                    ReadCase{HoursMinutesSeconds, "1.5:30", 0, ValueProblem::DecimalsBeforeLast, "1.5"},
                    ReadCase{FeetInches, "5 ft 6 ft", 0, ValueProblem::RepeatedPart, "ft"},
                    ReadCase{FeetInches, "5 11 3", 0, ValueProblem::TooManyParts},
                    ReadCase{HoursMinutesSeconds, "1:2:3:4", 0, ValueProblem::TooManyParts},
                    ReadCase{FeetInches, "5:11", 0, ValueProblem::Unreadable},   // inches are no sixtieths
                    ReadCase{FeetInches, "5,5 ft", 0, ValueProblem::Unreadable}, // "," is no separator here
                    ReadCase{FeetInches, "", 0, ValueProblem::Unreadable},
                    ReadCase{HoursMinutesSeconds, "1:", 0, ValueProblem::Unreadable},
                    ReadCase{HoursMinutesSeconds, "1:30 h", 0, ValueProblem::Unreadable},
                    ReadCase{FeetInches, "1234567890123 ft", 0, ValueProblem::TooManyDigits}));

// Every word the value field lets a person type for a compound unit reads
// as one of its parts.
TEST(CompoundUnitWords, EachWrittenWordNamesAPart) {
    for (const CompoundUnit& compound : CompoundUnits()) {
        std::istringstream words{std::string(compound.writtenWith)};
        for (std::string word; words >> word;) {
            if (word == "and") {
                continue;
            }
            const ValueReading reading = ReadCompoundValue("1 " + word, compound, Spelling::USA, ".", Limits);
            EXPECT_TRUE(reading.value.has_value()) << compound.unit << " \"" << word << "\"";
        }
    }
}

TEST(ColonForm, APlainUnitAndItsSixtieths) {
    struct Case {
        const char* text;
        double value;
        ValueProblem problem;
    };
    for (const Case& c :
         {Case{"2:15", 2.25, None}, Case{"5:30", 5.5, None}, Case{"1:30:00", 1.5, None},
          Case{"0:00:36", 0.01, None}, Case{"1:60", 0, ValueProblem::PastFiftyNine},
          Case{"1:2:3:4", 0, ValueProblem::TooManyParts}, Case{"12", 0, ValueProblem::Unreadable}}) {
        const ValueReading reading = ReadColonValue(c.text, ".", Limits);
        EXPECT_EQ(reading.problem, c.problem) << c.text;
        if (c.problem == None) {
            EXPECT_DOUBLE_EQ(reading.value.value_or(-1), c.value) << c.text;
        }
    }
}

struct ShowCase {
    UnitIndex unit;
    double value; // in the last part
    int decimals;
    const char* shown;
    bool thousands = false;
    bool upToDecimals = false;
};

void PrintTo(const ShowCase& c, std::ostream* out) {
    *out << c.unit << " " << c.value << " at " << c.decimals;
}

class ShowingACompoundValue : public testing::TestWithParam<ShowCase> {};

TEST_P(ShowingACompoundValue, InItsPartsWithTheDecimalsOnTheLast) {
    const ShowCase& c = GetParam();
    EXPECT_EQ(FormatCompoundValue(c.value, Compound(c.unit), c.decimals, c.thousands, NumberFormat{},
                                  c.upToDecimals),
              c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Results, ShowingACompoundValue,
    testing::Values(ShowCase{FeetInches, 180 / 2.54, 6, "5 ft 10.866142 in"},
                    // 182.8799999 cm is 71.99999996 in: rounded whole, it carries into the feet.
                    ShowCase{FeetInches, 182.8799999 / 2.54, 2, "6 ft 0.00 in"},
                    ShowCase{FeetInches, 6, 0, "6 in"}, ShowCase{FeetInches, -71, 0, "-5 ft 11 in"},
                    ShowCase{StonesPounds, 154.3, 1, "11 st 0.3 lb"},
                    ShowCase{PoundsOunces, 100, 0, "6 lb 4 oz"},
                    ShowCase{HoursMinutesSeconds, 5400, 0, "1:30:00"},
                    ShowCase{HoursMinutesSeconds, 5400.25, 2, "1:30:00.25"},
                    ShowCase{HoursMinutesSeconds, 5399.9999, 0, "1:30:00"},
                    ShowCase{HoursMinutesSeconds, 0.5, 2, "0:00:00.50"},
                    ShowCase{HoursMinutesSeconds, 1234567.0 * 3600, 0, "1,234,567:00:00", true},
                    ShowCase{DegreesMinutesSeconds, 145606, 0, "40\u00B0 26\u2032 46\u2033"},
                    // 999999999999 h: beyond 15 digits of seconds, zeros rather than an exponent.
                    ShowCase{HoursMinutesSeconds, 999999999999.0 * 3600, 0, "999999999999:00:00"},
                    ShowCase{DegreesMinutesSeconds, 30, 0, "0\u00B0 0\u2032 30\u2033"},
                    ShowCase{FeetInches, 23.5, 6, "1 ft 11.5 in", false, true},
                    ShowCase{FeetInches, 71, 6, "5 ft 11 in", false, true}));

TEST(CompoundResult, IsShownInItsPartsWhateverTheFormatAndWithTheRegionsSeparators) {
    ConversionRequest request{160, FeetInches, 180.0, 6, FormatScientific, {",", "."}}; // cm to ft + in
    EXPECT_EQ(ConvertForDisplay(request).resultText, "5 ft 10,866142 in");
    request.value = 2.54 * 12 * 1000;
    request.mode = FormatThousands;
    EXPECT_EQ(ConvertForDisplay(request).resultText, "1.000 ft 0,000000 in");
}

struct CarriedCase {
    const char* text;
    std::vector<int> likelyCategories;
    UnitIndex compound;   // the compound unit it is read in
    const char* unitText; // or the one unit it names
    double value;
    ValueProblem problem;
};

void PrintTo(const CarriedCase& c, std::ostream* out) {
    *out << '"' << c.text << '"';
}

class ValueThatCarriesItsUnits : public testing::TestWithParam<CarriedCase> {};

TEST_P(ValueThatCarriesItsUnits, NamesTheUnitItIsIn) {
    const CarriedCase& c = GetParam();
    const ValueWithUnits read =
        ReadValueWithUnits(c.text, c.likelyCategories, Spelling::European, ".", Limits);
    EXPECT_EQ(read.reading.problem, c.problem);
    EXPECT_EQ(read.compound, c.compound);
    EXPECT_EQ(read.unitText, c.unitText);
    if (c.problem == None) {
        EXPECT_EQ(read.reading.value.value_or(-1), c.value);
    }
}

constexpr int Angles = 1;
constexpr int Length = 11;

INSTANTIATE_TEST_SUITE_P(
    OnTheCommandLine, ValueThatCarriesItsUnits,
    testing::Values(CarriedCase{"5 ft 11 in", {Length}, FeetInches, "", 71, None},
                    CarriedCase{"11 st 4 lb", {}, StonesPounds, "", 158, None},
                    CarriedCase{"6 lb 4 oz", {}, PoundsOunces, "", 100, None},
                    CarriedCase{"1:30:00", {}, HoursMinutesSeconds, "", 5400, None},
                    CarriedCase{"40°26'46\"", {}, DegreesMinutesSeconds, "", 145606, None},
                    // Primes are feet and inches beside a length, minutes and seconds of arc beside an angle.
                    CarriedCase{"5'11\"", {Length}, FeetInches, "", 71, None},
                    CarriedCase{"5'11\"", {Angles}, DegreesMinutesSeconds, "", 311, None},
                    CarriedCase{"6\"", {Length}, FeetInches, "", 6, None},
                    // The colon form beside an angle is its degrees; only two numbers are unclear.
                    CarriedCase{"40:26:46", {Angles}, DegreesMinutesSeconds, "", 145606, None},
                    CarriedCase{"1:2:3:4", {}, HoursMinutesSeconds, "", 0, ValueProblem::TooManyParts},
                    CarriedCase{"90 min", {}, NoUnit, "min", 90, None},
                    CarriedCase{"-40 °C", {}, NoUnit, "°C", -40, None},
                    CarriedCase{"5 ft 11 kg", {}, FeetInches, "", 0, ValueProblem::OtherCategory},
                    CarriedCase{"1:30", {}, NoUnit, "", 0, ValueProblem::UnitUnclear},
                    CarriedCase{"5 11", {}, NoUnit, "", 0, ValueProblem::UnitUnclear}));

} // namespace
} // namespace tavrix
