// The word forms behind reading units' names: which words stand for which,
// the plurals no rule makes, and the words that qualify a unit rather than
// measure. Plurals that follow the rules are made from the catalogue's own
// words, so a unit added later is found in the plural without a new entry.
#include "UnitWords.h"

#include "AsciiText.h"
#include "Tavrix_Units.h"

#include <algorithm>
#include <array>

namespace tavrix {

namespace {

// clang-format off
// Abbreviations that stand for a word of the names, wherever the word is:
// "lb-ft" is the catalogue's "lb-foot", "km/l" its "km/litre".
const std::vector<WordForm> StandingForOthers = {
    // form   word
    {"ft",    "foot"},
    {"in",    "inch"},
    {"yd",    "yard"},
    {"mi",    "mile"},
    {"lb",    "pound"},
    {"oz",    "ounce"},
    {"sec",   "second"},
    {"s",     "second"},
    {"min",   "minute"},
    {"hr",    "hour"},
    {"h",     "hour"},
    {"wk",    "week"},
    {"yr",    "year"},
    {"kt",    "knot"},
    {"l",     "litre"},
    {"mm",    "millimetre"},
    {"cm",    "centimetre"},
    {"m",     "metre"},
    {"km",    "kilometre"},
    {"kg",    "kilogram"},
    {"deg",   "degree"},
};

// Plurals no rule makes from a singular, and the words the catalogue
// itself writes in the plural.
const std::vector<WordForm> Irregular = {
    // plural         singular
    {"feet",          "foot"},
    {"lbs",           "lb"},
    {"kts",           "kt"},
    {"hrs",           "hr"},
    {"yrs",           "yr"},
    {"degrees",       "degree"},
    {"radians",       "radian"},
    {"cycles",        "cycle"},
    {"revolutions",   "revolution"},
    {"barrels",       "barrel"},
};
// clang-format on

// Which of a kind a unit is, or what it is used for, and the word that
// links them ("sine of angle" is the sine); not what it measures.
const std::vector<std::string_view> Qualifiers = {
    "usa", "uk", "metric", "short", "long", "steam", "oil", "angle", "typographic", "sea", "level", "of",
};

bool IsVowel(char c) {
    return std::string_view("aeiou").find(c) != std::string_view::npos;
}

std::string RegularPlural(std::string_view word) {
    const std::string singular(word);
    if (word.ends_with("ch") || word.ends_with("sh") || word.ends_with('x') || word.ends_with('z')) {
        return singular + "es";
    }
    if (word.size() >= 2 && word.back() == 'y' && !IsVowel(word[word.size() - 2])) {
        return singular.substr(0, singular.size() - 1) + "ies";
    }
    return singular + "s";
}

// The lower-case words of every name in both spellings, each once.
std::vector<std::string> CatalogueWords() {
    std::vector<std::string> words;
    for (std::size_t unit = 0; unit < UnitCount; ++unit) {
        for (const std::string_view name : {UnitNamesEuropean[unit], UnitNamesUSA[unit]}) {
            for (const UnitWord& word : WrittenWords(name)) {
                if (!word.divides) {
                    words.push_back(word.written);
                }
            }
            if (UnitNamesUSA[unit] == UnitNamesEuropean[unit]) {
                break;
            }
        }
    }
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    return words;
}

} // namespace

const std::vector<WordForm>& WordsStandingForOthers() {
    return StandingForOthers;
}

const std::vector<WordForm>& IrregularPlurals() {
    return Irregular;
}

const std::vector<std::string_view>& QualifierWords() {
    return Qualifiers;
}

const std::vector<WordForm>& GeneratedPlurals() {
    // Made once, from the catalogue; the strings live as long as the table.
    static const std::vector<std::string> plurals = [] {
        std::vector<std::string> made;
        for (const std::string& word : CatalogueWords()) {
            const bool irregular = std::any_of(Irregular.begin(), Irregular.end(), [&](const WordForm& form) {
                return form.word == word || form.form == word;
            });
            // Short words are abbreviations ("ms" is not the plural of "m"); a
            // word ending in "s" is a plural already, or has none ("Celsius").
            if (irregular || word.size() < 3 || word.ends_with('s') ||
                !std::all_of(word.begin(), word.end(), IsAsciiLetter) ||
                std::find(Qualifiers.begin(), Qualifiers.end(), word) != Qualifiers.end()) {
                continue;
            }
            made.push_back(word);
            made.push_back(RegularPlural(word));
        }
        return made;
    }();
    static const std::vector<WordForm> forms = [] {
        std::vector<WordForm> made(Irregular);
        for (std::size_t at = 0; at + 1 < plurals.size(); at += 2) {
            made.push_back({plurals[at + 1], plurals[at]});
        }
        return made;
    }();
    return forms;
}

} // namespace tavrix
