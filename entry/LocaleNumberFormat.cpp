#include "LocaleNumberFormat.h"

#include <QLocale>
#include <QString>

namespace tavrix {

NumberFormat NumberFormatOf(const QLocale& locale) {
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

QChar DecimalSeparatorOf(const NumberFormat& format) {
    const QString separator = QString::fromStdString(format.decimalSeparator);
    return separator.size() == 1 ? separator.front() : QChar(u'.');
}

QChar DecimalSeparatorOf(const QLocale& locale) {
    return DecimalSeparatorOf(NumberFormatOf(locale));
}

} // namespace tavrix
