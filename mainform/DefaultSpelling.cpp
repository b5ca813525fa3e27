#include "DefaultSpelling.h"

#include <QLocale>

namespace tavrix {

Spelling DefaultSpelling(const QLocale& locale) {
    const bool usEnglish =
        locale.language() == QLocale::English && locale.territory() == QLocale::UnitedStates;
    return usEnglish ? Spelling::USA : Spelling::European;
}

} // namespace tavrix
