#include "XdgEmailArguments.h"

namespace tavrix {

QStringList XdgEmailArguments(const QStringList& attachments, const QByteArray& address) {
    QStringList arguments{QStringLiteral("--utf8")};
    for (const QString& path : attachments)
        arguments << QStringLiteral("--attach") << path;
    arguments << QString::fromLatin1(address);
    return arguments;
}

} // namespace tavrix
