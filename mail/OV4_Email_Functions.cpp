#include "OV4_Email_Functions.h"

#include <QCoreApplication>

namespace tavrix {

QString MailErrorCaption() {
    return QCoreApplication::translate("tavrix::Mail", "Error");
}

QString MailErrorText() {
    return QCoreApplication::translate("tavrix::Mail", "Error while trying to send email");
}

void SendMailMessage(Desktop& desktop, QObject& window, const MailMessageDescription& description,
                     std::function<void(const MailLaunch&)> finished) {
    desktop.startMail(ReadMailMessageDescription(description), window,
                      [&desktop, finished = std::move(finished)](const MailLaunch& launch) {
                          if (launch.outcome == MailLaunch::Outcome::NoMailClient ||
                              launch.outcome == MailLaunch::Outcome::Failed)
                              desktop.showMessage(MailErrorCaption(), MailErrorText());
                          if (finished)
                              finished(launch);
                      });
}

} // namespace tavrix
