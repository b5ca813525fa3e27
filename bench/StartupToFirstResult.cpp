// Starts the real main window offscreen, and exits as soon as its first
// result is on screen, printing how long that took from the start of main().
// scripts/startup-time.sh runs it repeatedly and also times whole processes.
#include "CalculatorPopUp.h"
#include "DataPaths.h"
#include "Fonts.h"
#include "QtDesktop.h"
#include "SystemNumberFormat.h"
#include "Tavrix_MainForm.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <chrono>
#include <cstdio>

int main(int argc, char* argv[]) {
    const auto start = std::chrono::steady_clock::now();
    QApplication application(argc, argv);
    tavrix::RegisterBundledFonts();
    tavrix::UseSystemNumberFormat();
    const QTemporaryDir folder;
    const tavrix::DataPaths paths(folder.path());
    tavrix::QtDesktop desktop;
    tavrix::TFormTavrix mainWindow(desktop, paths);
    desktop.setParentWindow(&mainWindow);
    tavrix::TFormCalculatorPopUp calculator(desktop, paths, &mainWindow);
    mainWindow.attachCalculator(calculator);
    mainWindow.show();
    // Queued behind the first paint: by then the result has been drawn.
    QTimer::singleShot(0, [&] {
        const auto* result = mainWindow.findChild<QLineEdit*>("EditToValue");
        const auto elapsed =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start);
        std::printf("first result \"%s\" shown %.1f ms after main() began\n",
                    result ? result->text().toUtf8().constData() : "?", elapsed.count());
        QApplication::quit();
    });
    return QApplication::exec();
}
