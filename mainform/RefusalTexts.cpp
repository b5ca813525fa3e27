#include "RefusalTexts.h"

namespace tavrix {

QString RefusalFieldText(Refusal refusal) {
    switch (refusal) {
    case Refusal::SineCosineRange:
        return QStringLiteral("Input range -1.0 to +1.0");
    case Refusal::TangentUndefined:
        return QStringLiteral("Error");
    case Refusal::None:
    case Refusal::InvalidValue:
    case Refusal::NoConversion:
        break;
    }
    return {};
}

QString RefusalMessage(Refusal refusal, const QString& fromUnit) {
    switch (refusal) {
    case Refusal::None:
        return {};
    case Refusal::NoConversion:
        return QString::fromUtf8(EConversionsClass().what());
    case Refusal::InvalidValue:
    case Refusal::SineCosineRange:
    case Refusal::TangentUndefined:
        break;
    }
    return "The \"" + fromUnit + "\" value is not a valid.";
}

} // namespace tavrix
