// Starts the program's windows offscreen as the program does, and exits as
// soon as the main window's first result is on screen, printing how long
// that took from the start of main(). scripts/startup-time.sh counts its
// instructions under callgrind.
#include "DataPaths.h"
#include "Fonts.h"
#include "ProgramWindows.h"
#include "QtDesktop.h"
#include "SystemNumberFormat.h"

#include <QApplication>
#include <QIcon>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <chrono>
#include <cstdio>

int main(int argc, char* argv[]) {
    const auto start = std::chrono::steady_clock::now();
    QApplication application(argc, argv);
    QApplication::setApplicationName("Tavrix");
    QApplication::setWindowIcon(QIcon(":/icons/tavrix.svg"));
    tavrix::RegisterBundledFonts();
    tavrix::UseSystemNumberFormat();
    const QTemporaryDir folder;
    const tavrix::DataPaths paths(folder.path());
    tavrix::QtDesktop desktop;
    tavrix::ProgramWindows windows(desktop, paths);
    windows.mainWindow.show();
    // Queued behind the first paint: by then the result has been drawn.
    QTimer::singleShot(0, [&] {
        const auto* result = windows.mainWindow.findChild<QLineEdit*>("EditToValue");
        const auto elapsed =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start);
        std::printf("first result \"%s\" shown %.1f ms after main() began\n",
                    result ? result->text().toUtf8().constData() : "?", elapsed.count());
        QApplication::quit();
    });
    return QApplication::exec();
}
