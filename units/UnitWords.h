// A unit's name, or what a person typed for one, read as the words it is
// made of: "sq ft" and "ft²" are both the foot squared, "miles per hour" and
// "mile/hour" both a mile divided by an hour, "lbs" and "pound" both the
// pound. Names and typed texts are read the same way, so that comparing the
// words is comparing what they measure.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tavrix {

struct UnitWord {
    bool divides = false;   // "/" or "per": what follows divides what came before
    std::string written;    // lower-case ASCII as written ("lbs", "ft")
    std::string meaning;    // the word it stands for ("pound", "foot")
    int power = 1;          // 2 for "²", "sq", "square"; 3 for "³", "cu", "cubic"
    bool qualifier = false; // "USA", "UK", "metric", "short"...: which of a kind, not what it measures

    friend bool operator==(const UnitWord&, const UnitWord&) = default;
};

using UnitWords = std::vector<UnitWord>;

// The signs of the names that read as ASCII (UTF-8), in words and in
// symbols' keys alike.
struct SignInNames {
    std::string_view utf8;
    std::string_view ascii; // joins the word it is in
    int power;              // or raises the word before it
    bool ownWord;           // or is a word of its own ("°F" is "degrees F")
};
inline constexpr std::array<SignInNames, 8> SignsInNames{{
    {"\u00B2", "2", 2, false},        // ²
    {"\u00B3", "3", 3, false},        // ³
    {"\u00B5", "u", 0, false},        // µ micro sign
    {"\u03BC", "u", 0, false},        // μ Greek mu, which looks the same
    {"\u00B0", "deg", 0, true},       // °
    {"\u00BA", "deg", 0, true},       // º ordinal sign, which looks like it
    {"\u2032", "arcminute", 0, true}, // ′ prime, as in 40° 26′
    {"\u2033", "arcsecond", 0, true}, // ″ double prime
}};

// The sign that `text` starts with, if any.
const SignInNames* SignAt(std::string_view text);

// The words of a text as written, lower-case, before reading what each
// stands for: `meaning` is left empty and no word is a qualifier yet.
UnitWords WrittenWords(std::string_view text);

// The words of a catalogue name (or one of its bracketed parts), in order.
UnitWords NameWords(std::string_view name);

// The words of a typed text, in order. A qualifier only the typed text uses
// ("US", "imperial") reads as the catalogue's ("USA", "UK"); a text that is
// nothing but qualifiers keeps them as plain words ("us" alone is the
// microsecond's "µs").
UnitWords TypedWords(std::string_view text);

// Whether two words mean the same: the same word to the same power.
bool SameMeaning(const UnitWord& a, const UnitWord& b);

// The words that say what a unit measures, without its qualifiers.
UnitWords Measuring(const UnitWords& words);

// The qualifiers among the words, each once, sorted.
std::vector<std::string> QualifiersOf(const UnitWords& words);

// `text` with every plural word a unit's name may take ("tons", "lbs",
// "inches") in its singular, the rest as it was: how symbols are matched in
// the plural.
std::string InTheSingular(std::string_view text);

// `text` without the words that are qualifiers ("UK pint" is "pint").
std::string WithoutQualifiers(std::string_view text);

// The tables behind the reading, for the check that they agree with the
// catalogue: words that stand for another ("ft" for "foot"), plurals that
// no rule makes ("feet", "lbs", and the catalogue's own "degrees"), and
// the qualifier words.
struct WordForm {
    std::string_view form;
    std::string_view word;
};
const std::vector<WordForm>& WordsStandingForOthers();
const std::vector<WordForm>& IrregularPlurals(); // form: the plural, word: the singular
const std::vector<WordForm>& GeneratedPlurals(); // every plural, by rule and irregular
const std::vector<std::string_view>& QualifierWords();

} // namespace tavrix
