// Finding units by what a person types: part of a name, in either spelling,
// with plain ASCII standing in for the signs ("m2" for "m²", "deg" for "°").
// The window's unit finder and the command line both search this way.
#pragma once

#include "Tavrix_Units.h"

#include <string_view>
#include <vector>

namespace tavrix {

// The units whose name, in either spelling, matches every word of `query`,
// best first. Case, spaces, punctuation and brackets do not count; each
// typed word must start a word of the name (it may run on into the next
// word: "degF" finds "°Fahrenheit", "kmh" "km/hour"). Units whose whole
// name, the part before its brackets or the part inside them is exactly
// the query come first; then shorter names (in `shown` spelling) before
// longer ones; then the catalogue's order. A query with no word finds
// nothing.
std::vector<UnitIndex> SearchUnits(std::string_view query, Spelling shown);

// The units `query` names: the exact matches of SearchUnits where there are
// any, otherwise all its matches.
std::vector<UnitIndex> UnitsNamedBy(std::string_view query, Spelling shown);

// The categories `query` names by the same rules (brackets aside): one whose
// whole name is the query alone where there is one, otherwise all that match, in order.
std::vector<int> CategoriesNamedBy(std::string_view query);

// A unit's name as a person reads it: without the trailing spaces that keep
// the names of units which two categories share apart.
std::string_view VisibleName(UnitIndex unit, Spelling spelling);

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
};

// Settles two typed names on one category's pair of units. A name that
// several categories share (the litre of "Liquid measure" and of
// "Volume / Capacity") counts as one unit, taken in the first category
// that also holds the other unit; for DifferentCategories, `from` and `to`
// are the two units found.
UnitPair FindUnitPair(std::string_view from, std::string_view to, Spelling shown);

} // namespace tavrix
