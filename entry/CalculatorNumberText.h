// How calculator numbers become text.
#pragma once

#include "Tavrix_Units.h"

#include <QString>

namespace tavrix {

// What the calculator shows: general format, at most 15 significant digits,
// no trailing zeros, exponent form where fixed notation can't hold the value;
// the separators of `format`.
QString CalculatorDisplayText(double value, const NumberFormat& format);

// What a caller writes when it takes the calculator's value: fixed notation
// with 8 decimals, then trailing zeros and a separator left at the end
// dropped (12.50000000 gives 12.5, 3.00000000 gives 3). Values beyond fixed
// notation keep their exponent form.
QString CalculatorValueText(double value, const NumberFormat& format);

} // namespace tavrix
