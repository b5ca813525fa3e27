// The value field's text as its "from" unit reads it, the text it shows for
// a value, what may be typed into it, and what a person is told when a value
// written with its units cannot be read. The command line reads its values
// by the same rules.
#pragma once

#include "CompoundValues.h"
#include "OV4_Input_Validation.h"

#include <QString>

namespace tavrix {

// A value the program works out itself (x2, a compound unit's parts) shows
// this many decimals in the value field.
inline constexpr int WorkedOutValueDecimals = 6;

// A compound unit's value as people write it ("5 ft 11 in"), else a plain
// number, or one in the colon form ("2:15"). Negative numbers are read:
// whether they convert is the conversion's business.
ValueReading ReadValueText(const QString& text, UnitIndex unit, Spelling spelling, QChar separator);

// `value` (in `unit`, in a compound unit's last part) as the value field
// shows it: plain with `decimals` decimals, compound with up to that many.
QString ValueFieldText(double value, UnitIndex unit, int decimals, const NumberFormat& format);

// `value` as a plain number the value field takes: fixed, with up to its
// decimals and no trailing zeros (never in exponent form).
QString PlainNumberText(double value, const NumberFormat& format);

// What the value field takes for `unit` beside digits and the separator.
ValueShape ValueShapeOf(UnitIndex unit);

// Why `typed` is no value of `unit`; empty for a reading without a problem
// and for a plain number that is unreadable, which the conversion refuses
// in its own words.
QString ValueProblemMessage(const ValueReading& reading, const QString& typed, UnitIndex unit,
                            Spelling spelling, const NumberFormat& format);

// A results log line: "1 ft = 12 inch"; a compound value or result names
// its own units, so the unit's name is left out ("5 ft 11 in = 180.34 cm").
QString ConversionLine(const QString& value, const QString& fromName, const QString& equals,
                       const QString& result, const QString& toName, UnitIndex from, UnitIndex to);

} // namespace tavrix
