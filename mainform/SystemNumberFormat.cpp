#include "SystemNumberFormat.h"

#include "Tavrix_Units.h"

#include <QLocale>

namespace tavrix {

void UseSystemNumberFormat() {
    SetNumberFormatHook([] {
        const QLocale system = QLocale::system();
        return NumberFormat{system.decimalPoint().toStdString(), system.groupSeparator().toStdString()};
    });
}

} // namespace tavrix
