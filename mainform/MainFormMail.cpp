// Handing the results log to the mail client.
#include "OV4_Email_Functions.h"
#include "Tavrix_MainForm.h"

#include <QCoreApplication>
#include <QTimer>

namespace tavrix {

namespace {

// The menu or button that asked for the mail closes and repaints before the
// mail client takes the screen.
constexpr int PauseBeforeMailMs = 1000;

QString LogTooLongText(const MailLaunch& launch) {
    return QCoreApplication::translate(
               "tavrix::TFormTavrix",
               "The results log is too long to hand to the mail client: as the mail client would "
               "receive it, it takes %1 bytes, and at most %2 bytes fit.\n\n"
               "Save the log to a file and attach that file to a message instead.")
        .arg(launch.size)
        .arg(launch.limit);
}

} // namespace

void TFormTavrix::BitBtnEmailLogClick() {
    // A click while a message is on its way would start a second message.
    if (mailUnderWay_)
        return;
    mailUnderWay_ = true;
    QString log = resultsLogText();
    // A last line typed in the amend dialog may lack its line break.
    if (!log.isEmpty() && !log.endsWith(u'\n'))
        log += u'\n';
    // The two line breaks leave room above the log for the person's own words.
    const MailMessageDescription description{{QStringLiteral("to"), QString()},
                                             {QStringLiteral("subject"), tr("TAVRIX - Results Log")},
                                             {QStringLiteral("body"), QStringLiteral("\n\n") + log}};
    QTimer::singleShot(PauseBeforeMailMs, this, [this, description] {
        SendMailMessage(desktop_, *this, description, [this](const MailLaunch& launch) {
            mailUnderWay_ = false;
            if (launch.outcome == MailLaunch::Outcome::TooLong)
                desktop_.showMessage(MailErrorCaption(), LogTooLongText(launch));
        });
    });
}

} // namespace tavrix
