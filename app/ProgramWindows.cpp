#include "ProgramWindows.h"

#include "DataPaths.h"
#include "HelpOnDemand.h"
#include "QtDesktop.h"

#include <QEvent>
#include <QLineEdit>
#include <QTimer>

namespace tavrix {

ProgramWindows::ProgramWindows(QtDesktop& desktop, const DataPaths& paths)
    : mainWindow(desktop, paths), splash(desktop, SupplierWebAddress, &mainWindow), desktop_(desktop),
      paths_(paths) {
    // The desktop's boxes and help belong to the main window; the windows
    // only keep the desktop until they first use it.
    desktop.setParentWindow(&mainWindow);
    desktop.setHelpViewer(HelpViewerFromModule(paths, mainWindow));
    desktop.setPrintModule(paths.printModule());
    mainWindow.attachSplash(splash);
    mainWindow.attachBranding(branding);
    mainWindow.attachHiddenWindowsMaker([this] { makeHiddenWindows(); });
    firstResult_ = mainWindow.findChild<QLineEdit*>(QStringLiteral("EditToValue"));
    firstResult_->installEventFilter(this);
}

bool ProgramWindows::eventFilter(QObject* watched, QEvent* event) {
    if (watched == firstResult_ && event->type() == QEvent::Paint) {
        firstResult_->removeEventFilter(this);
        // Queued, so that the paint this event starts reaches the screen first.
        QTimer::singleShot(0, this, [this] { makeHiddenWindows(); });
    }
    return false;
}

void ProgramWindows::makeHiddenWindows() {
    if (calculator_ != nullptr)
        return;
    calculator_ = std::make_unique<TFormCalculatorPopUp>(desktop_, paths_, &mainWindow);
    logTextDialog_ = std::make_unique<TFormOVConvert_LogText>(desktop_, &mainWindow);
    mainWindow.attachCalculator(*calculator_);
    mainWindow.attachLogTextDialog(*logTextDialog_);
}

TFormCalculatorPopUp& ProgramWindows::calculator() {
    makeHiddenWindows();
    return *calculator_;
}

TFormOVConvert_LogText& ProgramWindows::logTextDialog() {
    makeHiddenWindows();
    return *logTextDialog_;
}

} // namespace tavrix
