// From a click on a category to the result beside the value: which units the
// lists show, which values are refused and how, when the conversion runs and
// how the result is rendered. Expected results are worked out by hand from
// the units' definitions.
#include "MainFormFixture.h"

namespace tavrix {
namespace {

using ConversionWorkflow = MainWindowTest;

struct CategoryChoice {
    const char* category;
    int unitCount;
    const char* fromUnit;
    const char* toUnit;
    const char* defaultValue;
    const char* result; // at the default 6 decimals
};

void PrintTo(const CategoryChoice& choice, std::ostream* out) {
    *out << choice.category;
}

class ChoosingACategory : public MainWindowTest, public ::testing::WithParamInterface<CategoryChoice> {};

TEST_P(ChoosingACategory, FillsBothListsSelectsTheFirstTwoUnitsAndConverts) {
    const CategoryChoice& choice = GetParam();
    putValue("5"); // whatever was there gives way to the category's value
    chooseCategory(QString::fromUtf8(choice.category));
    EXPECT_EQ(fromUnits().count(), choice.unitCount);
    EXPECT_EQ(rowTexts(fromUnits()), rowTexts(toUnits()));
    EXPECT_EQ(fromUnits().currentRow(), 0);
    EXPECT_EQ(toUnits().currentRow(), 1);
    EXPECT_EQ(fromLabel(), QString::fromUtf8(choice.fromUnit));
    EXPECT_EQ(toLabel(), QString::fromUtf8(choice.toUnit));
    EXPECT_EQ(fromUnits().item(0)->text(), fromLabel());
    EXPECT_EQ(toUnits().item(1)->text(), toLabel());
    EXPECT_EQ(value(), choice.defaultValue);
    EXPECT_EQ(result(), QString::fromUtf8(choice.result));
    EXPECT_TRUE(addToLogEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Categories, ChoosingACategory,
    ::testing::Values(CategoryChoice{"Temperature", 4, "°Celsius", "°Fahrenheit", "100.000", "212.000000"},
                      CategoryChoice{"Time", 11, "sec", "min", "60.000", "1.000000"},
                      // π/180 = 0.01745329...
                      CategoryChoice{"Angles", 16, "degrees (angle)", "radians", "1.000", "0.017453"},
                      CategoryChoice{"Density", 29, "gram/mm³", "gram/cm³", "1.000", "1000.000000"},
                      CategoryChoice{"Fuel consumption", 14, "km/litre", "km/gallon USA", "1.000",
                                     "3.785412"},
                      CategoryChoice{"Length", 25, "mm (millimetre)", "cm (centimetre)", "1.000", "0.100000"},
                      CategoryChoice{"Viscosity Kinematic", 6, "centistokes (mm²/sec)", "Stokes (cm²/sec)",
                                     "1.000", "0.010000"},
                      CategoryChoice{"Volume / Capacity", 16, "mm³", "cm³", "1.000", "0.001000"}));

TEST_F(ConversionWorkflow, TemperatureAndViscosityListTheirUnitsInOrder) {
    chooseCategory("Temperature");
    EXPECT_EQ(rowTexts(fromUnits()), (QStringList{"°Celsius", "°Fahrenheit", "°Kelvin", "°Rankine"}));
    chooseCategory("Viscosity Kinematic");
    EXPECT_EQ(fromUnits().item(0)->text(), "centistokes (mm²/sec)");
    EXPECT_EQ(toUnits().item(toUnits().count() - 1)->text(), "ft²/sec");
}

struct ValueCase {
    const char* category;
    const char* fromUnit;
    const char* toUnit;
    const char* valueText;
    const char* result; // nullptr: refused with the information box
};

void PrintTo(const ValueCase& valueCase, std::ostream* out) {
    *out << valueCase.fromUnit << " \"" << valueCase.valueText << "\"";
}

class ConvertingAValue : public MainWindowTest, public ::testing::WithParamInterface<ValueCase> {};

// The value arrives by a route that bypasses the key filter, so the
// conversion's own rules are what stands between it and a result.
TEST_P(ConvertingAValue, ConvertsOrRefusesWithTheInformationBox) {
    const ValueCase& c = GetParam();
    chooseCategory(QString::fromUtf8(c.category));
    chooseFrom(QString::fromUtf8(c.fromUnit));
    chooseTo(QString::fromUtf8(c.toUnit));
    putValue(QString::fromUtf8(c.valueText));
    if (c.result == nullptr) {
        desktop.expectInformation(RefusalText(QString::fromUtf8(c.fromUnit)));
    }
    convert();
    desktop.verify();
    if (c.result == nullptr) {
        EXPECT_EQ(result(), "");
        EXPECT_FALSE(addToLogEnabled());
    } else {
        EXPECT_EQ(result(), QString::fromUtf8(c.result));
        EXPECT_TRUE(addToLogEnabled());
    }
    EXPECT_EQ(value(), QString::fromUtf8(c.valueText));
}

INSTANTIATE_TEST_SUITE_P(
    Temperatures, ConvertingAValue,
    ::testing::Values(
        ValueCase{"Temperature", "°Celsius", "°Fahrenheit", "-300", nullptr},
        ValueCase{"Temperature", "°Celsius", "°Fahrenheit", "-273.16", nullptr},
        ValueCase{"Temperature", "°Celsius", "°Fahrenheit", "-273", "-459.400000"},    // -273 × 1.8 + 32
        ValueCase{"Temperature", "°Celsius", "°Fahrenheit", "-273.15", "-459.670000"}, // absolute zero itself
        ValueCase{"Temperature", "°Celsius", "°Fahrenheit", "", nullptr},
        ValueCase{"Temperature", "°Kelvin", "°Celsius", "-1", nullptr},
        ValueCase{"Temperature", "°Kelvin", "°Celsius", "0", "-273.150000"},
        ValueCase{"Temperature", "°Fahrenheit", "°Celsius", "-460", nullptr},
        ValueCase{"Temperature", "°Fahrenheit", "°Celsius", "-40", "-40.000000"},
        ValueCase{"Temperature", "°Rankine", "°Kelvin", "-0.5", nullptr},
        ValueCase{"Temperature", "°Rankine", "°Kelvin", "9", "5.000000"}));

INSTANTIATE_TEST_SUITE_P(NegativesOutsideTemperature, ConvertingAValue,
                         ::testing::Values(ValueCase{"Acceleration", "cm/sec²", "m/sec²", "-5", nullptr},
                                           ValueCase{"Time", "min", "sec", "-1", nullptr},
                                           ValueCase{"Acceleration", "cm/sec²", "m/sec²", "0", "0.000000"},
                                           ValueCase{"Acceleration", "cm/sec²", "m/sec²", "abc", nullptr},
                                           ValueCase{"Acceleration", "cm/sec²", "m/sec²", "", nullptr}));

INSTANTIATE_TEST_SUITE_P(
    SineAndCosine, ConvertingAValue,
    ::testing::Values(ValueCase{"Angles", "sine of angle", "radians", "-0.5", nullptr}, // negatives go first
                      ValueCase{"Angles", "sine of angle", "radians", "0.5", "0.523599"}, // π/6
                      ValueCase{"Angles", "sine of angle", "degrees (angle)", "1", "90.000000"},
                      ValueCase{"Angles", "cosine of angle", "degrees (angle)", "0", "90.000000"},
                      ValueCase{"Angles", "cosine of angle", "degrees (angle)", "0.5", "60.000000"}));

INSTANTIATE_TEST_SUITE_P(
    Tangent, ConvertingAValue,
    ::testing::Values(ValueCase{"Angles", "degrees (angle)", "tangent of angle", "45", "1.000000"},
                      // tan of 2π and π are round-off noise, shown as 0
                      ValueCase{"Angles", "degrees (angle)", "tangent of angle", "360", "0.000000"},
                      ValueCase{"Angles", "degrees (angle)", "tangent of angle", "180", "0.000000"},
                      ValueCase{"Angles", "degrees (angle)", "tangent of angle", "405", "1.000000"}));

// 1/0 is an infinite distance per litre: there is no number to show.
INSTANTIATE_TEST_SUITE_P(
    NoFiniteResult, ConvertingAValue,
    ::testing::Values(ValueCase{"Fuel consumption", "litre/km", "km/litre", "0", nullptr},
                      ValueCase{"Fuel consumption", "km/litre", "litre/km", "0", nullptr},
                      ValueCase{"Fuel consumption", "litre/km", "km/litre", "0.1", "10.000000"}));

struct ReasonCase {
    const char* fromUnit;
    const char* toUnit;
    const char* valueText;
    const char* reason;
};

void PrintTo(const ReasonCase& c, std::ostream* out) {
    *out << c.fromUnit << " \"" << c.valueText << "\"";
}

class RefusedWithAReason : public MainWindowTest, public ::testing::WithParamInterface<ReasonCase> {};

// The reason stays in the result field beneath the information box.
TEST_P(RefusedWithAReason, ShowsTheReasonAndTheInformationBox) {
    const ReasonCase& c = GetParam();
    chooseCategory("Angles");
    chooseFrom(QString::fromUtf8(c.fromUnit));
    putValue("0"); // a value every unit converts, even to the tangent
    chooseTo(QString::fromUtf8(c.toUnit));
    putValue(QString::fromUtf8(c.valueText));
    desktop.expectInformation(RefusalText(QString::fromUtf8(c.fromUnit)));
    convert();
    desktop.verify();
    EXPECT_EQ(result(), QString::fromUtf8(c.reason));
    EXPECT_FALSE(addToLogEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Angles, RefusedWithAReason,
    ::testing::Values(ReasonCase{"sine of angle", "radians", "1.5", "Input range -1.0 to +1.0"},
                      ReasonCase{"cosine of angle", "radians", "1.0001", "Input range -1.0 to +1.0"},
                      ReasonCase{"degrees (angle)", "tangent of angle", "90", "Error"},
                      ReasonCase{"degrees (angle)", "tangent of angle", "270", "Error"},
                      ReasonCase{"degrees (angle)", "tangent of angle", "450", "Error"},
                      ReasonCase{"degrees (angle)", "tangent of angle", "630", "Error"},
                      ReasonCase{"degrees (angle)", "tangent of angle", "810", "Error"},
                      // 999999999999810 = 2777777777777 × 360 + 90
                      ReasonCase{"degrees (angle)", "tangent of angle", "999999999999810", "Error"},
                      // a quarter circle is 90 degrees
                      ReasonCase{"1/4 circle", "tangent of angle", "1", "Error"},
                      ReasonCase{"arcminute (minute of arc)", "tangent of angle", "5400", "Error"}));

// Reducing the angle by whole turns must not take one step per turn.
TEST_F(ConversionWorkflow, AHugeAngleToTangentReturnsAtOnce) {
    chooseCategory("Angles");
    chooseTo("tangent of angle");
    putValue("1000000000000000"); // 1e15 degrees, 280 degrees past a whole turn
    convert();
    EXPECT_FALSE(result().isEmpty());
    EXPECT_TRUE(addToLogEnabled());
}

TEST_F(ConversionWorkflow, TheMinusKeyIsTypedOnlyForTemperatures) {
    typeValue("-5");
    EXPECT_EQ(value(), "5");
    chooseCategory("Temperature");
    typeValue("-5");
    EXPECT_EQ(value(), "-5");
    convert();
    EXPECT_EQ(result(), "23.000000"); // -5 × 1.8 + 32
    putValue("10");
    chooseFrom("°Kelvin");
    typeValue("-5");
    EXPECT_EQ(value(), "-5");
}

struct CircleCase {
    const char* unit;
    const char* valueBefore;
    enum { NoQuestion, AnswerYes, AnswerNo } question;
    const char* valueAfter;
    const char* radians;
};

void PrintTo(const CircleCase& c, std::ostream* out) {
    *out << c.unit << " \"" << c.valueBefore << "\"";
}

class ChoosingACircleFraction : public MainWindowTest, public ::testing::WithParamInterface<CircleCase> {};

TEST_P(ChoosingACircleFraction, OffersTheValueOneUnlessItIsThere) {
    const CircleCase& c = GetParam();
    chooseCategory("Angles");
    ASSERT_EQ(toLabel(), "radians");
    putValue(QString::fromUtf8(c.valueBefore));
    if (c.question != CircleCase::NoQuestion) {
        desktop.expectConfirm("Do you wish to use a value equal to a " + QString::fromUtf8(c.unit) + "?",
                              c.question == CircleCase::AnswerYes);
    }
    if (QString::fromUtf8(c.radians).isEmpty()) {
        desktop.expectInformation(RefusalText(QString::fromUtf8(c.unit)));
    }
    chooseFrom(QString::fromUtf8(c.unit));
    desktop.verify();
    EXPECT_EQ(value(), QString::fromUtf8(c.valueAfter));
    EXPECT_EQ(result(), QString::fromUtf8(c.radians));
}

INSTANTIATE_TEST_SUITE_P(
    Fractions, ChoosingACircleFraction,
    ::testing::Values(CircleCase{"semicircle", "2.000", CircleCase::AnswerYes, "1.000", "3.141593"},
                      CircleCase{"semicircle", "2.000", CircleCase::AnswerNo, "2.000", "6.283185"},
                      CircleCase{"semicircle", "1.000", CircleCase::NoQuestion, "1.000", "3.141593"},
                      CircleCase{"semicircle", "1", CircleCase::NoQuestion, "1", "3.141593"},
                      CircleCase{"semicircle", "", CircleCase::AnswerYes, "1.000", "3.141593"},
                      CircleCase{"semicircle", "", CircleCase::AnswerNo, "", ""},
                      CircleCase{"full circle", "0.5", CircleCase::AnswerNo, "0.5", "3.141593"},
                      // 22.5° = π/8
                      CircleCase{"1/16 circle", "3", CircleCase::AnswerYes, "1.000", "0.392699"}));

// A click is a choice even on the row already chosen.
TEST_F(ConversionWorkflow, ClickingTheChosenRowAgainActsAgain) {
    putValue("5");
    chooseCategory("Acceleration");
    EXPECT_EQ(value(), "1.000"); // the category's value is back
    EXPECT_EQ(result(), "0.010000");

    chooseCategory("Angles");
    chooseFrom("semicircle");
    putValue("2.000");
    desktop.expectConfirm("Do you wish to use a value equal to a semicircle?", true);
    chooseFrom("semicircle");
    EXPECT_EQ(value(), "1.000");
    EXPECT_EQ(result(), "3.141593"); // 180° in radians

    // A press that comes up below the last row chooses nothing: no conversion
    // fills the result that the new value emptied.
    chooseCategory("Temperature");
    putValue("50");
    QTest::mouseClick(toUnits().viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(20, toUnits().viewport()->height() - 2));
    EXPECT_EQ(result(), "");
}

// 1 / -0 is minus infinity litres per km: no result, just the usual refusal,
// not the box for a conversion that does not exist.
TEST_F(ConversionWorkflow, MinusZeroInAReciprocalFuelUnitIsRefused) {
    chooseCategory("Fuel consumption");
    chooseFrom("litre/km");
    putValue("-0");
    desktop.expectInformation(RefusalText("litre/km"));
    convert();
    EXPECT_EQ(result(), "");
    EXPECT_FALSE(addToLogEnabled());
}

TEST_F(ConversionWorkflow, OtherAngleUnitsAskNothing) {
    chooseCategory("Angles");
    putValue("2");
    chooseFrom("arcminute (minute of arc)");
    EXPECT_EQ(value(), "2");
}

// A choice by keyboard is a choice as much as a click.
TEST_F(ConversionWorkflow, ArrowKeysInTheListsChooseAndConvert) {
    PressKey(toUnits(), Qt::Key_Down);
    EXPECT_EQ(toLabel(), "inch/sec²");
    EXPECT_EQ(result(), "0.393701"); // 0.01 / 0.0254
    PressKey(fromUnits(), Qt::Key_Down);
    EXPECT_EQ(fromLabel(), "m/sec²");
    EXPECT_EQ(result(), "39.370079"); // 1 / 0.0254
    PressKey(categories(), Qt::Key_Down);
    EXPECT_EQ(fromLabel(), "degrees (angle)");
    EXPECT_EQ(result(), "0.017453");
}

TEST_F(ConversionWorkflow, RefusalPutsTheFocusIntoTheValueField) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    categories().setFocus();
    putValue("");
    desktop.expectInformation(RefusalText("cm/sec²"));
    convert();
    EXPECT_EQ(window.focusWidget(), &valueField());
}

// Whatever way the value field gets the focus, its whole text is selected, so
// the next number typed replaces the old one. A field takes the focus from a
// click or from the program without selecting anything by itself.
TEST_F(ConversionWorkflow, TheValueFieldSelectsItsWholeTextWhenItGetsTheFocus) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    for (const Qt::FocusReason reason : {Qt::MouseFocusReason, Qt::OtherFocusReason, Qt::TabFocusReason}) {
        categories().setFocus();
        putValue("123.5");
        valueField().deselect();
        valueField().setFocus(reason);
        EXPECT_EQ(valueField().selectedText(), "123.5") << "focus reason " << static_cast<int>(reason);
    }
}

TEST_F(ConversionWorkflow, AddToResultsLogFollowsTheLastConversion) {
    EXPECT_TRUE(addToLogEnabled());
    putValue("");
    desktop.expectInformation(RefusalText("cm/sec²"));
    convert();
    EXPECT_FALSE(addToLogEnabled());
    putValue("7");
    convert();
    EXPECT_EQ(result(), "0.070000");
    EXPECT_TRUE(addToLogEnabled());
}

TEST_F(ConversionWorkflow, ChangingTheValueEmptiesTheResultWithoutConverting) {
    ASSERT_EQ(result(), "0.010000");
    TypeText(valueField(), "5");
    EXPECT_EQ(result(), "");
    putValue("");
    EXPECT_EQ(result(), "");
}

TEST_F(ConversionWorkflow, EnterConvertsOnceWhereverTheFocusIs) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    valueField().setFocus();
    putValue("2");
    PressKey(valueField(), Qt::Key_Return);
    EXPECT_EQ(result(), "0.020000");
    putValue("3");
    PressKey(categories(), Qt::Key_Enter);
    EXPECT_EQ(result(), "0.030000");
    // One refusal, one box: the key is not handled a second time.
    putValue("");
    desktop.expectInformation(RefusalText("cm/sec²"));
    PressKey(valueField(), Qt::Key_Return);
    desktop.verify();
    EXPECT_EQ(desktop.calls().size(), 1U);
}

TEST_F(ConversionWorkflow, APressOnTheBareWindowSurfaceConverts) {
    putValue("4");
    ASSERT_EQ(result(), "");
    QWidget& client = control("ClientArea");
    const QPoint between(210, 200); // between the category list and the from-list
    ASSERT_EQ(client.childAt(between), nullptr);
    ClickAt(client, between);
    EXPECT_EQ(result(), "0.040000");
}

// 12345.5 m/s² is 1234550 cm/s².
TEST_F(ConversionWorkflow, ScientificFormatWinsOverThousandsSeparators) {
    chooseFrom("m/sec²");
    chooseTo("cm/sec²");
    putValue("12345.5");
    convert();
    EXPECT_EQ(result(), "1234550.000000");
    trigger("Usethousandsseparator1");
    EXPECT_EQ(result(), "1,234,550.000000");
    trigger("Scientificformat1");
    EXPECT_EQ(result(), "1.23455000000000E+0006");
    trigger("Usethousandsseparator1");
    EXPECT_EQ(result(), "1.23455000000000E+0006");
    trigger("Scientificformat1");
    EXPECT_EQ(result(), "1234550.000000");
    EXPECT_EQ(value(), "12345.5");
}

// The regional settings are read at each conversion: the value is typed and
// the result written with the separators in force at that moment.
TEST_F(ConversionWorkflow, SeparatorsFollowTheRegionalSettingsAtEachConversion) {
    chooseFrom("m/sec²");
    chooseTo("cm/sec²");
    trigger("Usethousandsseparator1");
    const struct {
        QLocale locale;
        const char* typed;
        const char* result;
    } conversions[] = {
        {QLocale(QLocale::English, QLocale::UnitedKingdom), "12345.5", "1,234,550.000000"},
        {QLocale(QLocale::German, QLocale::Germany), "12345,5", "1.234.550,000000"},
        {QLocale(QLocale::French, QLocale::France), "12,5", "1\u202F250,000000"},
        {QLocale(QLocale::English, QLocale::UnitedKingdom), "0.25", "25.000000"},
    };
    for (const auto& c : conversions) {
        desktop.setLocale(c.locale);
        typeValue(QString::fromUtf8(c.typed));
        convert();
        EXPECT_EQ(result(), QString::fromUtf8(c.result)) << c.locale.name().toStdString();
    }
    // A value typed under one setting still reads after a change: its comma
    // becomes the point.
    desktop.setLocale(QLocale(QLocale::German, QLocale::Germany));
    typeValue("3,5");
    desktop.setLocale(QLocale(QLocale::English, QLocale::UnitedKingdom));
    convert();
    EXPECT_EQ(result(), "350.000000");
}

TEST_F(ConversionWorkflow, DecimalsChangeOnlyTheRendering) {
    chooseFrom("g (acc. due to gravity)");
    ASSERT_EQ(toLabel(), "m/sec²");
    EXPECT_EQ(result(), "9.806650");
    const std::pair<int, const char*> renderings[] = {
        {0, "10"}, {2, "9.81"}, {3, "9.807"}, {16, "9.8066500000000000"}, {6, "9.806650"}};
    for (const auto& [decimals, text] : renderings) {
        chooseDecimals(decimals);
        EXPECT_EQ(result(), text) << decimals << " decimals";
    }
    EXPECT_EQ(value(), "1.000");
    EXPECT_EQ(fromLabel(), "g (acc. due to gravity)");
}

TEST_F(ConversionWorkflow, ScientificFormatTakesTheDecimalsPlace) {
    QWidget& decimalsLabel = control("LabelDecimalPlaces");
    QWidget& decimalsList = control("ComboBoxDecimalPlaces");
    QWidget& scientificLabel = control("LabelScientificFormat");
    trigger("Scientificformat1");
    EXPECT_FALSE(decimalsLabel.isVisible());
    EXPECT_FALSE(decimalsList.isVisible());
    EXPECT_TRUE(scientificLabel.isVisible());
    EXPECT_EQ(scientificLabel.y(), 380);
    EXPECT_EQ(result(), "1.00000000000000E-0002");
    trigger("Scientificformat1");
    EXPECT_TRUE(decimalsLabel.isVisible());
    EXPECT_TRUE(decimalsList.isVisible());
    EXPECT_FALSE(scientificLabel.isVisible());
    EXPECT_EQ(result(), "0.010000");
}

// Switching the spelling keeps the chosen units and puts the category's value back.
TEST_F(ConversionWorkflow, SpellingSwitchRenamesTheUnitsInTheLists) {
    chooseCategory("Density");
    chooseTo("gram/litre");
    putValue("2");
    trigger("USAspelling1");
    EXPECT_EQ(toLabel(), "gram/liter");
    EXPECT_EQ(toUnits().currentItem()->text(), "gram/liter");
    EXPECT_EQ(fromUnits().item(7)->text(), "kg/liter");
    EXPECT_EQ(fromLabel(), "gram/mm³");
    EXPECT_EQ(value(), "1.000");
    EXPECT_EQ(result(), "1000000.000000"); // 1 g/mm³ is 10⁶ g/l
    EXPECT_TRUE(toUnits().findItems("gram/litre", Qt::MatchExactly).isEmpty());
    chooseFrom("kg/liter");
    EXPECT_EQ(result(), "1000.000000");
    trigger("Englishspelling1");
    EXPECT_EQ(fromLabel(), "kg/litre");
    EXPECT_EQ(toLabel(), "gram/litre");
    EXPECT_EQ(result(), "1000.000000");
}

} // namespace
} // namespace tavrix
