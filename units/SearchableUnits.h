// What a search compares each unit with: its names in both spellings read
// as words, and its symbols as keys. Made once, since the unit finder
// searches all units again at every keystroke.
#pragma once

#include "Tavrix_Units.h"
#include "UnitWords.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tavrix {

// A typed text or a symbol as symbols are compared: lower-case ASCII, "°" as
// "deg", "²" "³" "µ" as "2" "3" "u", spaces and full stops left out; other
// punctuation counts ("m/s" is not "ms").
std::string SymbolKey(std::string_view text);
// The same, with the letters in the case they are written in.
std::string SymbolKeyInCase(std::string_view text);

struct SearchableName {
    UnitWords words; // the whole name, qualifiers and all
    // What the name measures: as a whole, beside its brackets and in each
    // bracket that names the unit ("kg (kilogram)" is "kg" and "kilogram";
    // "cwt (short) USA" only "cwt").
    std::vector<UnitWords> readings;
    std::vector<std::string> qualifiers;
    // The whole name and its parts as keys in their own case ("MW", "MW (Megawatt)").
    std::vector<std::string> keysInCase;
    // For names close to a text that matches nothing: the letters and digits
    // of the whole name, of each part and of each word.
    std::string letters;
    std::vector<std::string> partLetters;
    std::vector<std::string> wordLetters;
};

struct SearchableUnit {
    std::array<SearchableName, 2> spellings;  // European, USA
    std::array<std::size_t, 2> visibleLength; // in characters, by spelling
    // The symbols' keys, by the spelling they belong to (European, USA):
    // ignoring case, and in the symbol's own case.
    std::array<std::vector<std::string>, 2> symbols;
    std::array<std::vector<std::string>, 2> symbolsInCase;
    // The symbols that name nothing in another case, as keys ignoring case
    // and in case.
    std::vector<std::pair<std::string, std::string>> caseCounting;
};

const std::vector<SearchableUnit>& SearchableUnits();

} // namespace tavrix
