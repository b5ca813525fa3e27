// Passing the results log on: the clipboard and the printer.
#include "Tavrix_MainForm.h"

namespace tavrix {

void TFormTavrix::BitBtnCopyLogToClipboardClick() {}

void TFormTavrix::BitBtnPrintLogClick() {}

} // namespace tavrix
