// The lines the printed results log begins with.
// pdftotext drops a leading empty line and runs of spaces in a proportional
// font, so the printed title's exact lines are checked here, before
// printing; the printed pages are checked with the main window.
#include "PrintedLogTitle.h"

#include <QLocale>
#include <QTime>

#include <gtest/gtest.h>

namespace tavrix {
namespace {

TEST(PrintedLogHeader, EmptyLineTitleAndTimeEmptyLine) {
    const QString title =
        QStringLiteral("TAVRIX Results Log") + QString(25, ' ') + QStringLiteral("09:05:07 UTC");
    EXPECT_EQ(PrintedLogHeader("09:05:07 UTC"), QStringList({"", title, ""}));
}

// Hours, minutes and seconds as each region writes them, and no time zone
// wherever the region's long style puts one.
TEST(PrintedTimeOfDay, RegionalStyleWithoutTimeZone) {
    const QTime time(18, 14, 15);
    const struct {
        QLocale::Language language;
        QLocale::Territory territory;
        QString expected;
    } regions[] = {
        {QLocale::English, QLocale::UnitedStates, "6:14:15 PM"},
        {QLocale::English, QLocale::UnitedKingdom, "18:14:15"},
        {QLocale::German, QLocale::Germany, "18:14:15"},
        {QLocale::Chinese, QLocale::China, "18:14:15"},
        {QLocale::Korean, QLocale::SouthKorea, "\uC624\uD6C4 6\uC2DC 14\uBD84 15\uCD08"},
    };
    for (const auto& region : regions) {
        const QLocale locale(region.language, region.territory);
        SCOPED_TRACE(locale.name().toStdString());
        EXPECT_EQ(PrintedTimeOfDay(time, locale), region.expected);
    }
}

} // namespace
} // namespace tavrix
