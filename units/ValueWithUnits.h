// A value that carries its units, as the command line takes it in one
// operand: "5 ft 11 in", "11 st 4 lb", "1:30:00", "40°26'46\"", "90 min".
#pragma once

#include "CompoundValues.h"

#include <span>
#include <string>
#include <string_view>

namespace tavrix {

struct ValueWithUnits {
    ValueReading reading;
    UnitIndex compound = NoUnit; // the compound unit the value is written in
    // Or, for one number with its unit ("90 min"), the unit as written, to be
    // found together with the unit to convert to, and the number as written.
    std::string unitText;
    std::string numberText;
};

// Reads `text` as a value with its units: several parts, or a part written
// with a prime ("6\""), are the compound unit they are the parts of; the
// colon form is h:min:s, or ° ′ ″ beside an angle; one number with its unit
// is that unit's. Where the parts could be of two compound units (primes
// are feet and inches, or minutes and seconds of arc), the one of
// `likelyCategories` (those of the unit to convert to) wins. UnitUnclear
// for a text that names no unit ("5", "5 11") or the colon form with two
// numbers ("1:30": h:min or min:s?).
ValueWithUnits ReadValueWithUnits(std::string_view text, std::span<const int> likelyCategories,
                                  Spelling spelling, std::string_view decimalSeparator, DigitLimits limits);

} // namespace tavrix
