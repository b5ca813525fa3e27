// The separators of the person's regional settings, as the engine writes
// numbers with them and the numeric fields read them.
#pragma once

#include "Tavrix_Units.h"

#include <QChar>

class QLocale;

namespace tavrix {

NumberFormat NumberFormatOf(const QLocale& locale);

// The decimal separator as the one character a key can type. A separator of
// any other length, which no key could match, counts as ".".
QChar DecimalSeparatorOf(const NumberFormat& format);
QChar DecimalSeparatorOf(const QLocale& locale);

} // namespace tavrix
