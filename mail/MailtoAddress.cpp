#include "MailtoAddress.h"

namespace tavrix {

namespace {

QByteArray Encoded(const QString& text, const QByteArray& keptAsIs = {}) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    lines.replace(u'\n', QStringLiteral("\r\n"));
    return lines.toUtf8().toPercentEncoding(keptAsIs);
}

} // namespace

QByteArray MailtoAddress(const MailMessage& message) {
    QByteArray address = "mailto:" + Encoded(message.to, "@");
    char separator = '?';
    const auto addField = [&](const char* name, const QString& value) {
        if (value.isEmpty())
            return;
        address += separator;
        address += name;
        address += '=';
        address += Encoded(value);
        separator = '&';
    };
    addField("subject", message.subject);
    addField("body", message.body);
    return address;
}

} // namespace tavrix
