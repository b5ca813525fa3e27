// A print job the person cancelled part way: nothing of it may be printed.
#pragma once

class QPainter;

namespace tavrix {

// Ends `painter`'s painting of a cancelled job without handing anything to
// the print server. Qt hands a printer's job to the print server when its
// painter ends, whatever was painted, and its QPrinter::abort() does not
// stop that for CUPS. What was painted into a file is the caller's to throw
// away.
void EndCancelledPrintJob(QPainter& painter);

} // namespace tavrix
