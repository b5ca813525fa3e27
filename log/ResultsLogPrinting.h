// Printing lines of text as one job on a printer the person chose, line by
// line, so that a log of half a million lines prints without ever being
// laid out whole.
#pragma once

#include "Desktop.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QFont;
class QPrinter;

namespace tavrix {

// Prints `lines` in `font` on `printer`: the text starts at the top left of
// the printable area and flows over it page after page, long lines wrapped
// at the printable width, with no margins, headers or page numbers added.
// Only the pages chosen in the print dialog, in as many copies as asked.
// A PDF file appears whole or not at all. Returns the reason when the
// printer or the output file refused the job; nothing on success, and
// nothing, with nothing printed, when the person cancelled.
std::optional<QString> PrintLines(const PrintedLines& lines, const QFont& font, QPrinter& printer,
                                  Progress& progress);

// Prints `job` as a desktop does: on a printer set up for it at high
// resolution, which `choose` shows the person (false when they cancel),
// with the progress `startProgress` shows.
std::optional<QString> PrintJobOn(const PrintJob& job, const std::function<bool(QPrinter&)>& choose,
                                  const std::function<std::unique_ptr<Progress>()>& startProgress);

} // namespace tavrix
