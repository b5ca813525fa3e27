// Converting from a terminal: `tavrix --convert VALUE FROM TO`, `--list`,
// `--help` and `--version`. It runs on the window's engine and rules but
// needs no display and touches no settings file.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

class QLocale;

namespace tavrix {

// True when `arguments` (without the program's name) name any of the
// command line's options; otherwise the window starts.
bool AsksForCommandLine(const std::vector<std::string>& arguments);

// Runs what `arguments` ask for, writing its output to `out` and its errors
// to `err`, and gives the exit status. `locale` gives the separators and the
// default spelling.
int RunCommandLine(const std::vector<std::string>& arguments, const QLocale& locale, std::FILE* out,
                   std::FILE* err);

} // namespace tavrix
