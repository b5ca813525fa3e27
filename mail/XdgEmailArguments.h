// The command line of xdg-email, the Linux desktop's mail hand-over.
#pragma once

#include "MailMessage.h"

#include <QByteArray>
#include <QStringList>

namespace tavrix {

// The longest single command-line argument Linux passes to a program
// (32 pages of 4 KiB less the terminating zero); a longer one fails to
// start with exit code 126 and nothing opens.
inline constexpr qsizetype LongestCommandLineArgument = 131071;

// "--utf8", "--attach <path>" for each attachment, then the rest of the
// message as the one mailto: address `address`. The subject and body never
// go through --subject and --body: xdg-email runs those through the shell's
// echo, which acts on backslash sequences ("\c" ends the text) and refuses an
// empty body.
QStringList XdgEmailArguments(const QStringList& attachments, const QByteArray& address);

} // namespace tavrix
