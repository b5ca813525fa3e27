#include "MailMessage.h"

namespace tavrix {

namespace {

QString ValueOf(const MailMessageDescription& description, const QString& name) {
    for (const auto& [pairName, value] : description)
        if (pairName == name && !value.isEmpty())
            return value;
    return {};
}

} // namespace

MailMessage ReadMailMessageDescription(const MailMessageDescription& description) {
    MailMessage message{ValueOf(description, QStringLiteral("to")),
                        ValueOf(description, QStringLiteral("subject")),
                        ValueOf(description, QStringLiteral("body")),
                        {}};
    for (int number = 0;; ++number) {
        const QString path = ValueOf(description, QStringLiteral("attachment") + QString::number(number));
        if (path.isEmpty())
            break;
        message.attachments << path;
    }
    return message;
}

} // namespace tavrix
