// The general send function: hands a described message to the mail client,
// which shows it as a new message for the person to finish and send.
#pragma once

#include "Desktop.h"
#include "MailMessage.h"

#include <functional>

namespace tavrix {

// The caption and text of the box shown when no mail client can be reached
// or the hand-over fails.
QString MailErrorCaption();
QString MailErrorText();

// Returns at once. When the hand-over ends, shows the error box for a
// missing mail client or a failure, then calls `finished` with the outcome;
// neither once `window`, which asked, is gone. A message too long for the
// hand-over gets no box here: only the caller can tell the person what was
// too long and what to do instead.
void SendMailMessage(Desktop& desktop, QObject& window, const MailMessageDescription& description,
                     std::function<void(const MailLaunch&)> finished);

} // namespace tavrix
