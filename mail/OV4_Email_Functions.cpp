#include "OV4_Email_Functions.h"

namespace tavrix {

void SendMailMessage(Desktop& desktop, QObject& window, const MailMessageDescription& description,
                     std::function<void(const MailLaunch&)> finished) {
    desktop.startMail(ReadMailMessageDescription(description), window,
                      [&desktop, finished = std::move(finished)](const MailLaunch& launch) {
                          if (launch.outcome == MailLaunch::Outcome::NoMailClient ||
                              launch.outcome == MailLaunch::Outcome::Failed)
                              desktop.showMessage(MailErrorCaption, MailErrorText);
                          if (finished)
                              finished(launch);
                      });
}

} // namespace tavrix
