// The categories' names as the window shows them, in the person's language.
// The catalogue's English names stay what the command line and the manual
// use.
#pragma once

#include <QString>

namespace tavrix {

QString ShownCategoryName(int category);

} // namespace tavrix
