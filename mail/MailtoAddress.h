// A message as one mailto: address (RFC 6068), the form every Linux mail
// client accepts on its command line.
#pragma once

#include "MailMessage.h"

#include <QByteArray>

namespace tavrix {

// "mailto:" with the recipient, then the subject and body as header fields.
// Texts go as UTF-8 and every byte but the unreserved letters, digits and
// "-._~" (and "@" in the recipient) is percent-encoded, so the address holds
// nothing a shell, a shell's echo or an argument splitter could act on. Line
// breaks of any kind (LF, CR LF, CR) travel as "%0D%0A", as mail wants them.
// Attachments cannot travel in a mailto: address and are left out.
QByteArray MailtoAddress(const MailMessage& message);

} // namespace tavrix
