// The desktop's helper programs (xdg-open, xdg-email) hand things over to
// a browser, a PDF reader or a mail client. They are started without a shell
// and never waited on, and their output is kept to themselves: they may echo
// what they were given, the results log included.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QObject;

namespace tavrix {

// How a helper's run ended, as far as the hand-over is concerned.
struct HelperRun {
    enum class Ending {
        Exited,
        // Killed by a signal.
        Crashed,
        // Missing, or not a program that can run.
        NotStarted,
        // Still running after HelperStartWaitMs: it has started what it hands
        // over to and now waits for it to end (xdg-email for a mail client it
        // had to start, xdg-open for a browser without a desktop session), so
        // its own end no longer tells anything about the hand-over.
        StillRunning
    };
    Ending ending = Ending::Exited;
    int exitCode = 0;
};

inline constexpr int HelperStartWaitMs = 3000;

// Starts `program` (an empty path: none found) with `arguments` for `owner`,
// which it belongs to. Returns at once; `finished` is called exactly once,
// later, from the event loop, unless `owner` goes first: then never, and a
// helper still running is ended with it (what the helper has started, a
// browser or a mail client, lives on).
void StartHelper(QObject& owner, const QString& program, const QStringList& arguments,
                 std::function<void(const HelperRun&)> finished);

} // namespace tavrix
