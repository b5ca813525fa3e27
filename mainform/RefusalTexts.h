// What the window says when it refuses a conversion. The command line says
// the same, so both take the texts from here.
#pragma once

#include "ConversionRules.h"

#include <QString>

namespace tavrix {

// What the result field shows in place of a result; empty where it stays empty.
QString RefusalFieldText(Refusal refusal);

// The message the person is shown; `fromUnit` is the "from" unit's name as
// the window labels it.
QString RefusalMessage(Refusal refusal, const QString& fromUnit);

} // namespace tavrix
