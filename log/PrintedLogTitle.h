// What the printed results log begins with.
#pragma once

#include <QString>
#include <QStringList>

class QLocale;
class QTime;

namespace tavrix {

// The printed log's title line begins with this, in the window's language; it
// also names the print job.
QString PrintedLogTitle();

// The time of day for the printed title: hours, minutes and seconds in the
// locale's long style, without the time zone that style may carry.
QString PrintedTimeOfDay(const QTime& time, const QLocale& locale);

// The printed log's first lines: an empty line, the title followed by 25
// spaces and `timeText`, another empty line. The log's lines follow.
QStringList PrintedLogHeader(const QString& timeText);

} // namespace tavrix
