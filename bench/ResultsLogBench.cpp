// How the results log copes with size: one more line, a deletion and an
// amendment in a log of 100,000 lines, and saving and opening a 10 MB log
// file, through the real main window, offscreen.
#include "AnsweringDesktop.h"
#include "DataPaths.h"
#include "Tavrix_AddLogText.h"
#include "Tavrix_MainForm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextCursor>

#include <benchmark/benchmark.h>

namespace {

struct Window {
    QTemporaryDir folder;
    tavrix::DataPaths paths{folder.path()};
    AnsweringDesktop desktop;
    tavrix::TFormTavrix form{desktop, paths};
    tavrix::TFormOVConvert_LogText logTextDialog{desktop, &form};

    Window() {
        form.attachLogTextDialog(logTextDialog);
        form.show();
        QApplication::processEvents();
    }
    void click(const char* button) {
        form.findChild<QAbstractButton*>(button)->click();
        QApplication::processEvents();
    }
    QPlainTextEdit& log() { return *form.findChild<QPlainTextEdit*>("MemoResultsLog"); }

    // A log file of `lines` conversion lines, opened into the log.
    void openLogOf(int lines) {
        QByteArray bytes;
        for (int line = 0; line < lines; ++line) {
            bytes += "12.345 cm/sec\xB2 = 0.123450 m/sec\xB2 (line " + QByteArray::number(line) + ")\r\n";
        }
        writeLogFile(bytes);
        click("BitBtnOpenLogFile");
    }
    void writeLogFile(const QByteArray& bytes) {
        desktop.file = folder.filePath("bench.TVRX");
        QFile file(desktop.file);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            qFatal("cannot write the log file");
        }
    }
};

constexpr int LargeLog = 100'000;
// About 10 MB of conversion lines.
constexpr int TenMegabyteLog = 230'000;

void BM_AddLineToLargeLog(benchmark::State& state) {
    Window window;
    window.openLogOf(LargeLog);
    for (auto _ : state) {
        window.click("BitBtnAddToResultsLog");
    }
}
BENCHMARK(BM_AddLineToLargeLog)->Unit(benchmark::kMicrosecond);

void BM_DeleteLineInLargeLog(benchmark::State& state) {
    Window window;
    window.openLogOf(LargeLog);
    for (auto _ : state) {
        // A line's worth of text in the middle of the log.
        QTextCursor cursor(window.log().document());
        cursor.setPosition(window.log().document()->characterCount() / 2);
        cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor, 40);
        window.log().setTextCursor(cursor);
        window.click("BitBtnDeleteLogLine");
    }
}
BENCHMARK(BM_DeleteLineInLargeLog)->Unit(benchmark::kMicrosecond);

void BM_AmendLargeLog(benchmark::State& state) {
    Window window;
    window.openLogOf(LargeLog);
    for (auto _ : state) {
        window.click("BitBtnAddNoteToLog");
    }
}
BENCHMARK(BM_AmendLargeLog)->Unit(benchmark::kMillisecond);

void BM_SaveTenMegabyteLog(benchmark::State& state) {
    Window window;
    window.openLogOf(TenMegabyteLog);
    for (auto _ : state) {
        window.click("BitBtnSaveLogFile");
    }
    state.SetBytesProcessed(state.iterations() * QFile(window.desktop.file).size());
}
BENCHMARK(BM_SaveTenMegabyteLog)->Unit(benchmark::kMillisecond);

void BM_OpenTenMegabyteLog(benchmark::State& state) {
    Window window;
    window.openLogOf(TenMegabyteLog);
    for (auto _ : state) {
        state.PauseTiming();
        window.log().clear();
        state.ResumeTiming();
        window.click("BitBtnOpenLogFile");
    }
    state.SetBytesProcessed(state.iterations() * QFile(window.desktop.file).size());
}
BENCHMARK(BM_OpenTenMegabyteLog)->Unit(benchmark::kMillisecond);

} // namespace
