// Points the engine's number format at the desktop's regional settings.
#pragma once

namespace tavrix {

// From now on every number the program writes or reads uses the system
// locale's decimal and group separators, asked afresh each time, so a change
// of the regional settings shows at the next conversion.
void UseSystemNumberFormat();

} // namespace tavrix
