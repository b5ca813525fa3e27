#include "PrintedLogTitle.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTime>

namespace tavrix {

namespace {

constexpr qsizetype SpacesAfterTitle = 25;

// `format` without its time-zone fields ("t" to "tttt") and the spaces that
// set them apart; quoted text stays as it is.
QString WithoutTimeZone(const QString& format) {
    QString kept;
    bool quoted = false;
    for (qsizetype index = 0; index < format.size(); ++index) {
        const QChar character = format.at(index);
        if (character == QLatin1Char('\'')) {
            quoted = !quoted;
        } else if (!quoted && character == QLatin1Char('t')) {
            while (!kept.isEmpty() && kept.back().isSpace()) {
                kept.chop(1);
            }
            while (index + 1 < format.size() &&
                   (format.at(index + 1) == QLatin1Char('t') || format.at(index + 1).isSpace())) {
                ++index;
            }
            if (!kept.isEmpty() && index + 1 < format.size()) {
                kept += QLatin1Char(' ');
            }
            continue;
        }
        kept += character;
    }
    return kept;
}

} // namespace

QString PrintedLogTitle() {
    return QCoreApplication::translate("tavrix::PrintedLog", "TAVRIX Results Log");
}

QString PrintedTimeOfDay(const QTime& time, const QLocale& locale) {
    return locale.toString(time, WithoutTimeZone(locale.timeFormat(QLocale::LongFormat)));
}

QStringList PrintedLogHeader(const QString& timeText) {
    return {QString(), PrintedLogTitle() + QString(SpacesAfterTitle, QLatin1Char(' ')) + timeText, QString()};
}

} // namespace tavrix
