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

// The units `query` finds, best first. A text surely names a unit when it
// accounts for everything the unit's name says it measures, in the name's
// order: "min/km" is never "km/min", and "ounces" is the ounce, never
// "ounce/sec". Words are read as people write them: case, spaces,
// punctuation and brackets do not count, plurals are their singulars,
// abbreviations their words ("lb-ft" is "lb-foot", "sq ft" "ft²", "km/l"
// "km/litre"), signs have ASCII stand-ins ("m2", "deg F"), and a qualifier
// ("UK", "US", "imperial", "metric") before or after a name picks the unit
// that has it whatever the spelling shown. First come the units named by a
// symbol (in the `shown` spelling) or by their whole name; then those named
// by what a name or a bracketed part measures ("kg" for "kg (kilogram)",
// "psi"); where the case typed names a unit, those that match only ignoring
// case ("MW" lists "MW (Megawatt)" before "mW (milliwatt)"); last, for a
// person still typing, the units whose names have a word begun by each
// typed word in the same order ("ft" lists "ft²", "ft/sec"...). Within
// each, shorter names (in `shown` spelling) before longer ones, then the
// catalogue's order. A query with no word finds nothing.
std::vector<UnitIndex> SearchUnits(std::string_view query, Spelling shown);

// The units `query` surely names: those of SearchUnits that come first by
// how closely the query names them; none for a text that only begins names.
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

// What a pair of typed unit names comes to.
enum class PairVerdict {
    Found,              // `from` and `to` are one category's units
    FromUnknown,        // no unit matches the "from" text
    ToUnknown,          // no unit matches the "to" text
    FromAmbiguous,      // the "from" text names several units, or surely none
    ToAmbiguous,        // the "to" text names several units, or surely none
    DifferentCategories // each names one unit, but no category holds both
};

struct UnitPair {
    PairVerdict verdict = PairVerdict::FromUnknown;
    UnitIndex from = NoUnit;
    UnitIndex to = NoUnit;
    // For FromAmbiguous and ToAmbiguous: the units the text could mean (for
    // a text that surely names none, those it partly names).
    std::vector<UnitIndex> candidates;
};

// Settles two typed names on one category's pair of units, taking only
// units each text surely names. The closest names of each that a category
// holds together win: "g" is the gram beside
// "kg" and the acceleration beside "m/sec²". A name or symbol that several
// categories share (the litre of "Liquid measure" and of "Volume / Capacity")
// counts as one unit, taken in the first category that also holds the other
// unit; for DifferentCategories, `from` and `to` are the two units found.
UnitPair FindUnitPair(std::string_view from, std::string_view to, Spelling shown);

// The categories of the units `from` may mean in a pair (those it surely
// names, else those it partly names), best names first; what the unit to
// convert to may then be chosen from.
std::vector<int> CategoriesOfFromUnit(std::string_view from, Spelling shown);

} // namespace tavrix
