#include "CancelledPrintJob.h"

#include <QPainter>

#include <cups/cups.h>

namespace tavrix {

void EndCancelledPrintJob(QPainter& painter) {
    // Qt's CUPS engine ends a job by handing its spool file, with
    // cupsPrintFile(), to this thread's default print server. Pointed at a
    // path that is no socket for the moment, the default server cannot be
    // reached: the job is never queued, and Qt removes the spool file.
    // Given no name, the default comes back from the environment and
    // client.conf at the next use, as before.
    cupsSetServer("/dev/null");
    painter.end();
    cupsSetServer(nullptr);
}

} // namespace tavrix
