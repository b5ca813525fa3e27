#include "ProgramWindows.h"

#include "DataPaths.h"
#include "HelpWindow.h"
#include "QtDesktop.h"

namespace tavrix {

ProgramWindows::ProgramWindows(QtDesktop& desktop, const DataPaths& paths)
    : mainWindow(desktop, paths), splash(desktop, SupplierWebAddress, &mainWindow),
      calculator(desktop, paths, &mainWindow), logTextDialog(desktop, &mainWindow) {
    // The desktop's boxes and help belong to the main window; the windows
    // only keep the desktop until they first use it.
    desktop.setParentWindow(&mainWindow);
    desktop.setHelpViewer(HelpViewerFor(paths.helpFolder() + '/' + HelpCollectionFile, mainWindow));
    mainWindow.attachSplash(splash);
    mainWindow.attachCalculator(calculator);
    mainWindow.attachLogTextDialog(logTextDialog);
    mainWindow.attachBranding(branding);
}

} // namespace tavrix
