// Tells whether a text the program shows is one of its listed messages
// (ProgramMessages.h), whatever file, unit or reason it names.
#pragma once

#include <QString>

namespace tavrix {

// Line breaks and runs of spaces count as one space, as the manual writes them.
QString OneSpaced(const QString& text);
// Whether `shown` is the message `pattern` ("*" for any text).
bool IsMessage(const QString& shown, const QString& pattern);
bool IsProgramMessage(const QString& shown);

} // namespace tavrix
