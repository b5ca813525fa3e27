// How long the main window takes for a category switch and for one click on
// Convert, offscreen, with the real window and its real lists.
#include "DataPaths.h"
#include "Fonts.h"
#include "QtDesktop.h"
#include "Tavrix_MainForm.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct Window {
    QTemporaryDir folder;
    tavrix::DataPaths paths{folder.path()};
    tavrix::QtDesktop desktop;
    tavrix::TFormTavrix form{desktop, paths};
    Window() { form.show(); }
};

void BM_CategorySwitch(benchmark::State& state) {
    Window window;
    auto* categories = window.form.findChild<QListWidget*>("ListBoxConvertCategory");
    int row = 0;
    for (auto _ : state) {
        row = row == 11 ? 20 : 11; // Length (19 units) and Velocity (23 units)
        categories->setCurrentRow(row);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_CategorySwitch)->Unit(benchmark::kMicrosecond);

void BM_ConversionClick(benchmark::State& state) {
    Window window;
    auto* convert = window.form.findChild<QPushButton*>("BitBtnCalulateResult");
    for (auto _ : state) {
        convert->click();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ConversionClick)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    tavrix::RegisterBundledFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
