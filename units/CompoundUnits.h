// The compound units: a value written in several units at once, largest
// first ("5 ft 11 in", "1:30:00", "40° 26′ 46″"). Each counts in its last
// part's unit, so converting it is converting that unit.
#pragma once

#include "Tavrix_Units.h"

#include <span>
#include <string_view>

namespace tavrix {

enum class CompoundStyle {
    Named, // "5 ft 11 in": each number followed by its part's symbol
    Colon, // "1:30:00": the numbers joined by colons, sixtieths two digits wide
    Arc,   // "40° 26′ 46″": each number followed at once by its sign
};

struct CompoundPart {
    UnitIndex unit;          // the catalogue unit the part is written in
    std::string_view symbol; // what follows its number when shown
    long long inLastPart;    // how many of the last part make one of this part
    // The sign that stands for the part where people write primes ("5′11″",
    // "40°26′"): "′" for the middle part, "″" for the last; else empty.
    std::string_view prime;
    // Blank-separated words that stand for the part within its compound
    // unit although they name another unit ("1h30m", "40 deg 26 min").
    std::string_view aliases;
};

struct CompoundUnit {
    UnitIndex unit;
    CompoundStyle style;
    std::span<const CompoundPart> parts; // largest first
    // Each part after the first is sixty of the next: the colon form reads it.
    bool inSixtieths;
    // The words and signs its parts are written with, blank-separated: what
    // a field holding its value lets a person type beside the numbers.
    std::string_view writtenWith;
    double exampleValue; // in the last part: what a message shows as the way to write one
};

// The compound unit `unit` is, or null for a plain unit.
const CompoundUnit* CompoundOf(UnitIndex unit);

std::span<const CompoundUnit> CompoundUnits();

} // namespace tavrix
