// Results log files: opening appends a file's lines to the log, saving
// writes the log's lines.
#include "Desktop.h"
#include "LogFile.h"
#include "LogFileCodec.h"
#include "ResultsLogField.h"
#include "Tavrix_MainForm.h"
#include "ui_Tavrix_MainForm.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace tavrix {

namespace {

QString LogFileFilter() {
    return QCoreApplication::translate("tavrix::TFormTavrix", "Tavrix Log (*.TVRX)");
}

const QString LogFileExtension = QStringLiteral("TVRX");

} // namespace

void TFormTavrix::BitBtnOpenLogFileClick() {
    const QString path = desktop_.openFileName(tr("Open Results Log file"), logFileFolder_, LogFileFilter());
    if (!path.isEmpty()) {
        appendLogFile(QFile::encodeName(path));
    }
}

void TFormTavrix::OpenResultsLogFiles(const QByteArrayList& paths) {
    holdSplashDuring([this, &paths] {
        for (const QByteArray& path : paths) {
            // One that cannot be read does not keep the others out; a Cancel
            // does, and so does the window closing meanwhile.
            if (!isVisible() || !appendLogFile(path)) {
                return;
            }
        }
    });
}

bool TFormTavrix::appendLogFile(const QByteArray& path) {
    // The whole file is read before the log changes, so a failure leaves it as it was.
    const LogFileReading reading = ReadLogFile(path);
    if (!reading.problem.isEmpty()) {
        desktop_.showError(reading.problem);
        return true;
    }
    logFileFolder_ = QFileInfo(QFile::decodeName(path)).absolutePath();
    // Cancelled, the log is as it was.
    const std::unique_ptr<Progress> progress =
        desktop_.startProgress(tr("Opening the results log file"), tr("Opening the results log file..."));
    return AppendResultsLogRuns(
        *ui->MemoResultsLog, [&reading](const auto& take) { ForEachLogLineRun(reading.bytes, take); },
        *progress, reading.bytes.size());
}

void TFormTavrix::BitBtnSaveLogFileClick() {
    const QString path =
        desktop_.saveFileName(tr("Save Results Log file"), logFileFolder_, LogFileFilter(), LogFileExtension);
    if (path.isEmpty()) {
        return;
    }
    // Cancelled, nothing is written: the file that was there stays as it was.
    std::unique_ptr<Progress> progress =
        desktop_.startProgress(tr("Saving the results log"), tr("Saving the results log..."));
    LogFileText file;
    if (!ForEachResultsLogLine(
            *ui->MemoResultsLog, [&file](QStringView line) { file.addLine(line); }, *progress)) {
        return;
    }
    const QString problem = SaveLogFile(path, file.bytes());
    progress.reset();
    if (!problem.isEmpty()) {
        desktop_.showError(problem);
        return;
    }
    logFileFolder_ = QFileInfo(path).absolutePath();
}

} // namespace tavrix
