// The entry of the print module (see PrintModule.h), the one name it shows
// the program: the print dialog, then the job.
#include "PrintModule.h"
#include "ResultsLogPrinting.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include <type_traits>

namespace {

bool ChooseInPrintDialog(QPrinter& printer, QWidget* parentWindow) {
    // With no printer installed the dialog offers only a PDF file, and
    // outside X11 it proposes a folder rather than a file: propose a file
    // named after the document in the documents folder instead.
    if (QPrinterInfo::availablePrinterNames().isEmpty() && printer.outputFileName().isEmpty()) {
        QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (!QFileInfo(folder).isDir())
            folder = QDir::homePath();
        printer.setOutputFileName(QDir(folder).filePath(printer.docName() + QStringLiteral(".pdf")));
    }
    QPrintDialog dialog(&printer, parentWindow);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

extern "C" Q_DECL_EXPORT std::optional<QString> TavrixPrint(const tavrix::PrintJob& job,
                                                            tavrix::Desktop& desktop, QWidget* parentWindow) {
    return tavrix::PrintJobOn(
        job, [parentWindow](QPrinter& printer) { return ChooseInPrintDialog(printer, parentWindow); },
        [&] { return desktop.startProgress(job.progressTitle, job.progressLabel); });
}

static_assert(std::is_same_v<decltype(&TavrixPrint), tavrix::PrintFunction>);
