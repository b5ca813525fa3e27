// Passing the results log on: the clipboard and the printer.
#include "Desktop.h"
#include "PrintedLogTitle.h"
#include "ResultsLogClipboard.h"
#include "ResultsLogField.h"
#include "Tavrix_MainForm.h"
#include "ui_Tavrix_MainForm.h"

#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTime>

namespace tavrix {

// One clipboard entry: plain text for editors, rich text in the window's font
// for word processors and mail editors. An empty log empties the clipboard.
void TFormTavrix::BitBtnCopyLogToClipboardClick() {
    // Cancelled, the clipboard keeps what it held.
    const std::unique_ptr<Progress> progress =
        desktop_.startProgress(tr("Copying the results log"), tr("Copying the results log..."));
    ResultsLogClipboard clipboard(font());
    if (ForEachResultsLogLine(
            *ui->MemoResultsLog, [&clipboard](QStringView line) { clipboard.addLine(line); }, *progress)) {
        desktop_.setClipboard(clipboard.text(), clipboard.takeHtml());
    }
}

void TFormTavrix::BitBtnPrintLogClick() {
    QPlainTextEdit& field = *ui->MemoResultsLog;
    if (field.document()->isEmpty()) {
        return;
    }
    // The time of the click, however long the print dialog stays open.
    const QStringList header = PrintedLogHeader(PrintedTimeOfDay(QTime::currentTime(), desktop_.locale()));
    const auto lines = [&header, &field](const std::function<void(QStringView)>& take, Progress& pass) {
        for (const QString& line : header) {
            take(line);
        }
        return ForEachResultsLogLine(field, take, pass);
    };
    const std::optional<QString> failure =
        desktop_.print({PrintedLogTitle(), lines, font(), tr("Printing the results log"),
                        tr("Printing the results log...")});
    if (failure) {
        desktop_.showError(*failure);
    }
}

} // namespace tavrix
