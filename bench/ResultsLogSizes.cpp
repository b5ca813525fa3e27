// One operation on the results log at one size, through the real main
// window offscreen, in a process of its own so that its peak memory can be
// read off. scripts/results-log-sizes.sh runs it over a table of sizes.
//
//   results_log_sizes write SHAPE FILE   writes a log file of that shape
//   results_log_sizes OPERATION FILE [OPENS]
//                                        opens FILE into the log (OPENS times,
//                                        1 unless given), then times OPERATION
//                                        on it
// SHAPE is lines:N (N conversion lines) or line:BYTES (one line of words).
// OPERATION is open, append (the file again, after what it already put
// there), add (one conversion line), save, copy, print (to a PDF file) or
// amend (the amend dialog opened and closed with OK).
// Prints the operation's time in ms, its peak memory above the empty window
// in KiB, and the longest time in ms that the window went without repainting
// or taking a click (AnsweringDesktop.h).
#include "AnsweringDesktop.h"
#include "DataPaths.h"
#include "Tavrix_AddLogText.h"
#include "Tavrix_MainForm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

// This process's resident memory now and at its peak, in KiB.
long StatusKiB(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(status, line)) {
        if (line.rfind(key, 0) == 0) {
            return std::stol(line.substr(key.size()));
        }
    }
    return -1;
}

// Starts the peak over from the memory in use now.
void ResetPeakMemory() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

QByteArray LogFileOfShape(const QString& shape) {
    const QStringList parts = shape.split(':');
    const long count = parts.value(1).toLong();
    QByteArray bytes;
    if (parts.value(0) == "lines") {
        for (long line = 0; line < count; ++line) {
            // 33 bytes a line: 500,000 lines come near the largest file accepted.
            bytes +=
                "1.2 m\xB2 = 12,000 cm\xB2 no. " + QByteArray::number(line).rightJustified(6, '0') + "\r\n";
        }
    } else if (parts.value(0) == "line") {
        const QByteArray words = "1,234.5678 kilometre = 767.0987 mile; ";
        while (bytes.size() < count) {
            bytes += words;
        }
        bytes.truncate(count);
        bytes += "\r\n";
    } else {
        qFatal("unknown shape %s", qPrintable(shape));
    }
    return bytes;
}

int Usage() {
    std::fputs("usage: results_log_sizes write lines:N|line:BYTES FILE\n"
               "       results_log_sizes open|append|add|save|copy|print|amend FILE [OPENS]\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 4 && QByteArray(argv[1]) == "write") {
        QFile file(QString::fromLocal8Bit(argv[3]));
        const QByteArray bytes = LogFileOfShape(QString::fromLatin1(argv[2]));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? 0 : 1;
    }
    if (argc != 3 && argc != 4) {
        return Usage();
    }
    const int opens = argc == 4 ? std::atoi(argv[3]) : 1;
    const QByteArray operation = argv[1];
    QApplication application(argc, argv);
    QTemporaryDir folder;
    const tavrix::DataPaths paths(folder.path());
    AnsweringDesktop desktop;
    desktop.file = QString::fromLocal8Bit(argv[2]);
    desktop.pdf = folder.filePath("log.pdf");
    tavrix::TFormTavrix form(desktop, paths);
    tavrix::TFormOVConvert_LogText logTextDialog(desktop, &form);
    form.attachLogTextDialog(logTextDialog);
    form.show();
    QApplication::processEvents();
    const auto click = [&form](const char* button) {
        form.findChild<QAbstractButton*>(button)->click();
        QApplication::processEvents();
    };
    const long emptyKiB = StatusKiB("VmRSS");

    const char* button = operation == "open" || operation == "append" ? "BitBtnOpenLogFile"
                         : operation == "add"                         ? "BitBtnAddToResultsLog"
                         : operation == "save"                        ? "BitBtnSaveLogFile"
                         : operation == "copy"                        ? "BitBtnCopyLogToClipboard"
                         : operation == "print"                       ? "BitBtnPrintLog"
                         : operation == "amend"                       ? "BitBtnAddNoteToLog"
                                                                      : nullptr;
    if (button == nullptr) {
        return Usage();
    }
    // The file is in the log first, but for the operation that opens it.
    for (int open = operation == "open" ? 1 : 0; open < opens; ++open) {
        click("BitBtnOpenLogFile");
    }
    // Saving writes over the file it times; a copy keeps the original.
    if (operation == "save") {
        desktop.file = folder.filePath("saved.TVRX");
    }
    ResetPeakMemory();
    desktop.restartFreezeWatch();
    const auto start = std::chrono::steady_clock::now();
    click(button);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    std::printf("%.0f %ld %.0f\n", took.count(), StatusKiB("VmHWM") - emptyKiB, desktop.longestFreezeMs());
    return 0;
}
