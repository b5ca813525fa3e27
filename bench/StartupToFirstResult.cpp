// Starts the program's windows offscreen as the program does, and exits as
// soon as the main window's first result is on screen, printing how long
// that took from the start of main(). scripts/startup-time.sh counts its
// instructions under callgrind.
#include "DataPaths.h"
#include "FirstPaintWatch.h"
#include "Fonts.h"
#include "ProgramWindows.h"
#include "QtDesktop.h"
#include "SvgIcon.h"
#include "Translations.h"

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QTemporaryDir>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    const auto start = std::chrono::steady_clock::now();
    QApplication application(argc, argv);
    QApplication::setApplicationName("Tavrix");
    QApplication::setWindowIcon(tavrix::SvgIcon(QStringLiteral(":/icons/tavrix.svg")));
    tavrix::RegisterBundledFonts();
    tavrix::InstallTranslations(QStringLiteral(TAVRIX_TRANSLATIONS_DIR), QLocale::system().uiLanguages());
    QTemporaryDir folder;
    const tavrix::DataPaths paths(folder.path());
    tavrix::QtDesktop desktop;
    tavrix::ProgramWindows windows(desktop, paths);
    auto* result = windows.mainWindow.findChild<QLineEdit*>("EditToValue");
    FirstPaintWatch firstPaint(*result, [&] {
        const auto elapsed =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start);
        std::printf("first result \"%s\" shown %.1f ms after main() began\n",
                    result->text().toUtf8().constData(), elapsed.count());
        std::fflush(stdout);
        // Ends at once: closing the windows is not start-up.
        folder.remove();
        std::_Exit(0);
    });
    windows.mainWindow.show();
    // The splash follows the window 10 ms after it shows; under callgrind,
    // many times slower, it would come before the window's first paint and
    // be counted as start-up.
    windows.mainWindow.findChild<QTimer*>("TimerSplashShow")->stop();
    return QApplication::exec();
}
