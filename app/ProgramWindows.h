// The five windows the program creates, wired to one another; the program
// and the start-up benchmark both start this way. The main window, the
// splash and the branding window are made at once; the calculator and the
// amend dialog, which no one sees at start, once the main window has painted
// its first result (or at once if they are asked for before).
#pragma once

#include "CalculatorPopUp.h"
#include "DataPaths.h"
#include "Tavrix_AddLogText.h"
#include "Tavrix_Branding_001.h"
#include "Tavrix_MainForm.h"
#include "Tavrix_Splash.h"

#include <memory>

namespace tavrix {

class QtDesktop;

class ProgramWindows : public QObject {
public:
    ProgramWindows(QtDesktop& desktop, const DataPaths& paths);

    TFormTavrix mainWindow;
    TFormTavrixSplash splash;
    TFormTavrixBranding branding;

    // Made when first asked for, if the first paint has not made them yet.
    TFormCalculatorPopUp& calculator();
    TFormOVConvert_LogText& logTextDialog();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void makeHiddenWindows();

    QWidget* firstResult_ = nullptr; // the result field, watched for its first paint
    QtDesktop& desktop_;
    DataPaths paths_; // a copy: the caller need not keep its own alive
    // Declared after the main window, their parent, so that they go first.
    std::unique_ptr<TFormCalculatorPopUp> calculator_;
    std::unique_ptr<TFormOVConvert_LogText> logTextDialog_;
};

} // namespace tavrix
