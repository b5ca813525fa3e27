// The program's entry: creates the windows in their order and runs the event
// loop until the main window closes.
#include "DataPaths.h"
#include "Fonts.h"
#include "ProgramWindows.h"
#include "QtDesktop.h"
#include "SvgIcon.h"
#include "TerminationSignal.h"

#include <QApplication>

int main(int argc, char* argv[]) {
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
    return QApplication::exec();
}
