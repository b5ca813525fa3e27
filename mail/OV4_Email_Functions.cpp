#include "OV4_Email_Functions.h"

namespace tavrix {

void SendMailMessage(Desktop& desktop, const MailMessageDescription& description,
                     std::function<void(const MailLaunch&)> finished) {
    desktop.startMail(ReadMailMessageDescription(description),
                      [&desktop, finished = std::move(finished)](const MailLaunch& launch) {
                          if (launch.outcome == MailLaunch::Outcome::NoMailClient ||
                              launch.outcome == MailLaunch::Outcome::Failed)
                              desktop.showMessage(MailErrorCaption, MailErrorText);
                          if (finished)
                              finished(launch);
                      });
}

} // namespace tavrix
