// Random recipients, subjects and bodies through the mailto: address. The
// address must hold nothing but characters no shell, echo or argument
// splitter acts on, and decoding it as a mail client does must give every
// text back, each of its line breaks as CR LF.
#include "MailtoAddress.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace tavrix;

namespace {

void Require(bool holds) {
    if (!holds)
        std::abort();
}

// What a text should read as after the trip: LF, CR LF and CR all one CR LF.
QString WithCrLfLineBreaks(const QString& text) {
    QString lines;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar c = text[at];
        if (c == u'\r' || c == u'\n') {
            lines += QStringLiteral("\r\n");
            if (c == u'\r' && at + 1 < text.size() && text[at + 1] == u'\n')
                ++at;
        } else {
            lines += c;
        }
    }
    return lines;
}

QString Decoded(const QByteArray& encoded) {
    return QString::fromUtf8(QByteArray::fromPercentEncoding(encoded));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Recipient, subject and body, separated by zero bytes.
    const QList<QByteArray> parts =
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)).split('\0');
    const MailMessage message{QString::fromUtf8(parts.value(0)),
                              QString::fromUtf8(parts.value(1)),
                              QString::fromUtf8(parts.value(2)),
                              {}};
    const QByteArray address = MailtoAddress(message);

    for (const char c : address)
        Require((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                std::strchr("-._~%?&=:@", c) != nullptr);
    Require(address.startsWith("mailto:"));
    const QByteArray afterScheme = address.mid(7);
    const qsizetype queryAt = afterScheme.indexOf('?');
    const QByteArray recipient = queryAt < 0 ? afterScheme : afterScheme.left(queryAt);
    Require(Decoded(recipient) == WithCrLfLineBreaks(message.to));

    QString subject;
    QString body;
    if (queryAt >= 0) {
        for (const QByteArray& field : afterScheme.mid(queryAt + 1).split('&')) {
            const qsizetype equals = field.indexOf('=');
            Require(equals > 0);
            const QByteArray name = field.left(equals);
            Require(name == "subject" || name == "body");
            (name == "subject" ? subject : body) = Decoded(field.mid(equals + 1));
        }
    }
    Require(subject == WithCrLfLineBreaks(message.subject));
    Require(body == WithCrLfLineBreaks(message.body));
    return 0;
}
