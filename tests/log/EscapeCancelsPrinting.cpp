// Escape cancels printing with no window manager to give the progress
// window the keyboard: run on X11 (Xvfb) by escape-cancels-printing.sh.
// A main window has the focus; a print to a PDF file runs until cancelled
// (15 seconds at most), and from when the progress window is due, `xdotool`
// presses Escape where the X server sends keys. Exits 0 when that cancelled
// the print and left no file, 1 otherwise.
#include "ProgressWindow.h"
#include "ResultsLogPrinting.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int LongestPrintMs = 15000;
// The progress window shows after half a second of work.
constexpr int EscapeFromMs = 1000;
constexpr int EscapeEveryMs = 500;

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.resize(400, 300);
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) {
        std::fprintf(stderr, "FAIL: the main window never had the focus\n");
        return 1;
    }
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("log.pdf"));
    QPrinter printer;
    printer.setOutputFileName(pdf);

    // Pressed again and again, so that a busy machine that shows the
    // progress window late still has it pressed there; a key that reaches
    // another window is dropped.
    QTimer escape;
    QObject::connect(&escape, &QTimer::timeout, [] {
        QProcess::startDetached(QStringLiteral("xdotool"), {"key", "Escape"});
    });
    QTimer::singleShot(EscapeFromMs, [&escape] { escape.start(EscapeEveryMs); });
    bool cancelled = false;
    const tavrix::PrintedLines lines = [&cancelled](const auto& take, tavrix::Progress& progress) {
        QElapsedTimer running;
        running.start();
        for (int line = 0; running.elapsed() < LongestPrintMs; ++line) {
            take(QStringLiteral("log line %1").arg(line));
            if (!progress.carryOn(static_cast<double>(running.elapsed()) / LongestPrintMs)) {
                cancelled = true;
                return false;
            }
        }
        return true;
    };
    tavrix::ProgressWindow progress(QStringLiteral("Printing"), QStringLiteral("Printing..."), &window);
    const std::optional<QString> failure = tavrix::PrintLines(lines, window.font(), printer, progress);
    if (failure) {
        std::fprintf(stderr, "FAIL: printing failed: %s\n", qPrintable(*failure));
        return 1;
    }
    if (!cancelled) {
        std::fprintf(stderr, "FAIL: Escape did not cancel the print\n");
        return 1;
    }
    if (QFile::exists(pdf)) {
        std::fprintf(stderr, "FAIL: the cancelled print left %s\n", qPrintable(pdf));
        return 1;
    }
    return 0;
}
