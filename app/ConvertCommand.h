// `tavrix --convert VALUE FROM TO`: one value, or with "-" as VALUE a column
// of values read from standard input, one result a line.
#pragma once

#include "CheckedOutput.h"
#include "CommandLineArguments.h"

#include <cstdio>

class QLocale;

namespace tavrix {

// Converts as `arguments` say and gives the exit status. Throws UsageError
// for units it cannot settle on and for a single value it cannot read.
int RunConvert(const Arguments& arguments, const QLocale& locale, std::FILE* in, CheckedOutput& out,
               CheckedOutput& err);

} // namespace tavrix
