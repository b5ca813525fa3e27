// The spelling the window starts with when it has no settings yet; the
// command line takes the same unless told otherwise.
#pragma once

#include "Tavrix_Units.h"

class QLocale;

namespace tavrix {

// USA for English as used in the United States, European for every other locale.
Spelling DefaultSpelling(const QLocale& locale);

} // namespace tavrix
