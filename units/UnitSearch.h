// Finding units by what a person types: part of a name, in either spelling,
// with plain ASCII standing in for the signs ("m2" for "m²", "deg" for "°"),
// or a symbol such as "g", "l" or "mph" (UnitSymbols.h). The window's unit
// finder, the command line and its completion all search this way.
#pragma once

#include "Tavrix_Units.h"

#include <string>
#include <string_view>
#include <vector>

namespace tavrix {

// The units whose name, in either spelling, matches every word of `query`,
// and those it is a symbol of; best first. Case, spaces, punctuation and
// brackets do not count; each typed word must start a word of the name (it
// may run on into the next word: "degF" finds "°Fahrenheit", "kmh"
// "km/hour"). First come the units the query names exactly: by a whole
// name, or as a symbol in the `shown` spelling; then those it names by
// the rest of a name beside its brackets ("kg" for "kg (kilogram)") or by
// a bracketed part ("psi"); then the rest. Where the query is a name,
// symbol or name part of some unit in the case typed, the units it matches
// that way only ignoring case count among the rest ("MW" lists "MW
// (Megawatt)" before "mW (milliwatt)"). Within each, shorter names (in
// `shown` spelling) before longer ones, then the catalogue's order. A query
// with no word finds nothing.
std::vector<UnitIndex> SearchUnits(std::string_view query, Spelling shown);

// The units `query` names: those of SearchUnits that come first by how
// closely the query names them (all of them when none is named exactly).
std::vector<UnitIndex> UnitsNamedBy(std::string_view query, Spelling shown);

// Up to `count` units with names close to `query` when nothing matches it,
// each name once, the closest only: names one or two letters away from it
// ("metre" for "metres", "kcal (kilocalorie)" for "cal"), else names with a
// word that close.
std::vector<UnitIndex> UnitsCloseTo(std::string_view query, Spelling shown, std::size_t count);

// The categories `query` names by the same rules (brackets aside): one whose
// whole name is the query alone where there is one; otherwise the one whose
// name begins with the query when only one does ("mass" is "Mass / Weight",
// not "Flow Rate (mass)"); otherwise all that match, in order.
std::vector<int> CategoriesNamedBy(std::string_view query);

// A unit's name as a person reads it: without the trailing spaces that keep
// the names of units which two categories share apart.
std::string_view VisibleName(UnitIndex unit, Spelling spelling);

// A typed text or a symbol as symbols are compared: lower-case ASCII, "°" as
// "deg", "²" "³" "µ" as "2" "3" "u", spaces and full stops left out; other
// punctuation counts ("m/s" is not "ms").
std::string SymbolKey(std::string_view text);

// What a pair of typed unit names comes to.
enum class PairVerdict {
    Found,              // `from` and `to` are one category's units
    FromUnknown,        // no unit matches the "from" text
    ToUnknown,          // no unit matches the "to" text
    FromAmbiguous,      // the "from" text names several units
    ToAmbiguous,        // the "to" text names several units
    DifferentCategories // each names one unit, but no category holds both
};

struct UnitPair {
    PairVerdict verdict = PairVerdict::FromUnknown;
    UnitIndex from = NoUnit;
    UnitIndex to = NoUnit;
    // For FromAmbiguous and ToAmbiguous: the units the text could mean.
    std::vector<UnitIndex> candidates;
};

// Settles two typed names on one category's pair of units. The closest
// names of each that a category holds together win: "g" is the gram beside
// "kg" and the acceleration beside "m/sec²". A name or symbol that several
// categories share (the litre of "Liquid measure" and of "Volume / Capacity")
// counts as one unit, taken in the first category that also holds the other
// unit; for DifferentCategories, `from` and `to` are the two units found.
UnitPair FindUnitPair(std::string_view from, std::string_view to, Spelling shown);

// The categories of the units `from` may mean in a pair, best names first;
// what the unit to convert to may then be chosen from.
std::vector<int> CategoriesOfFromUnit(std::string_view from, Spelling shown);

} // namespace tavrix
