// Help as the program reaches it: the help viewer, with the help engine and
// the database driver behind it, is a module of its own, loaded the first
// time help is asked for, so that a start that never asks for help never
// loads them.
#pragma once

#include "Desktop.h"

#include <QString>

#include <functional>

class QWidget;

namespace tavrix {

class DataPaths;

// What the module gives: shows `owner`'s help window on `view`, made the
// first time from the manual in `helpFolder`.
using ShowHelpFunction = void (*)(QWidget& owner, const QString& helpFolder, HelpView view);
inline constexpr char ShowHelpSymbol[] = "TavrixShowHelp";

// The viewer the desktop calls for help: it loads the module `paths` name
// when first called. A module that cannot be loaded gives a help window
// that says why.
std::function<void(HelpView)> HelpViewerFromModule(const DataPaths& paths, QWidget& owner);

} // namespace tavrix
