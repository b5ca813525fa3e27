#include "HelperProcess.h"

#include <QProcess>
#include <QTimer>

#include <memory>
#include <utility>

namespace tavrix {

void StartHelper(const QString& program, const QStringList& arguments,
                 std::function<void(const HelperRun&)> finished) {
    // Reported once, and always from the event loop, never from here.
    auto pending = std::make_shared<std::function<void(const HelperRun&)>>(std::move(finished));
    const auto report = [pending](const HelperRun& run) {
        QTimer::singleShot(0, [pending, run] {
            if (*pending)
                std::exchange(*pending, {})(run);
        });
    };
    if (program.isEmpty()) {
        report({HelperRun::Ending::NotStarted});
        return;
    }

    // No parent: the process ends on its own time and deletes itself then.
    auto* process = new QProcess;
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, report](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return; // finished follows
                         report({HelperRun::Ending::NotStarted});
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::finished, process,
                     [process, report](int exitCode, QProcess::ExitStatus exitStatus) {
                         report({exitStatus == QProcess::NormalExit ? HelperRun::Ending::Exited
                                                                    : HelperRun::Ending::Crashed,
                                 exitCode});
                         process->deleteLater();
                     });
    QTimer::singleShot(HelperStartWaitMs, process, [report] { report({HelperRun::Ending::StillRunning}); });
    process->start(program, arguments);
}

} // namespace tavrix
