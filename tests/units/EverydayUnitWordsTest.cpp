// Units as people write them: plurals, abbreviations, qualifiers and signs
// that look alike each name one unit of a category, in both spellings; and
// no text is taken for a compound unit it does not spell out.
#include "UnitSearch.h"
#include "UnitSymbols.h"
#include "UnitWords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace tavrix {
namespace {

constexpr Spelling EU = Spelling::European;
constexpr Spelling US = Spelling::USA;

struct EverydayCase {
    const char* typed;
    const char* europe; // the unit it names, by its European name, in each spelling
    const char* usa;
};

std::ostream& operator<<(std::ostream& out, const EverydayCase& c) {
    return out << '"' << c.typed << '"';
}

class EverydayWords : public testing::TestWithParam<EverydayCase> {};

// The unit comes first in the finder, and is the one unit of its category
// the text surely names, as the command line takes it.
TEST_P(EverydayWords, NameTheirUnit) {
    const EverydayCase& c = GetParam();
    for (const auto& [spelling, expected] : {std::pair{EU, c.europe}, std::pair{US, c.usa}}) {
        const std::vector<UnitIndex> found = SearchUnits(c.typed, spelling);
        ASSERT_FALSE(found.empty()) << "in " << (spelling == EU ? "European" : "USA") << " spelling";
        EXPECT_EQ(VisibleName(found.front(), EU), expected);
        const std::vector<UnitIndex> named = UnitsNamedBy(c.typed, spelling);
        const int category = CategoryOfUnit(found.front());
        EXPECT_EQ(std::count_if(named.begin(), named.end(),
                                [&](UnitIndex unit) { return CategoryOfUnit(unit) == category; }),
                  1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, EverydayWords,
    testing::Values(
        // Plurals, by rule and irregular.
        EverydayCase{"inches", "inch", "inch"}, EverydayCase{"yards", "yd (yard)", "yd (yard)"},
        EverydayCase{"miles", "mile", "mile"}, EverydayCase{"pounds", "lb (pound)", "lb (pound)"},
        EverydayCase{"lbs", "lb (pound)", "lb (pound)"}, EverydayCase{"ounces", "oz (ounce)", "oz (ounce)"},
        EverydayCase{"stones", "stone", "stone"}, EverydayCase{"tons", "ton (long) UK", "ton (short) USA"},
        EverydayCase{"tonnes", "tonne (metric ton)", "tonne (metric ton)"},
        EverydayCase{"grams", "gram", "gram"}, EverydayCase{"kilograms", "kg (kilogram)", "kg (kilogram)"},
        EverydayCase{"metres", "m (metre)", "m (metre)"}, EverydayCase{"meters", "m (metre)", "m (metre)"},
        EverydayCase{"litres", "litre", "litre"}, EverydayCase{"liters", "litre", "litre"},
        EverydayCase{"gallons", "gallon UK", "gallon USA"}, EverydayCase{"pints", "pint UK", "pint USA"},
        EverydayCase{"quarts", "quart UK", "quart USA"}, EverydayCase{"cups", "cup (metric)", "cup USA"},
        EverydayCase{"tablespoons", "tablespoon (metric)", "tablespoon USA"},
        EverydayCase{"teaspoons", "teaspoon (metric)", "teaspoon USA"}, EverydayCase{"seconds", "sec", "sec"},
        EverydayCase{"minutes", "min", "min"}, EverydayCase{"hours", "hour", "hour"},
        EverydayCase{"days", "day", "day"}, EverydayCase{"weeks", "week", "week"},
        EverydayCase{"years", "year", "year"}, EverydayCase{"knots", "knot", "knot"},
        EverydayCase{"acres", "acre", "acre"}, EverydayCase{"hectares", "hectare", "hectare"},
        EverydayCase{"degrees", "degrees (angle)", "degrees (angle)"},
        EverydayCase{"degree", "degrees (angle)", "degrees (angle)"},
        EverydayCase{"radians", "radians", "radians"}, EverydayCase{"newtons", "Newton", "Newton"},
        EverydayCase{"joules", "Joule", "Joule"}, EverydayCase{"watts", "Watt", "Watt"},
        EverydayCase{"calories", "cal (calorie)", "cal (calorie)"},
        EverydayCase{"feet", "ft (feet)", "ft (feet)"}, EverydayCase{"furlongs", "furlong", "furlong"},
        EverydayCase{"nautical miles", "nautical mile", "nautical mile"},
        EverydayCase{"square metres", "m²", "m²"}, EverydayCase{"cubic feet", "ft³", "ft³"},
        EverydayCase{"miles per hour", "mile/hour", "mile/hour"},
        // Abbreviations people write.
        EverydayCase{"sq ft", "ft²", "ft²"}, EverydayCase{"sq in", "in²", "in²"},
        EverydayCase{"sq m", "m²", "m²"}, EverydayCase{"sq yd", "yd²", "yd²"},
        EverydayCase{"sq km", "sq km", "sq km"}, EverydayCase{"sq mi", "sq mile", "sq mile"},
        EverydayCase{"sqft", "ft²", "ft²"}, EverydayCase{"cu ft", "ft³", "ft³"},
        EverydayCase{"cu in", "in³", "in³"}, EverydayCase{"cu m", "m³", "m³"},
        EverydayCase{"cu yd", "yd³", "yd³"}, EverydayCase{"kts", "knot", "knot"},
        EverydayCase{"kt", "knot", "knot"}, EverydayCase{"hr", "hour", "hour"},
        EverydayCase{"hrs", "hour", "hour"}, EverydayCase{"mins", "min", "min"},
        EverydayCase{"secs", "sec", "sec"}, EverydayCase{"yr", "year", "year"},
        EverydayCase{"yrs", "year", "year"}, EverydayCase{"wk", "week", "week"},
        EverydayCase{"qt", "quart UK", "quart USA"}, EverydayCase{"gal", "gallon UK", "gallon USA"},
        EverydayCase{"tbs", "tablespoon (metric)", "tablespoon USA"}, EverydayCase{"fps", "ft/sec", "ft/sec"},
        EverydayCase{"kmh", "km/hour", "km/hour"}, EverydayCase{"kph", "km/hour", "km/hour"},
        EverydayCase{"km/l", "km/litre", "km/litre"}, EverydayCase{"kpl", "km/litre", "km/litre"},
        EverydayCase{"ft-lbs", "ft-lb", "ft-lb"}, EverydayCase{"lb-ft", "lb-foot", "lb-foot"},
        EverydayCase{"lbf ft", "lb-foot", "lb-foot"}, EverydayCase{"lb in", "lb-inch", "lb-inch"},
        EverydayCase{"Fahrenheit", "°Fahrenheit", "°Fahrenheit"},
        EverydayCase{"Celsius", "°Celsius", "°Celsius"}, EverydayCase{"in.", "inch", "inch"},
        EverydayCase{"km/s", "km/sec", "km/sec"}, EverydayCase{"fc", "foot-candle", "foot-candle"},
        EverydayCase{"sine", "sine of angle", "sine of angle"},
        // Qualifiers before or after a name pick the unit in either spelling.
        EverydayCase{"UK pint", "pint UK", "pint UK"}, EverydayCase{"pint UK", "pint UK", "pint UK"},
        EverydayCase{"imperial gallon", "gallon UK", "gallon UK"},
        EverydayCase{"US gallon", "gallon USA", "gallon USA"},
        EverydayCase{"UK mpg", "mile/gallon UK", "mile/gallon UK"},
        EverydayCase{"US cup", "cup USA", "cup USA"},
        EverydayCase{"metric cup", "cup (metric)", "cup (metric)"},
        EverydayCase{"short ton", "ton (short) USA", "ton (short) USA"},
        EverydayCase{"US fluid ounces", "fluid ounce USA", "fluid ounce USA"},
        // Signs that look alike.
        EverydayCase{"\u00BAC", "°Celsius", "°Celsius"}, EverydayCase{"\u03BCm", "micron", "micron"},
        EverydayCase{"\u2032", "arcminute (minute of arc)", "arcminute (minute of arc)"},
        EverydayCase{"\u2033", "arcsecond (second of arc)", "arcsecond (second of arc)"}));

// Every name of the catalogue with the parts around its "/" or "-" swapped
// ("min/km" for "km/min"), with its "/..." part left out ("ounce" for
// "ounce/sec") or without its power ("ft" for "ft²"), finds the unit that
// is so named or none: never the unit it came from, nor one whose name has
// a "/" or a power the text left out.
TEST(CompoundNames, AreNeverTakenForWhatTheyDoNotSpellOut) {
    const auto hasSign = [](std::string_view name, std::string_view sign) {
        return name.find(sign) != std::string_view::npos;
    };
    const auto powered = [&](std::string_view name) {
        return hasSign(name, "\u00B2") || hasSign(name, "\u00B3");
    };
    std::size_t tried = 0;
    for (int index = 0; index < UnitCount; ++index) {
        const auto unit = static_cast<UnitIndex>(index);
        for (const Spelling spelling : {EU, US}) {
            std::string name(VisibleName(unit, spelling));
            name = name.substr(0, name.find(" ("));
            std::vector<std::string> texts;
            for (const char separator : {'/', '-'}) {
                const std::size_t at = name.find(separator);
                if (at != std::string::npos) {
                    texts.push_back(name.substr(at + 1) + separator + name.substr(0, at));
                }
            }
            if (name.find('/') != std::string::npos) {
                texts.push_back(name.substr(0, name.find('/')));
            }
            std::string unpowered = name;
            for (const std::string_view power : {"\u00B2", "\u00B3"}) {
                for (std::size_t at = unpowered.find(power); at != std::string::npos;
                     at = unpowered.find(power)) {
                    unpowered.erase(at, power.size());
                }
            }
            if (unpowered != name) {
                texts.push_back(unpowered);
            }
            for (const std::string& text : texts) {
                ++tried;
                for (const UnitIndex found : UnitsNamedBy(text, spelling)) {
                    const std::string_view foundName = VisibleName(found, spelling);
                    EXPECT_NE(found, unit) << '"' << text << "\" finds the unit it came from, " << name;
                    EXPECT_FALSE(hasSign(foundName, "/") && !hasSign(text, "/"))
                        << '"' << text << "\" finds " << foundName;
                    EXPECT_FALSE(powered(foundName) && !powered(text))
                        << '"' << text << "\" finds " << foundName;
                }
            }
        }
    }
    EXPECT_GT(tried, 300U);
}

// The word tables agree with the catalogue: every word an abbreviation
// stands for, and every irregular plural's singular, is a word of its
// names; and no plural made is a symbol or an abbreviation, which it
// would then take away.
TEST(UnitWordTables, NameTheCataloguesWordsAndTakeNoneAway) {
    std::set<std::string> words;
    for (const Spelling spelling : {EU, US}) {
        for (int unit = 0; unit < UnitCount; ++unit) {
            for (const UnitWord& word : WrittenWords(VisibleName(static_cast<UnitIndex>(unit), spelling))) {
                words.insert(word.written);
            }
        }
    }
    // A word of the names, or the singular of one the names write in the plural ("degrees").
    const auto known = [&](std::string_view word) {
        return words.contains(std::string(word)) ||
               std::any_of(IrregularPlurals().begin(), IrregularPlurals().end(), [&](const WordForm& plural) {
                   return plural.word == word && words.contains(std::string(plural.form));
               });
    };
    const auto isAbbreviation = [](std::string_view word) {
        return std::any_of(WordsStandingForOthers().begin(), WordsStandingForOthers().end(),
                           [&](const WordForm& form) { return form.form == word; });
    };
    for (const WordForm& form : WordsStandingForOthers()) {
        EXPECT_TRUE(known(form.word)) << form.form << " stands for " << form.word << ", which no name has";
    }
    std::set<std::string> symbols;
    for (const UnitSymbol& symbol : UnitSymbols()) {
        std::string lower;
        for (const char c : symbol.symbol) {
            lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        symbols.insert(lower);
    }
    for (const WordForm& plural : GeneratedPlurals()) {
        EXPECT_TRUE(known(plural.word) || isAbbreviation(plural.word))
            << plural.form << " is the plural of " << plural.word << ", which no name has";
        EXPECT_FALSE(isAbbreviation(plural.form)) << plural.form << " stands for another word";
        EXPECT_FALSE(symbols.contains(std::string(plural.form))) << plural.form << " is a symbol";
    }
}

} // namespace
} // namespace tavrix
