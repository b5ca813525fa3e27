// How closely a typed text names each unit: the ranking behind finding
// units one at a time (the unit finder) and in pairs (the command line).
#pragma once

#include "Tavrix_Units.h"

#include <string_view>
#include <vector>

namespace tavrix {

// How closely a text names a unit; the lower, the closer. Only the first
// three are sure: the text accounts for everything the unit's name says it
// measures, in the name's order.
enum Closeness : int {
    ByName = 0,        // a symbol of the unit, or its whole name
    ByReading = 1,     // what the name or a bracketed part measures, its qualifiers aside
    InAnotherCase = 2, // as sure, but only ignoring the case another unit was typed in
    Partly = 3,        // each typed word begins a word of the name, in the name's order
    NoMatch = 4,
};

struct Candidate {
    UnitIndex unit;
    Closeness closeness;
    bool inCase; // named in the case it was typed
    std::size_t length;
};

// The units `typed` matches at all, closest first, then shorter names (in
// `shown` spelling), then the catalogue's order.
std::vector<Candidate> RankedCandidates(std::string_view typed, Spelling shown);

std::vector<UnitIndex> UnitsOf(const std::vector<Candidate>& candidates);

// The closeness of the best candidates, or NoMatch for none.
Closeness BestCloseness(const std::vector<Candidate>& candidates);

std::vector<UnitIndex> UnitsAt(const std::vector<Candidate>& candidates, Closeness closeness);

// The categories of `units`, each once, in the order of first appearance.
std::vector<int> CategoriesOf(const std::vector<UnitIndex>& units);

} // namespace tavrix
