// Printing a text document as one job on a printer the person chose.
#pragma once

#include <QString>

#include <optional>

class QPrinter;
class QTextDocument;

namespace tavrix {

// Prints `document` on `printer`: the text starts at the top left of the
// printable area and flows over it page after page, long lines wrapped at
// the printable width, with no margins, headers or page numbers added.
// Only the pages chosen in the print dialog, in as many copies as asked.
// The document is laid out for the printer on the way. A PDF file appears
// whole or not at all. Returns the reason when the printer or the output
// file refused the job, nothing on success.
std::optional<QString> PrintDocument(QTextDocument& document, QPrinter& printer);

} // namespace tavrix
