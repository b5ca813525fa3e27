#include "HelperProcess.h"

#include <QProcess>
#include <QTimer>

#include <utility>

namespace tavrix {

namespace {

// One helper's run, a child of the object it works for: the report dies
// with that object, and so does the process.
class HelperProcess final : public QObject {
public:
    HelperProcess(QObject& owner, std::function<void(const HelperRun&)> finished)
        : QObject(&owner), finished_(std::move(finished)), process_(new QProcess(this)) {
        process_->setStandardInputFile(QProcess::nullDevice());
        process_->setStandardOutputFile(QProcess::nullDevice());
        process_->setStandardErrorFile(QProcess::nullDevice());
        connect(process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart)
                end({HelperRun::Ending::NotStarted});
            // Any other error is followed by finished.
        });
        connect(process_, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus exitStatus) {
            end({exitStatus == QProcess::NormalExit ? HelperRun::Ending::Exited : HelperRun::Ending::Crashed,
                 exitCode});
        });
    }

    ~HelperProcess() override {
        // The owner went while the helper still runs: no one is left to
        // hear its end. Ended here, before QProcess would end it with a
        // warning; only the helper itself, not what it started.
        if (process_->state() != QProcess::NotRunning) {
            disconnect(process_, nullptr, this, nullptr);
            process_->kill();
            process_->waitForFinished();
        }
    }

    void start(const QString& program, const QStringList& arguments) {
        if (program.isEmpty()) {
            end({HelperRun::Ending::NotStarted});
            return;
        }
        QTimer::singleShot(HelperStartWaitMs, this, [this] { report({HelperRun::Ending::StillRunning}); });
        process_->start(program, arguments);
    }

private:
    void report(const HelperRun& run) {
        if (finished_)
            std::exchange(finished_, {})(run);
    }

    // Reported from the event loop, never from inside start(), which may
    // fail at once; a helper that has already been reported as running
    // says nothing more.
    void end(const HelperRun& run) {
        QTimer::singleShot(0, this, [this, run] {
            report(run);
            deleteLater();
        });
    }

    std::function<void(const HelperRun&)> finished_;
    QProcess* process_; // a child, so that it goes with this run
};

} // namespace

void StartHelper(QObject& owner, const QString& program, const QStringList& arguments,
                 std::function<void(const HelperRun&)> finished) {
    (new HelperProcess(owner, std::move(finished)))->start(program, arguments);
}

} // namespace tavrix
