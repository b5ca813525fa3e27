// Enter on a focused button, numbers typed into the Decimals box, selecting
// the value and opening the menus: the keyboard user gets what a mouse user
// gets.
#include "CalculatorKeyPad.h"
#include "ResultsLogFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QMenu>

namespace tavrix {
namespace {

using KeyboardUse = ResultsLogTest;

// The window converts first, as it sees every key first; then the focused
// button acts. Each case starts from a fresh conversion of 1 cm/sec².
TEST_F(KeyboardUse, EnterConvertsThenPressesTheFocusedButton) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    struct Case {
        const char* button;
        QString value;  // in the field after the button acted
        QString result; // of that value, in m/sec²
    };
    const Case cases[] = {
        {"BitBtnMultiplyBy2", "2.000000", "0.020000"},
        {"BitBtnDivideBy3", "0.333333", "0.003333"},
        {"BitBtnReciprocal", "1.000000", "0.010000"},
    };
    for (const Case& c : cases) {
        putValue("1");
        control(c.button).setFocus();
        ASSERT_EQ(QApplication::focusWidget(), &control(c.button));
        PressKey(control(c.button), Qt::Key_Return);
        EXPECT_EQ(value(), c.value) << c.button;
        EXPECT_EQ(result(), c.result) << c.button;
    }

    // The converted value reaches the log: the conversion ran before the button.
    putValue("7");
    control("BitBtnAddToResultsLog").setFocus();
    PressKey(control("BitBtnAddToResultsLog"), Qt::Key_Enter);
    EXPECT_EQ(logLines(), QStringList{"7 cm/sec² = 0.070000 m/sec²"});

    desktop.expectModal([this](QDialog&) {
        for (const int key : {Key4, KeyEquals}) {
            ClickAt(Find<QWidget>(calculator, "ImageKeyPad"), KeyCentre(key));
        }
        ClickAt(Find<QWidget>(calculator, "ImageOKbutton"), {16, 13});
    });
    control("BitBtnCalculateEntry").setFocus();
    PressKey(control("BitBtnCalculateEntry"), Qt::Key_Return);
    desktop.verify();
    EXPECT_EQ(value(), "4");
    EXPECT_EQ(result(), "0.040000");
}

// A refused value: one message, and "Add to Results Log", now disabled, adds nothing.
TEST_F(KeyboardUse, EnterOnAButtonAfterARefusalDoesNotAct) {
    control("BitBtnAddToResultsLog").setFocus();
    putValue("");
    desktop.expectInformation(RefusalText("cm/sec²"));
    PressKey(control("BitBtnAddToResultsLog"), Qt::Key_Return);
    desktop.verify();
    EXPECT_EQ(desktop.calls().size(), 1U);
    EXPECT_TRUE(logLines().isEmpty());
}

// What the box shows is what the result uses: a typed number from 0 to 16
// counts on Enter or on leaving the box; anything else is put back.
TEST_F(KeyboardUse, TypedDecimalsCountOnEnterOrLeavingOrArePutBack) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QComboBox& box = control<QComboBox>("ComboBoxDecimalPlaces");
    chooseFrom("g (acc. due to gravity)");
    ASSERT_EQ(result(), "9.806650");
    struct Case {
        QString typed;
        bool leaveByTab; // else Enter
        QString shown;
        QString result;
    };
    const Case cases[] = {
        {"2", false, "2", "9.81"},   {"16", true, "16", "9.8066500000000000"},
        {"0", false, "0", "10"},     {"17", false, "0", "10"},
        {"612", true, "0", "10"},    {"", false, "0", "10"},
        {"-1", false, "0", "10"},    {" 3", true, "3", "9.807"},
        {"3x", false, "3", "9.807"},
    };
    for (const Case& c : cases) {
        box.setFocus();
        box.lineEdit()->selectAll();
        PressKey(box, Qt::Key_Backspace);
        TypeText(box, c.typed);
        ASSERT_EQ(box.currentText(), c.typed);
        PressKey(box, c.leaveByTab ? Qt::Key_Tab : Qt::Key_Return);
        EXPECT_EQ(box.currentText(), c.shown) << c.typed.toStdString();
        EXPECT_EQ(box.currentIndex(), c.shown.toInt()) << c.typed.toStdString();
        EXPECT_EQ(result(), c.result) << c.typed.toStdString();
    }
}

// Ctrl+A is a command, not a character the number rules refuse: the whole
// value is selected, and what is typed next replaces it.
TEST_F(KeyboardUse, CtrlASelectsTheWholeValue) {
    typeValue("12.5");
    valueField().setCursorPosition(1);
    PressKey(valueField(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(valueField().selectedText(), "12.5");
    TypeText(valueField(), "7");
    EXPECT_EQ(value(), "7");
    EXPECT_TRUE(desktop.calls().empty());
}

// Each menu drops down from the keyboard with Alt and the letter its caption
// marks, wherever the focus is.
TEST_F(KeyboardUse, AltAndALetterOpenEachMenu) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const std::pair<Qt::Key, const char*> menus[] = {
        {Qt::Key_F, "File1"}, {Qt::Key_E, "Edit1"}, {Qt::Key_S, "Settings1"}, {Qt::Key_H, "Help1"}};
    for (const auto& [letter, name] : menus) {
        valueField().setFocus();
        PressKey(valueField(), letter, Qt::AltModifier);
        QMenu& menu = control<QMenu>(name);
        EXPECT_TRUE(QTest::qWaitFor([&menu] { return menu.isVisible(); }, 5000)) << name << " did not open";
        menu.close();
        ASSERT_TRUE(QTest::qWaitFor([&menu] { return !menu.isVisible(); }, 5000));
    }
    EXPECT_TRUE(desktop.calls().empty());
}

} // namespace
} // namespace tavrix
