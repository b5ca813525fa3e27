// What bash offers at a Tab, worked out by the program itself so that names
// complete as the program finds them: `tavrix --complete LINE WORD`, which
// the bash completion script calls.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class QLocale;

namespace tavrix {

// The marker the script takes for "complete file names here".
inline constexpr std::string_view CompleteFiles = ":files";

// The replies for `word`, the end of the command line `line` (as typed up to
// the cursor) that bash replaces: written as the shell reads them (escaped,
// or inside the quote the word opened), without the part of the shell word
// in front of `word`. Units complete in the spelling given by --spelling on
// the line, or the desktop's (`locale`); a name spelt the other way as typed
// completes in that spelling.
std::vector<std::string> Completions(std::string_view line, std::string_view word, const QLocale& locale);

} // namespace tavrix
