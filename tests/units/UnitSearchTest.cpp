// Finding units by typing: which units a text finds, in which order, and
// how two typed names settle on one category's pair of units. Units are
// named by their catalogue names, so a table reads as a person would.
#include "UnitSearch.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace tavrix {
namespace {

std::vector<std::string> Names(const std::vector<UnitIndex>& units, Spelling spelling) {
    std::vector<std::string> names;
    for (const UnitIndex unit : units) {
        names.emplace_back(VisibleName(unit, spelling));
    }
    return names;
}

std::vector<std::string> CategoriesOf(const std::vector<UnitIndex>& units) {
    std::vector<std::string> categories;
    for (const UnitIndex unit : units) {
        categories.emplace_back(CategoryNames.at(static_cast<std::size_t>(CategoryOfUnit(unit))));
    }
    return categories;
}

struct FirstFoundCase {
    const char* typed;
    Spelling spelling;
    std::vector<std::string> first; // the first names listed, in order
};

std::ostream& operator<<(std::ostream& out, const FirstFoundCase& c) {
    return out << '"' << c.typed << '"';
}

class FirstFound : public testing::TestWithParam<FirstFoundCase> {};

TEST_P(FirstFound, LeadTheList) {
    const FirstFoundCase& c = GetParam();
    std::vector<std::string> found = Names(SearchUnits(c.typed, c.spelling), c.spelling);
    ASSERT_GE(found.size(), c.first.size());
    found.resize(c.first.size());
    EXPECT_EQ(found, c.first);
}

constexpr Spelling EU = Spelling::European;
constexpr Spelling US = Spelling::USA;

INSTANTIATE_TEST_SUITE_P(
    Texts, FirstFound,
    testing::Values(
        // Case, punctuation and brackets do not count; words start words.
        FirstFoundCase{"ft min", EU, {"ft/min", "ft³/min", "ft-lb/min"}},
        FirstFoundCase{"FT/MIN", EU, {"ft/min"}}, FirstFoundCase{"lux", EU, {"Lumen/m² (Lux)"}},
        FirstFoundCase{"(psi)", EU, {"lbf/in² (psi)"}}, FirstFoundCase{"knot", EU, {"knot"}},
        // A typed word may run on into the name's next word.
        FirstFoundCase{"kmh", EU, {"km/hour"}},
        // Both spellings find a unit, which is listed in the shown one.
        FirstFoundCase{"metre", US, {"m (meter)"}}, FirstFoundCase{"meter", EU, {"m (metre)"}},
        FirstFoundCase{"millilitre sec", US, {"cm³/sec (milliliter/sec)"}},
        // ASCII stand-ins for the signs.
        FirstFoundCase{"in3", EU, {"in³"}}, FirstFoundCase{"kgf cm2", EU, {"kgf/cm²"}},
        FirstFoundCase{"degF", EU, {"°Fahrenheit"}}, FirstFoundCase{"deg f", EU, {"°Fahrenheit"}},
        FirstFoundCase{"°R", EU, {"°Rankine"}}, FirstFoundCase{"fahrenheit", EU, {"°Fahrenheit"}},
        // The whole short name first, then shorter names, then the catalogue's order.
        FirstFoundCase{"m", EU, {"m (metre)", "m²", "m³"}},
        FirstFoundCase{"mm", EU, {"mm (millimetre)", "mm²", "mm³"}},
        FirstFoundCase{"Pascal", EU, {"Pa (Pascal)", "Pascal-sec"}},
        FirstFoundCase{"gallon usa", EU, {"gallon USA", "gallon USA", "km/gallon USA", "gallon USA/km"}}));

struct FindsNothingCase {
    const char* typed;
};

std::ostream& operator<<(std::ostream& out, const FindsNothingCase& c) {
    return out << '"' << c.typed << '"';
}

class FindsNothing : public testing::TestWithParam<FindsNothingCase> {};

TEST_P(FindsNothing, ListsNoUnit) {
    EXPECT_TRUE(SearchUnits(GetParam().typed, EU).empty());
}

INSTANTIATE_TEST_SUITE_P(Texts, FindsNothing,
                         testing::Values(FindsNothingCase{""}, FindsNothingCase{"  /()- "},
                                         // Words must start words: "ilo" is inside "kilometre".
                                         FindsNothingCase{"ilo"}, FindsNothingCase{"knot kg"},
                                         FindsNothingCase{"furlongs fortnight"}));

TEST(FindUnits, GreekMuAndTheMicroSignStandForU) {
    // No unit's name holds either sign; typed, they read as "u" all the same.
    EXPECT_EQ(SearchUnits("\u00B5", EU), SearchUnits("u", EU));
    EXPECT_EQ(SearchUnits("\u03BC", EU), SearchUnits("u", EU));
    EXPECT_FALSE(SearchUnits("u", EU).empty());
}

TEST(FindUnits, ExactNamesAloneNameAUnit) {
    // "litre" is the whole name of two units, so the names holding it as a word go.
    const std::vector<UnitIndex> litres = UnitsNamedBy("litre", EU);
    EXPECT_EQ(Names(litres, EU), (std::vector<std::string>{"litre", "litre"}));
    EXPECT_EQ(CategoriesOf(litres), (std::vector<std::string>{"Liquid measure", "Volume / Capacity"}));
    // Without an exact match, every match stays.
    EXPECT_EQ(UnitsNamedBy("gallon", EU).size(), 12U);
}

struct PairCase {
    const char* from;
    const char* to;
    PairVerdict verdict;
    const char* fromName; // for Found and DifferentCategories
    const char* toName;
    const char* category; // the from unit's
};

std::ostream& operator<<(std::ostream& out, const PairCase& c) {
    return out << '"' << c.from << "\" to \"" << c.to << '"';
}

class UnitPairs : public testing::TestWithParam<PairCase> {};

TEST_P(UnitPairs, SettleOnOneCategory) {
    const PairCase& c = GetParam();
    const UnitPair pair = FindUnitPair(c.from, c.to, EU);
    EXPECT_EQ(pair.verdict, c.verdict);
    if (c.verdict == PairVerdict::Found || c.verdict == PairVerdict::DifferentCategories) {
        EXPECT_EQ(VisibleName(pair.from, EU), c.fromName);
        EXPECT_EQ(VisibleName(pair.to, EU), c.toName);
        EXPECT_EQ(CategoryNames.at(static_cast<std::size_t>(CategoryOfUnit(pair.from))), c.category);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, UnitPairs,
    testing::Values(
        PairCase{"°F", "°C", PairVerdict::Found, "°Fahrenheit", "°Celsius", "Temperature"},
        PairCase{"knot", "km/hour", PairVerdict::Found, "knot", "km/hour", "Velocity"},
        // A name two categories share is taken where the other unit is.
        PairCase{"litre", "gallon USA", PairVerdict::Found, "litre", "gallon USA", "Liquid measure"},
        PairCase{"litre", "m3", PairVerdict::Found, "litre", "m³", "Volume / Capacity"},
        PairCase{"N-m", "lb-foot", PairVerdict::Found, "N-m", "lb-foot", "Torque"},
        PairCase{"N-m", "Btu", PairVerdict::Found, "N-m", "Btu", "Energy"},
        PairCase{"knot", "kg", PairVerdict::DifferentCategories, "knot", "kg (kilogram)", "Velocity"},
        PairCase{"furlongs fortnight", "m", PairVerdict::FromUnknown, "", "", ""},
        PairCase{"m", "furlongs fortnight", PairVerdict::ToUnknown, "", "", ""},
        PairCase{"gallon", "litre", PairVerdict::FromAmbiguous, "", "", ""},
        PairCase{"litre", "gallon", PairVerdict::ToAmbiguous, "", "", ""}));

TEST(FindCategories, ByTheSameRulesWithAWholeNameWinning) {
    const auto named = [](const char* typed) {
        std::vector<std::string> names;
        for (const int category : CategoriesNamedBy(typed)) {
            names.emplace_back(CategoryNames.at(static_cast<std::size_t>(category)));
        }
        return names;
    };
    EXPECT_EQ(named("temperature"), std::vector<std::string>{"Temperature"});
    EXPECT_EQ(named("flow mass"), std::vector<std::string>{"Flow Rate (mass)"});
    EXPECT_EQ(named("volume"), (std::vector<std::string>{"Flow Rate (volume)", "Volume / Capacity"}));
    EXPECT_EQ(named("Area"), std::vector<std::string>{"Area"});
    EXPECT_TRUE(named("weight mass kg").empty());
}

} // namespace
} // namespace tavrix
