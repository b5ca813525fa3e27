#include "TerminationSignal.h"

#include "Desktop.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QWidget>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace tavrix {

namespace {

// A signal handler may do almost nothing; it writes one byte into a socket
// whose other end the event loop watches.
int signalSockets[2] = {-1, -1};

void OnSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalSockets[0], &byte, 1);
}

} // namespace

void CloseOnTerminationSignal(QWidget& window, Desktop& desktop) {
    if (signalSockets[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM, 0, signalSockets) != 0) {
        return; // without the socket the default action (ending at once) stays
    }
    auto* notifier = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window, &desktop] {
        char byte = 0;
        [[maybe_unused]] const auto read = ::read(signalSockets[1], &byte, 1);
        const auto closeAndEnd = [&window] {
            // Closing the last window only asks the program to end, and a dialog
            // that opens before it does (the splash, from a timer right after
            // start) cancels that; the dialog's own close later is not the last
            // window's close, so the program would run on with no window.
            // quit() would not do either: it first closes every window, and a
            // dialog that shows a box as it closes (the calculator, when its
            // memory cannot be saved) holds it there. Leaving every event loop
            // at once ends the program with any dialog or box still open.
            if (window.close())
                QCoreApplication::exit(0);
        };
        // Work under way would go on to its end, and a box after it would
        // open a loop that nothing leaves: it stops first.
        if (desktop.longWorkUnderWay()) {
            desktop.cancelLongWork();
            desktop.afterLongWork(window, closeAndEnd);
        } else {
            closeAndEnd();
        }
    });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
}

} // namespace tavrix
