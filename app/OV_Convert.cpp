// The program's entry: creates the windows in their order and runs the event
// loop until the main window closes.
#include "CalculatorPopUp.h"
#include "DataPaths.h"
#include "Fonts.h"
#include "HelpWindow.h"
#include "QtDesktop.h"
#include "SystemNumberFormat.h"
#include "Tavrix_AddLogText.h"
#include "Tavrix_Branding_001.h"
#include "Tavrix_MainForm.h"
#include "Tavrix_Splash.h"
#include "TerminationSignal.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Tavrix");
    // Lets the desktop match the windows with the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(TAVRIX_APP_ID));
    QApplication::setWindowIcon(QIcon(":/icons/tavrix.svg"));
    tavrix::RegisterBundledFonts();
    tavrix::UseSystemNumberFormat();

    const tavrix::DataPaths paths = tavrix::DataPaths::forThisProgram();
    tavrix::QtDesktop desktop;
    tavrix::TFormTavrix mainWindow(desktop, paths);
    desktop.setParentWindow(&mainWindow);
    desktop.setHelpViewer(
        tavrix::HelpViewerFor(paths.helpFolder() + '/' + tavrix::HelpCollectionFile, mainWindow));
    tavrix::TFormTavrixSplash splash(desktop, &mainWindow);
    mainWindow.attachSplash(splash);
    tavrix::TFormCalculatorPopUp calculator(desktop, paths, &mainWindow);
    mainWindow.attachCalculator(calculator);
    tavrix::TFormOVConvert_LogText logTextDialog(desktop, &mainWindow);
    mainWindow.attachLogTextDialog(logTextDialog);
    tavrix::TFormTavrixBranding branding;
    mainWindow.attachBranding(branding);
    tavrix::CloseOnTerminationSignal(mainWindow);

    mainWindow.show();
    return QApplication::exec();
}
