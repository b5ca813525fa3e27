// The five windows the program creates at start, in their order, wired to
// one another; the program and the start-up benchmark both start this way.
#pragma once

#include "CalculatorPopUp.h"
#include "Tavrix_AddLogText.h"
#include "Tavrix_Branding_001.h"
#include "Tavrix_MainForm.h"
#include "Tavrix_Splash.h"

namespace tavrix {

class DataPaths;
class QtDesktop;

struct ProgramWindows {
    ProgramWindows(QtDesktop& desktop, const DataPaths& paths);

    TFormTavrix mainWindow;
    TFormTavrixSplash splash;
    TFormCalculatorPopUp calculator;
    TFormOVConvert_LogText logTextDialog;
    TFormTavrixBranding branding;
};

} // namespace tavrix
