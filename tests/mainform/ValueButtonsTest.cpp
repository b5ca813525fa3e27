// The buttons that change the value before converting it: multiply, divide,
// reciprocal, and the calculator for the value.
#include "CalculatorKeyPad.h"
#include "CalculatorPopUp.h"
#include "MainFormFixture.h"

#include <QDialog>

#include <memory>

namespace tavrix {
namespace {

struct ButtonCase {
    const char* button;
    const char* value;  // 1.5 after the button, at 6 decimals
    const char* result; // that many cm/s² in m/s²
};

void PrintTo(const ButtonCase& c, std::ostream* out) {
    *out << c.button;
}

class ValueButton : public MainWindowTest, public ::testing::WithParamInterface<ButtonCase> {};

TEST_P(ValueButton, WorksOnTheValueAndConverts) {
    putValue("1.5");
    click(GetParam().button);
    EXPECT_EQ(value(), GetParam().value);
    EXPECT_EQ(result(), GetParam().result);
    EXPECT_TRUE(addToLogEnabled());
}

INSTANTIATE_TEST_SUITE_P(AllEleven, ValueButton,
                         ::testing::Values(ButtonCase{"BitBtnMultiplyBy2", "3.000000", "0.030000"},
                                           ButtonCase{"BitBtnMultiplyBy3", "4.500000", "0.045000"},
                                           ButtonCase{"BitBtnMultiplyBy4", "6.000000", "0.060000"},
                                           ButtonCase{"BitBtnMultiplyBy5", "7.500000", "0.075000"},
                                           ButtonCase{"BitBtnMultiplyBy10", "15.000000", "0.150000"},
                                           ButtonCase{"BitBtnReciprocal", "0.666667", "0.006667"},
                                           ButtonCase{"BitBtnDivideBy2", "0.750000", "0.007500"},
                                           ButtonCase{"BitBtnDivideBy3", "0.500000", "0.005000"},
                                           ButtonCase{"BitBtnDivideBy4", "0.375000", "0.003750"},
                                           ButtonCase{"BitBtnDivideBy5", "0.300000", "0.003000"},
                                           ButtonCase{"BitBtnDivideBy10", "0.150000", "0.001500"}),
                         [](const auto& test) { return std::string(test.param.button); });

using ValueButtons = MainWindowTest;

TEST_F(ValueButtons, DivideByThreeRoundsToSixDecimals) {
    ASSERT_EQ(value(), "1.000");
    click("BitBtnDivideBy3");
    EXPECT_EQ(value(), "0.333333");
    EXPECT_EQ(result(), "0.003333");
    click("BitBtnMultiplyBy3");
    EXPECT_EQ(value(), "0.999999");
}

TEST_F(ValueButtons, ReciprocalOfZeroIsRefusedAndLeavesTheField) {
    putValue("0");
    desktop.expectError("Floating point division by zero");
    click("BitBtnReciprocal");
    desktop.verify();
    EXPECT_EQ(value(), "0");
}

const char* const AllValueButtons[] = {"BitBtnMultiplyBy2", "BitBtnMultiplyBy3",  "BitBtnMultiplyBy4",
                                       "BitBtnMultiplyBy5", "BitBtnMultiplyBy10", "BitBtnReciprocal",
                                       "BitBtnDivideBy2",   "BitBtnDivideBy3",    "BitBtnDivideBy4",
                                       "BitBtnDivideBy5",   "BitBtnDivideBy10"};

// No message, no conversion, nothing changed: the scripted desktop fails the
// test on any box.
TEST_F(ValueButtons, DoNothingSilentlyWithAnInvalidValue) {
    chooseCategory("Temperature");
    for (const char* text : {"", "abc", "-5", "1.2.3"}) {
        putValue(QString::fromLatin1(text));
        for (const char* button : AllValueButtons) {
            click(button);
            EXPECT_EQ(value(), text) << button;
            EXPECT_EQ(result(), "") << button;
        }
    }
    EXPECT_TRUE(desktop.calls().empty());
    EXPECT_TRUE(addToLogEnabled()); // the last conversion, of 100 °C, stands
}

class CalculatorForTheValue : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        window.attachCalculator(calculator);
    }

    // Clicks `keys` on the keypad, then OK unless told otherwise; checks where
    // the calculator stands while it is open.
    void calculate(std::initializer_list<int> keys, bool pressOk = true) {
        const QPoint expectedAt = window.frameGeometry().topLeft() + QPoint(210, 410);
        desktop.expectModal([this, keys, pressOk, expectedAt](QDialog& dialog) {
            EXPECT_EQ(&dialog, &calculator);
            EXPECT_EQ(dialog.frameGeometry().topLeft(), expectedAt);
            QWidget& keyPad = Find<QWidget>(dialog, "ImageKeyPad");
            for (const int key : keys) {
                ClickAt(keyPad, KeyCentre(key));
            }
            if (pressOk) {
                Click(Find<QWidget>(dialog, "ImageOKbutton"));
            }
        });
        click("BitBtnCalculateEntry");
        desktop.verify();
    }

    TFormCalculatorPopUp calculator{desktop, paths, &window};
};

TEST_F(CalculatorForTheValue, AcceptedValueIsConverted) {
    calculate({Key1, Key2, KeyDecimalSeparator, Key5, KeyEquals});
    EXPECT_EQ(value(), "12.5");
    EXPECT_EQ(result(), "0.125000");
    EXPECT_TRUE(addToLogEnabled());
}

TEST_F(CalculatorForTheValue, WholeAndRecurringValuesLoseTrailingZeros) {
    calculate({Key3, KeyMultiply, Key4, KeyEquals});
    EXPECT_EQ(value(), "12");
    EXPECT_EQ(result(), "0.120000");
    calculate({Key1, KeyDivide, Key3, KeyEquals});
    EXPECT_EQ(value(), "0.33333333");
    EXPECT_EQ(result(), "0.003333");
}

TEST_F(CalculatorForTheValue, CountsInTheLastPartOfACompoundUnit) {
    chooseCategory("Length");
    chooseFrom("ft + in (feet and inches)");
    calculate({Key7, Key1, KeyEquals});
    EXPECT_EQ(value(), "5 ft 11 in");
}

TEST_F(CalculatorForTheValue, ClosingWithoutOkLeavesTheFieldAlone) {
    putValue("7");
    convert();
    calculate({Key9, Key9}, false);
    EXPECT_EQ(value(), "7");
    EXPECT_EQ(result(), "0.070000");
}

// An accepted value the conversion refuses is refused as a typed one is.
TEST_F(CalculatorForTheValue, AcceptedNegativeValueOutsideTemperatureIsRefused) {
    desktop.expectModal([](QDialog& dialog) {
        QWidget& keyPad = Find<QWidget>(dialog, "ImageKeyPad");
        for (const int key : {Key2, KeySubtract, Key5, KeyEquals}) {
            ClickAt(keyPad, KeyCentre(key));
        }
        Click(Find<QWidget>(dialog, "ImageOKbutton"));
    });
    desktop.expectInformation(RefusalText("cm/sec²"));
    click("BitBtnCalculateEntry");
    desktop.verify();
    EXPECT_EQ(value(), "-3");
    EXPECT_FALSE(addToLogEnabled());
}

} // namespace
} // namespace tavrix
