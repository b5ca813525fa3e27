#include "RefusalTexts.h"

#include <QCoreApplication>

namespace tavrix {

QString RefusalFieldText(Refusal refusal) {
    switch (refusal) {
    case Refusal::SineCosineRange:
        return QCoreApplication::translate("tavrix::Refusal", "Input range -1.0 to +1.0");
    case Refusal::TangentUndefined:
        return QCoreApplication::translate("tavrix::Refusal", "Error", "shown in the result field");
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
        return QCoreApplication::translate("tavrix::Refusal", "Conversions failed : routine does not exist");
    case Refusal::InvalidValue:
    case Refusal::SineCosineRange:
    case Refusal::TangentUndefined:
        break;
    }
    return QCoreApplication::translate("tavrix::Refusal", "The \"%1\" value is not a valid.").arg(fromUnit);
}

} // namespace tavrix
