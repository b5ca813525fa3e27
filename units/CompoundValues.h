// Values as people write them with their units: a compound unit's value
// ("5 ft 11 in", "5'11\"", "1:30:00", "40°26.5'"), a plain unit's in the
// colon form ("2:15" hours is 2.25 h), and a compound result shown the way
// it is read ("5 ft 10.866142 in").
#pragma once

#include "CompoundUnits.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrix {

// Why a text is no value of the unit.
enum class ValueProblem {
    None,
    Unreadable,         // not written as a value of the unit at all
    OtherCategory,      // a part names a unit of another category ("5 ft 11 kg")
    NotAPart,           // a part names a unit of the category that the compound lacks ("5 ft 2 yd")
    NegativePart,       // a part below zero
    PastFiftyNine,      // minutes or seconds of 60 or more in the colon form ("1:75:00")
    RepeatedPart,       // two parts of the same unit ("5 ft 6 ft")
    TooManyParts,       // more parts than the unit has ("1 2 3" for ft + in)
    DecimalsBeforeLast, // the colon form with decimals before its last part ("1.5:30")
    TooManyDigits,      // a part's number beyond the digit limits
    UnitUnclear,        // a value that carries no unit, or not one alone ("1:30": h:min or min:s?)
};

// How many digits each part's number may have before and after its
// decimal separator (a minus sign counts before it).
struct DigitLimits {
    int preDecimal;
    int postDecimal;
};

struct ValueReading {
    std::optional<double> value; // without a problem: in the last part's unit
    ValueProblem problem = ValueProblem::None;
    std::string part;            // the part's text the problem is about, as written
    UnitIndex partUnit = NoUnit; // for OtherCategory and NotAPart: the unit the part names
    std::size_t piecesRead = 0;  // how far the reading got before its problem
};

// One number of a value and what follows it, as written.
struct ValuePiece {
    std::string number;
    double value = 0;
    std::string mark; // "ft", "'", "°"; empty for a bare number
    bool negative = false;
};

struct ValuePieces {
    std::vector<ValuePiece> pieces;
    bool colonForm = false; // "1:30:00": bare numbers joined by colons
    ValueProblem problem = ValueProblem::None;
};

// The numbers of `text` and the marks after them, each number written with
// `decimalSeparator`; Unreadable where the text is not such a sequence.
ValuePieces SplitValue(std::string_view text, std::string_view decimalSeparator, DigitLimits limits);

// `text` read as a value of `compound`, its parts' units read as a person
// writes them (`spelling` for the names): numbers with their units in any
// order, bare numbers taking the next part ("5 11", "5 ft 11"), a bare
// number alone the last part (as the program writes a value's number), primes for
// the units that have them, and for units in sixtieths the colon form,
// whose two numbers are the first two parts ("1:30" is 1 h 30 min).
ValueReading ReadCompoundValue(std::string_view text, const CompoundUnit& compound, Spelling spelling,
                               std::string_view decimalSeparator, DigitLimits limits);

// A plain unit's value in the colon form: the unit, its sixtieths and its
// 3600ths ("2:15", "1:30:00"). Unreadable for a text without a colon.
ValueReading ReadColonValue(std::string_view text, std::string_view decimalSeparator, DigitLimits limits);

// Whether `mark` is a prime or a double prime, as people type them ("'", "″").
bool IsPrimeSign(std::string_view mark);

// Whether `text` is written in the colon form.
bool IsColonForm(std::string_view text);

// `value` (in the compound's last part) shown in its parts: every part
// whole but the last, which has `decimals` decimals (or up to that many,
// trailing zeros dropped, with `upToDecimals`); the rounding is done on the
// whole value first, so a last part never shows a whole next unit ("6 ft
// 0.00 in", never "5 ft 12.00 in"). With `thousands` the first part is
// grouped. Named units leave out leading parts that are zero.
std::string FormatCompoundValue(double value, const CompoundUnit& compound, int decimals, bool thousands,
                                const NumberFormat& format, bool upToDecimals = false);

} // namespace tavrix
