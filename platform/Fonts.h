// The window fonts Tahoma and MS Sans Serif. Debian's fonts-wine ships metric
// clones of both that fontconfig does not see; registering them with Qt makes
// the windows lay out as designed. Without them Qt falls back to the system
// sans font.
#pragma once

#include <QFont>
#include <QStringList>

namespace tavrix {

// Registers those of the bundled fonts that are present; returns the
// families this call registered. Calling it again registers nothing more.
QStringList RegisterBundledFonts();

// The face of the program's small windows (the calculator, the amend
// dialog): MS Sans Serif at 8 points, 11 pixels at 96 dpi; Tahoma where the
// screen is scaled and MS Sans Serif is a bitmap face.
QFont SmallWindowFont();

} // namespace tavrix
