// The program's entry: creates the windows in their order and runs the event
// loop until the main window closes; or, asked on the command line, converts
// without any window.
#include "CommandLine.h"
#include "DataPaths.h"
#include "Fonts.h"
#include "ProgramWindows.h"
#include "QtDesktop.h"
#include "SvgIcon.h"
#include "TerminationSignal.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char* argv[]) {
    // Before any window system is asked for: a conversion from a terminal
    // works over ssh, with no display at all.
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (tavrix::AsksForCommandLine(arguments)) {
        return tavrix::RunCommandLine(arguments, QLocale::system(), stdout, stderr);
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName("Tavrix");
    // Lets the desktop match the windows with the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(TAVRIX_APP_ID));
    QApplication::setWindowIcon(tavrix::SvgIcon(QStringLiteral(":/icons/tavrix.svg")));
    tavrix::RegisterBundledFonts();

    const tavrix::DataPaths paths = tavrix::DataPaths::forThisProgram();
    tavrix::QtDesktop desktop;
    tavrix::ProgramWindows windows(desktop, paths);
    tavrix::CloseOnTerminationSignal(windows.mainWindow);

    windows.mainWindow.show();
    // The results log files the desktop's file manager hands over.
    windows.mainWindow.OpenResultsLogFiles(QApplication::arguments().mid(1));
    return QApplication::exec();
}
