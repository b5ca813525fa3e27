// Text from outside the program (arguments, lines of standard input, file
// names) as a message on standard output or error shows it. A terminal obeys
// control characters rather than showing them (ESC starts a command that can
// recolour, clear or retitle the screen, BEL rings), so they are written as
// escapes: C0 characters and DEL as \xNN ("\x1B"), C1 characters as \u00NN
// ("\u009B", which cannot be taken for the two UTF-8 bytes C2 9B). A byte
// that is no part of a UTF-8 character is written as \xNN too, so that the
// message stays readable text. Every other character stays as it is.
#pragma once

#include <string>
#include <string_view>

namespace tavrix {

std::string ShownOnTerminal(std::string_view bytes);

} // namespace tavrix
