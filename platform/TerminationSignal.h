// A polite end on SIGTERM and SIGHUP: the desktop session, a service manager
// or `kill` ask the program to end, and it closes its main window the normal
// way, so that whatever a close saves is saved.
#pragma once

class QWidget;

namespace tavrix {

class Desktop;

// From now on, SIGTERM and SIGHUP close `window` (once the event loop gets
// to it) and, when it closes, end the event loop with any dialog still open;
// long work under way on `desktop` is cancelled first, as its Cancel does,
// and the window closes once it has stopped. Both must live as long as the
// program.
void CloseOnTerminationSignal(QWidget& window, Desktop& desktop);

} // namespace tavrix
