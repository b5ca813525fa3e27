// Handing the results log to the mail client.
#include "Tavrix_MainForm.h"

namespace tavrix {

void TFormTavrix::BitBtnEmailLogClick() {}

} // namespace tavrix
