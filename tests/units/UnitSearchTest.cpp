// Finding units by typing: which units a text finds, in which order, and
// how two typed names settle on one category's pair of units. Units are
// named by their catalogue names, so a table reads as a person would.
#include "UnitSearch.h"
#include "UnitSymbols.h"

#include <gtest/gtest.h>

#include <algorithm>
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
        FirstFoundCase{"gallon usa", EU, {"gallon USA", "gallon USA", "km/gallon USA", "gallon USA/km"}},
        // What a person means comes first: symbols, then a name beside its
        // brackets, before names that only hold the typed words.
        FirstFoundCase{"g", EU, {"gram", "g (acc. due to gravity)"}},
        FirstFoundCase{"l", EU, {"litre", "litre", "l/hr"}}, FirstFoundCase{"L", US, {"liter", "liter"}},
        FirstFoundCase{"in", EU, {"inch"}}, FirstFoundCase{"K", EU, {"°Kelvin"}},
        FirstFoundCase{"C", EU, {"°Celsius"}}, FirstFoundCase{"deg C", EU, {"°Celsius"}},
        FirstFoundCase{"mph", EU, {"mile/hour"}}, FirstFoundCase{"km/h", EU, {"km/hour"}},
        FirstFoundCase{"m/s", EU, {"m/sec"}}, FirstFoundCase{"mmHg", EU, {"mm.Hg (Torr)"}},
        FirstFoundCase{"fl oz", US, {"fluid ounce USA", "fluid ounce USA"}},
        FirstFoundCase{"fl. oz", EU, {"fluid ounce UK", "fluid ounce UK"}},
        // The spelling shown decides what a word means on either side of the Atlantic.
        FirstFoundCase{"ton", EU, {"ton (long) UK"}}, FirstFoundCase{"ton", US, {"ton (short) USA"}},
        FirstFoundCase{"gallon", US, {"gallon USA", "gallon USA"}},
        // "u" stands for "µ".
        FirstFoundCase{"µm", EU, {"micron"}}, FirstFoundCase{"um", EU, {"micron"}},
        // A whole name beats another name's bracketed part.
        FirstFoundCase{"cm³", EU, {"cm³", "millilitre (cm³)"}},
        FirstFoundCase{"cm²/sec", EU, {"cm²/sec", "Stokes (cm²/sec)"}},
        // Where only case tells two symbols apart, the typed case comes first.
        FirstFoundCase{"MW", EU, {"MW (Megawatt)", "mW (milliwatt)"}},
        FirstFoundCase{"mW", EU, {"mW (milliwatt)", "MW (Megawatt)"}},
        FirstFoundCase{"kN", EU, {"kN (kilonewton)", "knot"}},
        FirstFoundCase{"kn", EU, {"knot", "kN (kilonewton)"}},
        // The kitchen's measures follow the spelling as the gallon does.
        FirstFoundCase{"cup", EU, {"cup (metric)"}}, FirstFoundCase{"cup", US, {"cup USA"}},
        FirstFoundCase{"tbsp", US, {"tablespoon USA"}}, FirstFoundCase{"tsp", EU, {"teaspoon (metric)"}},
        FirstFoundCase{"ug", EU, {"µg (microgram)"}}, FirstFoundCase{"l/100 km", US, {"liter/100 km"}},
        // What the text names whole comes before names it only begins.
        FirstFoundCase{"ft", EU, {"ft (feet)", "ft²", "ft³"}}, FirstFoundCase{"foot", EU, {"ft (feet)"}},
        FirstFoundCase{"lb-ft", EU, {"lb-foot"}}, FirstFoundCase{"miles", EU, {"mile", "sq mile"}},
        FirstFoundCase{"ounces", EU, {"oz (ounce)"}}));

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
                                         FindsNothingCase{"furlongs fortnight"},
                                         // The order of a compound name's parts counts.
                                         FindsNothingCase{"min/km"}, FindsNothingCase{"sec/km"}));

TEST(FindUnits, GreekMuAndTheMicroSignStandForU) {
    // Typed, either sign reads as "u", as the micro sign of "µg" does.
    EXPECT_EQ(SearchUnits("\u00B5", EU), SearchUnits("u", EU));
    EXPECT_EQ(SearchUnits("\u03BC", EU), SearchUnits("u", EU));
    EXPECT_FALSE(SearchUnits("u", EU).empty());
}

TEST(FindUnits, ExactNamesAloneNameAUnit) {
    // "litre" is the whole name of two units, so the names holding it as a word go.
    const std::vector<UnitIndex> litres = UnitsNamedBy("litre", EU);
    EXPECT_EQ(Names(litres, EU), (std::vector<std::string>{"litre", "litre"}));
    EXPECT_EQ(CategoriesOf(litres), (std::vector<std::string>{"Liquid measure", "Volume / Capacity"}));
    // A text that only begins names names none.
    EXPECT_TRUE(UnitsNamedBy("cycles", EU).empty());
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
        PairCase{"ml", "gallon", PairVerdict::Found, "millilitre (cm³)", "gallon UK", "Liquid measure"},
        PairCase{"cc", "m3", PairVerdict::Found, "cm³", "m³", "Volume / Capacity"},
        // Symbols and the names people mean.
        PairCase{"g", "kg", PairVerdict::Found, "gram", "kg (kilogram)", "Mass / Weight"},
        PairCase{"in", "cm", PairVerdict::Found, "inch", "cm (centimetre)", "Length"},
        PairCase{"K", "C", PairVerdict::Found, "°Kelvin", "°Celsius", "Temperature"},
        PairCase{"ton", "kg", PairVerdict::Found, "ton (long) UK", "kg (kilogram)", "Mass / Weight"},
        PairCase{"mph", "kph", PairVerdict::Found, "mile/hour", "km/hour", "Velocity"},
        PairCase{"cm³", "litre", PairVerdict::Found, "cm³", "litre", "Volume / Capacity"},
        PairCase{"cm²/sec", "m²/sec", PairVerdict::Found, "cm²/sec", "m²/sec", "Viscosity Kinematic"},
        // Where the closest meaning has no partner, the other unit decides.
        PairCase{"g", "m/sec²", PairVerdict::Found, "g (acc. due to gravity)", "m/sec²", "Acceleration"},
        // "lb" is the pound: "lb-force" says what "lb" alone does not.
        PairCase{"lb", "N", PairVerdict::DifferentCategories, "lb (pound)", "Newton", "Mass / Weight"},
        PairCase{"lbf", "N", PairVerdict::Found, "lb-force", "Newton", "Force"},
        PairCase{"kn", "N", PairVerdict::Found, "kN (kilonewton)", "Newton", "Force"},
        PairCase{"kn", "km/h", PairVerdict::Found, "knot", "km/hour", "Velocity"},
        PairCase{"KN", "lbf", PairVerdict::Found, "kN (kilonewton)", "lb-force", "Force"},
        PairCase{"MW", "W", PairVerdict::Found, "MW (Megawatt)", "Watt", "Power"},
        PairCase{"mW", "W", PairVerdict::Found, "mW (milliwatt)", "Watt", "Power"},
        PairCase{"mw", "W", PairVerdict::FromAmbiguous, "", "", ""},
        PairCase{"Nm", "lb-foot", PairVerdict::Found, "N-m", "lb-foot", "Torque"},
        PairCase{"nm", "inch", PairVerdict::Found, "nm (nanometre)", "inch", "Length"},
        PairCase{"l/100km", "mpg", PairVerdict::Found, "litre/100 km", "mile/gallon UK", "Fuel consumption"},
        // A name typed in its own case outranks one that matches only ignoring
        // case, and a capital typed is meant: "Nm" beside "ft" is no nanometre.
        PairCase{"Nm", "ft", PairVerdict::DifferentCategories, "N-m", "ft (feet)", "Energy"},
        PairCase{"Cal", "J", PairVerdict::Found, "kcal (kilocalorie)", "Joule", "Energy"},
        PairCase{"cal", "J", PairVerdict::Found, "cal (calorie)", "Joule", "Energy"},
        // Two texts differing in case alone mean two units.
        PairCase{"kn", "kN", PairVerdict::DifferentCategories, "knot", "kN (kilonewton)", "Velocity"},
        PairCase{"MW", "mW", PairVerdict::Found, "MW (Megawatt)", "mW (milliwatt)", "Power"},
        // In another case, these symbols are units the catalogue lacks (millijoule, millipascal).
        PairCase{"mPa", "bar", PairVerdict::FromUnknown, "", "", ""},
        PairCase{"MPa", "bar", PairVerdict::Found, "MPa (megapascal)", "Bar", "Pressure"},
        PairCase{"mJ", "J", PairVerdict::FromUnknown, "", "", ""},
        PairCase{"knot", "kg", PairVerdict::DifferentCategories, "knot", "kg (kilogram)", "Velocity"},
        PairCase{"furlongs fortnight", "m", PairVerdict::FromUnknown, "", "", ""},
        PairCase{"m", "furlongs fortnight", PairVerdict::ToUnknown, "", "", ""},
        // A text that names no unit whole is never taken for one it only begins.
        PairCase{"cycles", "Hz", PairVerdict::FromAmbiguous, "", "", ""},
        PairCase{"ft min", "m/sec", PairVerdict::FromAmbiguous, "", "", ""},
        PairCase{"min/km", "min/mile", PairVerdict::FromUnknown, "", "", ""},
        PairCase{"sec/km", "m/s", PairVerdict::FromUnknown, "", "", ""},
        PairCase{"ounces", "grams", PairVerdict::Found, "oz (ounce)", "gram", "Mass / Weight"},
        // The other unit's category picks among a text's readings.
        PairCase{"lbf ft", "Nm", PairVerdict::Found, "lb-foot", "N-m", "Torque"},
        PairCase{"ft-lbs", "Nm", PairVerdict::Found, "ft-lb", "N-m", "Energy"},
        PairCase{"UK pint", "ml", PairVerdict::Found, "pint UK", "millilitre (cm³)", "Liquid measure"},
        PairCase{"sq ft", "m²", PairVerdict::Found, "ft²", "m²", "Area"},
        PairCase{"Hz", "cycles", PairVerdict::ToAmbiguous, "", "", ""}));

TEST(FindUnitPairs, AnAmbiguousNameListsWhatItCouldMean) {
    const UnitPair pair = FindUnitPair("cycles", "Hz", EU);
    EXPECT_EQ(Names(pair.candidates, EU),
              (std::vector<std::string>{"cycles/sec", "cycles/min", "cycles/hour"}));
    // Those beside the other unit's category, where there are any.
    EXPECT_EQ(Names(FindUnitPair("ft min", "m/s", EU).candidates, EU), std::vector<std::string>{"ft/min"});
}

// Suggestions when nothing matches: the names a letter or two away, each once.
TEST(FindUnits, CloseNamesForATextThatMatchesNothing) {
    const auto close = [](const char* typed) { return Names(UnitsCloseTo(typed, EU, 3), EU); };
    EXPECT_EQ(close("calories"), std::vector<std::string>{"cal (calorie)"});
    EXPECT_EQ(close("kcals"), (std::vector<std::string>{"kcal (kilocalorie)"}));
    // A bracketed part is a name of its own.
    EXPECT_EQ(close("steem"),
              (std::vector<std::string>{"kcal/sec (steam)", "kcal/min (steam)", "kcal/hour (steam)"}));
    EXPECT_EQ(close("metres"), std::vector<std::string>{"m (metre)"});
    EXPECT_EQ(close("furlongs"), std::vector<std::string>{"furlong"});
    EXPECT_EQ(close("liters"), (std::vector<std::string>{"litre"}));
    EXPECT_TRUE(close("qqq").empty());
}

// Every symbol names units that exist, finds one of them first in each
// spelling it belongs to, and no symbol means two units of one category.
TEST(UnitSymbolTable, EverySymbolFindsItsUnitAndNoneFight) {
    const auto unitsNamed = [](std::string_view name) {
        std::vector<UnitIndex> units;
        for (int unit = 0; unit < UnitCount; ++unit) {
            if (VisibleName(static_cast<UnitIndex>(unit), EU) == name) {
                units.push_back(static_cast<UnitIndex>(unit));
            }
        }
        return units;
    };
    const auto belongsTo = [](const UnitSymbol& symbol, Spelling spelling) {
        return symbol.spelling == SymbolSpelling::Any ||
               (symbol.spelling == SymbolSpelling::USA) == (spelling == Spelling::USA);
    };
    for (const UnitSymbol& symbol : UnitSymbols()) {
        const std::vector<UnitIndex> units = unitsNamed(symbol.unitName);
        ASSERT_FALSE(units.empty()) << symbol.symbol << ": no unit is named \"" << symbol.unitName << '"';
        for (const Spelling spelling : {EU, US}) {
            if (!belongsTo(symbol, spelling)) {
                continue;
            }
            // What else the symbol means in this spelling: one unit a category
            // at most. Symbols that differ in case alone ("mW", "MW") are apart.
            std::vector<UnitIndex> meant;
            for (const UnitSymbol& other : UnitSymbols()) {
                if (other.symbol == symbol.symbol && belongsTo(other, spelling)) {
                    const std::vector<UnitIndex> its = unitsNamed(other.unitName);
                    meant.insert(meant.end(), its.begin(), its.end());
                }
            }
            std::sort(meant.begin(), meant.end());
            meant.erase(std::unique(meant.begin(), meant.end()), meant.end());
            std::vector<std::string> categories = CategoriesOf(meant);
            std::sort(categories.begin(), categories.end());
            EXPECT_EQ(std::adjacent_find(categories.begin(), categories.end()), categories.end())
                << symbol.symbol << " means two units of one category";
            const std::vector<UnitIndex> found = SearchUnits(symbol.symbol, spelling);
            ASSERT_FALSE(found.empty()) << symbol.symbol;
            EXPECT_NE(std::find(meant.begin(), meant.end(), found.front()), meant.end())
                << symbol.symbol << " finds " << VisibleName(found.front(), spelling) << " first";
        }
    }
}

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
    // The one name that begins with the word wins.
    EXPECT_EQ(named("volume"), std::vector<std::string>{"Volume / Capacity"});
    EXPECT_EQ(named("mass"), std::vector<std::string>{"Mass / Weight"});
    EXPECT_EQ(named("flow"), (std::vector<std::string>{"Flow Rate (volume)", "Flow Rate (mass)"}));
    EXPECT_EQ(named("Area"), std::vector<std::string>{"Area"});
    EXPECT_TRUE(named("weight mass kg").empty());
}

} // namespace
} // namespace tavrix
