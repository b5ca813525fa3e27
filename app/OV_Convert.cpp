// The program's entry: creates the windows in their order and runs the event
// loop until the main window closes; or, asked on the command line, converts
// without any window.
#include "CommandLine.h"
#include "DataPaths.h"
#include "ExitStatus.h"
#include "Fonts.h"
#include "ProgramWindows.h"
#include "QtDesktop.h"
#include "StandardStreams.h"
#include "SvgIcon.h"
#include "TerminationSignal.h"
#include "Translations.h"

#include <QApplication>
#include <QLocale>

#include <optional>

#include <unistd.h>

namespace {

void SpeakTheDesktopsLanguage() {
    tavrix::InstallTranslations(
        tavrix::DataPaths::translationsFolderFor(QCoreApplication::applicationDirPath()),
        QLocale::system().uiLanguages());
}

} // namespace

int main(int argc, char* argv[]) {
    if (!tavrix::HoldClosedStandardStreams()) {
        // Whatever it wrote could land in the next file it opens.
        static constexpr char message[] = "tavrix: cannot hold a closed standard stream on /dev/null\n";
        [[maybe_unused]] const auto written = write(STDERR_FILENO, message, sizeof message - 1);
        return tavrix::ExitInputOutput;
    }
    // Before any window system is asked for: a conversion from a terminal
    // works over ssh, with no display at all, and a mistyped option is
    // refused with or without one.
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    std::optional<tavrix::WindowStart> start = tavrix::WindowStartOf(arguments);
    if (!start) {
        // Only for its translations: it is given no arguments to read.
        int coreArgumentCount = 1;
        QCoreApplication core(coreArgumentCount, argv);
        SpeakTheDesktopsLanguage();
        return tavrix::RunCommandLine(arguments, QLocale::system(), STDIN_FILENO, stdout, stderr);
    }
    // Qt sees its own options only, so that a results log file is never
    // taken for one of them.
    std::vector<char*> qtArguments{argv[0]};
    for (std::string& option : start->qtOptions) {
        qtArguments.push_back(option.data());
    }
    int qtArgumentCount = static_cast<int>(qtArguments.size());
    qtArguments.push_back(nullptr);
    QApplication application(qtArgumentCount, qtArguments.data());
    QApplication::setApplicationName("Tavrix");
    // Lets the desktop match the windows with the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(TAVRIX_APP_ID));
    QApplication::setWindowIcon(tavrix::SvgIcon(QStringLiteral(":/icons/tavrix.svg")));
    tavrix::RegisterBundledFonts();
    SpeakTheDesktopsLanguage();

    const tavrix::DataPaths paths = tavrix::DataPaths::forThisProgram();
    tavrix::QtDesktop desktop;
    tavrix::ProgramWindows windows(desktop, paths);
    tavrix::CloseOnTerminationSignal(windows.mainWindow, desktop);

    windows.mainWindow.show();
    // The results log files the desktop's file manager hands over.
    windows.mainWindow.OpenResultsLogFiles(start->logFiles);
    // Closed while the files opened (by the desktop, or a signal during a
    // box), the window asked to end before there was an event loop to end.
    if (!windows.mainWindow.isVisible()) {
        return 0;
    }
    return QApplication::exec();
}
