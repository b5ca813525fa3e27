// Passing the results log on: the clipboard and the printer.
#include "Desktop.h"
#include "ResultsLogDocument.h"
#include "ResultsLogPrinting.h"
#include "Tavrix_MainForm.h"

#include <QPrinter>
#include <QTextDocument>
#include <QTime>

namespace tavrix {

// One clipboard entry: plain text for editors, rich text in the window's font
// for word processors and mail editors. An empty log empties the clipboard.
void TFormTavrix::BitBtnCopyLogToClipboardClick() {
    const QStringList lines = resultsLogLines();
    desktop_.setClipboard(lines.join(QLatin1Char('\n')), ResultsLogDocument(lines, font())->toHtml());
}

void TFormTavrix::BitBtnPrintLogClick() {
    const QStringList lines = resultsLogLines();
    if (lines.isEmpty()) {
        return;
    }
    // The time of the click, however long the print dialog stays open.
    const QString now = PrintedTimeOfDay(QTime::currentTime(), desktop_.locale());
    // Declared first, so the document laid out for it goes before it does.
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(PrintedLogTitle);
    const std::unique_ptr<QTextDocument> document = PrintedResultsLogDocument(lines, now, font());
    if (!desktop_.choosePrinter(printer)) {
        return;
    }
    if (const std::optional<QString> failure = PrintDocument(*document, printer)) {
        desktop_.showError(*failure);
    }
}

} // namespace tavrix
