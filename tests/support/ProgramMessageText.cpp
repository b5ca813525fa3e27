#include "ProgramMessageText.h"

#include "ProgramMessages.h"

#include <QRegularExpression>

#include <algorithm>

namespace tavrix {

QString OneSpaced(const QString& text) {
    return text.simplified();
}

bool IsMessage(const QString& shown, const QString& pattern) {
    QString expression = QRegularExpression::escape(OneSpaced(pattern));
    expression.replace(QStringLiteral("\\*"), QStringLiteral(".*"));
    const QRegularExpression message(QRegularExpression::anchoredPattern(expression),
                                     QRegularExpression::DotMatchesEverythingOption);
    return message.match(OneSpaced(shown)).hasMatch();
}

bool IsProgramMessage(const QString& shown) {
    return std::any_of(ProgramMessages.begin(), ProgramMessages.end(),
                       [&shown](const ProgramMessage& message) { return IsMessage(shown, message.text); });
}

} // namespace tavrix
