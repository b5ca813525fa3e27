// `tavrix --convert VALUE FROM TO`: one value, or with "-" as VALUE a column
// of values read from standard input, one result a line.
#pragma once

#include "CheckedOutput.h"
#include "CommandLineArguments.h"

class QLocale;

namespace tavrix {

// Converts as `arguments` say and gives the exit status. A column is read
// from the file descriptor `in` itself, never through a stdio stream, so
// that no value waits in a buffer while its result is due. Throws UsageError
// for units it cannot settle on and for a single value it cannot read.
int RunConvert(const Arguments& arguments, const QLocale& locale, int in, CheckedOutput& out,
               CheckedOutput& err);

} // namespace tavrix
