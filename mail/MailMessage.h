// A mail message as the program hands it to the mail client, and the
// name=value description it is built from.
#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace tavrix {

// Name=value pairs: "to" (the recipient's address), "subject", "body" and
// "attachment0", "attachment1" ... (full paths of files to attach). Every
// name is optional; a pair with an empty value counts as missing.
using MailMessageDescription = QList<QPair<QString, QString>>;

// The message a description stands for; an empty text or list means none.
struct MailMessage {
    QString to;
    QString subject;
    QString body;
    QStringList attachments;

    friend bool operator==(const MailMessage&, const MailMessage&) = default;
};

// Reads a description: the first non-empty value of each name counts, and the
// attachments are numbered from 0 upward without leading zeros, the first
// missing number ending the list.
MailMessage ReadMailMessageDescription(const MailMessageDescription& description);

} // namespace tavrix
