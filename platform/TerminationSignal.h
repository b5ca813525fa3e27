// A polite end on SIGTERM and SIGHUP: the desktop session, a service manager
// or `kill` ask the program to end, and it closes its main window the normal
// way, so that whatever a close saves is saved.
#pragma once

class QWidget;

namespace tavrix {

// From now on, SIGTERM and SIGHUP close `window` (once the event loop gets
// to it) and, when it closes, end the event loop with any dialog still open;
// the window must live as long as the program.
void CloseOnTerminationSignal(QWidget& window);

} // namespace tavrix
