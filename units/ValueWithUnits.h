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
    // found together with the unit to convert to.
    std::string unitText;
};

// Reads `text` as a value with its units: several parts are the compound
// unit they are the parts of; the colon form with three numbers is
// h:min:s; one number with its unit is that unit's. Where the parts could
// be of two compound units (primes are feet and inches, or minutes and
// seconds of arc), the one of the first of `likelyCategories` (those of the
// unit to convert to) that has one wins. UnitUnclear for a text that names
// no unit ("5", "5 11") or the colon form with two numbers ("1:30").
ValueWithUnits ReadValueWithUnits(std::string_view text, std::span<const int> likelyCategories,
                                  Spelling spelling, std::string_view decimalSeparator, DigitLimits limits);

} // namespace tavrix
