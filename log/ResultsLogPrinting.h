// Printing lines of text as one job on a printer the person chose, line by
// line, so that a log of half a million lines prints without ever being
// laid out whole.
#pragma once

#include "Desktop.h"

#include <QString>

#include <functional>
#include <optional>

class QFont;
class QPrinter;

namespace tavrix {

// Hands every line to print to `take`, in order, telling `progress` along
// the way; false when the person cancelled part way. Called once for each
// copy printed.
using PrintedLines = std::function<bool(const std::function<void(QStringView)>& take, Progress& progress)>;

// Prints `lines` in `font` on `printer`: the text starts at the top left of
// the printable area and flows over it page after page, long lines wrapped
// at the printable width, with no margins, headers or page numbers added.
// Only the pages chosen in the print dialog, in as many copies as asked.
// A PDF file appears whole or not at all. Returns the reason when the
// printer or the output file refused the job; nothing on success, and
// nothing, with nothing printed, when the person cancelled.
std::optional<QString> PrintLines(const PrintedLines& lines, const QFont& font, QPrinter& printer,
                                  Progress& progress);

} // namespace tavrix
