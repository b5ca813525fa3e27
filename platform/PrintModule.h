// The module that prints for the desktop, loaded at the first print: Qt's
// print support, and CUPS that it loads, are linked into it alone, so that
// they stay out of every start of the program.
#pragma once

#include "Desktop.h"

#include <QString>

#include <optional>

class QWidget;

namespace tavrix {

// What the module gives: prints `job` as Desktop::print() says, with the
// print dialog over `parentWindow` and `desktop`'s progress window.
using PrintFunction = std::optional<QString> (*)(const PrintJob& job, Desktop& desktop,
                                                 QWidget* parentWindow);
inline constexpr char PrintSymbol[] = "TavrixPrint";

} // namespace tavrix
