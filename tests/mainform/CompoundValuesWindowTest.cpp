// The window with a compound unit: a value typed as people write it, a
// result shown in its parts, and the buttons and the log on the whole value.
// 5 ft 11 in is 71 in, 71 × 2.54 = 180.34 cm; 180 cm is 180 / 2.54 =
// 70.866141732 in (bc).
#include "MainFormFixture.h"

#include <QFile>
#include <QFontMetrics>

namespace tavrix {
namespace {

const QString FeetInches = QStringLiteral("ft + in (feet and inches)");
const QString Centimetre = QStringLiteral("cm (centimetre)");
const QString HoursMinutesSeconds = QStringLiteral("h:min:s (hr, min, sec)");

class CompoundUnitInTheWindow : public MainWindowTest {
protected:
    void feetAndInchesToCentimetres() {
        chooseCategory("Length");
        chooseFrom(FeetInches);
        chooseTo(Centimetre);
    }
};

TEST_F(CompoundUnitInTheWindow, TakesTheValueAsWrittenAndKeepsOutWhatNoPartIsWrittenWith) {
    feetAndInchesToCentimetres();
    for (const char* typed : {"5 ft 11 in", "5'11\"", "5 11", "5 feet 11 inches", "5x ft 11 in%"}) {
        typeValue(QString::fromUtf8(typed));
        convert();
        EXPECT_EQ(result(), "180.340000") << typed;
    }
    EXPECT_EQ(value(), "5 ft 11 in"); // the "x" and "%" never reached the field
    EXPECT_FALSE(control<QAbstractButton>("BitBtnReciprocal").isEnabled());
    chooseFrom("inch");
    EXPECT_EQ(value(), "71.000000"); // the number stays, as for any change of unit
    EXPECT_TRUE(control<QAbstractButton>("BitBtnReciprocal").isEnabled());
}

TEST_F(CompoundUnitInTheWindow, ShowsAResultInItsPartsAndLogsItWithoutRepeatingTheUnits) {
    chooseCategory("Length");
    chooseFrom(Centimetre);
    chooseTo(FeetInches);
    typeValue("180");
    convert();
    EXPECT_EQ(result(), "5 ft 10.866142 in");
    click("BitBtnAddToResultsLog");
    feetAndInchesToCentimetres();
    typeValue("5'11\"");
    convert();
    click("BitBtnAddToResultsLog");
    EXPECT_EQ(window.resultsLogLines(), QStringList({"180 cm (centimetre) = 5 ft 10.866142 in",
                                                     "5 ft 11 in = 180.340000 cm (centimetre)"}));
}

// 70.8661417322835 in: 15 significant digits, then zeros to 16 decimals.
TEST_F(CompoundUnitInTheWindow, ALongResultFitsItsFieldAtTheLargeFont) {
    trigger("Largefontsize1");
    chooseDecimals(16);
    chooseCategory("Length");
    chooseFrom(Centimetre);
    chooseTo(FeetInches);
    typeValue("180");
    convert();
    const QLineEdit& field = control<QLineEdit>("EditToValue");
    EXPECT_EQ(field.text(), "5 ft 10.8661417322835000 in");
    EXPECT_LE(QFontMetrics(field.font()).horizontalAdvance(field.text()), field.contentsRect().width());
}

TEST_F(CompoundUnitInTheWindow, MultipliesAndDividesTheWholeValue) {
    feetAndInchesToCentimetres();
    typeValue("5 ft 11 in");
    click("BitBtnMultiplyBy2");
    EXPECT_EQ(value(), "11 ft 10 in");
    EXPECT_EQ(result(), "360.680000");
    click("BitBtnDivideBy4");
    EXPECT_EQ(value(), "2 ft 11.5 in");
}

TEST_F(CompoundUnitInTheWindow, RefusesAValueSayingWhy) {
    chooseCategory("Time");
    chooseFrom(HoursMinutesSeconds);
    chooseTo("min");
    typeValue("1:30:00");
    convert();
    EXPECT_EQ(result(), "90.000000");
    typeValue("1:75:00");
    desktop.expectInformation("\"75\" is too many minutes or seconds: in the colon form they go up to 59.");
    convert();
    desktop.verify();
    EXPECT_EQ(result(), "");
    EXPECT_FALSE(addToLogEnabled());
    typeValue("1 h 30 s");
    convert();
    EXPECT_EQ(result(), "60.500000");
}

TEST_F(CompoundUnitInTheWindow, SettingsStoreTheValueAsANumberInTheLastPart) {
    feetAndInchesToCentimetres();
    typeValue("5 ft 11 in");
    window.saveSettings();
    QFile file(paths.settingsFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n")).value(8), "71");
    file.close();
    typeValue("0.000001 in"); // never in exponent form, which the field could not read back
    window.saveSettings();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n")).value(8), "0.000001");
}

TEST_F(CompoundUnitInTheWindow, PlainUnitsTakeTheColonForm) {
    chooseCategory("Time");
    chooseFrom("hour");
    chooseTo("min");
    typeValue("2:15");
    convert();
    EXPECT_EQ(result(), "135.000000");
}

} // namespace
} // namespace tavrix
