#include "CalculatorModel.h"
#include "CalculatorKeys.h"
#include "CalculatorNumberText.h"
#include "CalculatorTestPrinting.h"
#include "Tavrix_Units.h"

#include <gtest/gtest.h>

#include <map>

namespace tavrix {
namespace {

const NumberFormat PointAndComma{".", ","};

// Presses keypad keys, one character per key: digits, "." for the separator
// key, x / + - = and the letters below for the named keys.
QString PressAll(TCalculatorModel& calculator, const std::string& keys) {
    static const std::map<char, int> keyCodes{{'.', KeyDecimalSeparator},
                                              {'x', KeyMultiply},
                                              {'/', KeyDivide},
                                              {'+', KeyAdd},
                                              {'-', KeySubtract},
                                              {'=', KeyEquals},
                                              {'n', KeySignChange},
                                              {'r', KeySquareRoot},
                                              {'i', KeyReciprocal},
                                              {'p', KeyPi},
                                              {'b', KeyBackSpace},
                                              {'e', KeyClearEntry},
                                              {'c', KeyClear},
                                              {'S', KeyMemoryStore},
                                              {'R', KeyMemoryRecall},
                                              {'A', KeyMemoryAdd},
                                              {'Z', KeyMemoryClear},
                                              {'0', Key0},
                                              {'1', Key1},
                                              {'2', Key2},
                                              {'3', Key3},
                                              {'4', Key4},
                                              {'5', Key5},
                                              {'6', Key6},
                                              {'7', Key7},
                                              {'8', Key8},
                                              {'9', Key9}};
    QString lastMessage;
    for (const char key : keys) {
        const auto found = keyCodes.find(key);
        const int code = found != keyCodes.end() ? found->second : NoKey;
        EXPECT_NE(code, NoKey) << key;
        const QString caption = KeyCaption(code, calculator.decimalSeparator());
        const QString message = calculator.PressKey(code, caption.isEmpty() ? QChar() : caption[0]);
        if (!message.isEmpty()) {
            lastMessage = message;
        }
    }
    return lastMessage;
}

// Digits typed on the keyboard, appended as the display field would.
void TypeDigits(TCalculatorModel& calculator, const QString& digits) {
    for (const QChar digit : digits) {
        calculator.prepareTypedCharacter(digit);
        const QString text = calculator.displayText() + digit;
        calculator.setDisplay(text, static_cast<int>(text.size()));
    }
}

struct Opened : ::testing::Test {
    Opened() { calculator.beginOpening(0, NumberFormat{}); }
    TCalculatorModel calculator;
};

TEST(CalculatorKeys, BandsDecideTheKeyUnderAPoint) {
    EXPECT_EQ(KeyAtPoint(50, 10), Key7);
    EXPECT_EQ(KeyAtPoint(50, 29), NoKey); // between the first two rows
    EXPECT_EQ(KeyAtPoint(35, 10), NoKey); // between the first two columns
    EXPECT_EQ(KeyAtPoint(0, 0), KeyMemoryClear);
    EXPECT_EQ(KeyAtPoint(30, 26), KeyMemoryClear);
    EXPECT_EQ(KeyAtPoint(31, 26), NoKey);
    EXPECT_EQ(KeyAtPoint(218, 155), KeyReciprocal);
    EXPECT_EQ(KeyAtPoint(219, 155), NoKey);
    EXPECT_EQ(KeyAtPoint(218, 156), NoKey);
    EXPECT_EQ(KeyAtPoint(-1, 0), NoKey);
    EXPECT_EQ(KeyAtPoint(76, 65), Key2);
    EXPECT_EQ(KeyAtPoint(106, 91), Key2);
    EXPECT_EQ(KeyAtPoint(112, 129), KeyPi);
    // The bottom row has no keys left of Pi: the cells exist but are empty.
    EXPECT_EQ(KeyAtPoint(100, 140), 42);
    EXPECT_TRUE(KeyCaption(KeyAtPoint(100, 140), u'.').isEmpty());
    EXPECT_TRUE(KeyCaption(KeyAtPoint(20, 140), u'.').isEmpty());
    EXPECT_EQ(KeyAtPoint(107, 140), NoKey);
}

TEST(CalculatorKeys, CaptionsFollowTheTableAndTheLocaleSeparator) {
    const std::pair<int, const char*> expected[] = {
        {0, "MC"},         {1, "7"},  {2, "8"},   {3, "9"},   {4, "CE"},  {5, "C"},   {10, "MR"},
        {11, "4"},         {12, "5"}, {13, "6"},  {14, "x"},  {15, "/"},  {20, "MS"}, {21, "1"},
        {22, "2"},         {23, "3"}, {24, "+"},  {25, "-"},  {30, "M+"}, {31, "0"},  {33, "+/-"},
        {34, "BackSpace"}, {35, "="}, {43, "Pi"}, {44, "SR"}, {45, "1/x"}};
    for (const auto& [code, caption] : expected) {
        EXPECT_EQ(KeyCaption(code, u'.'), QString::fromLatin1(caption)) << code;
    }
    for (const int none : {6, 9, 16, 36, 40, 41, 42, 46, 50, 99, -1}) {
        EXPECT_TRUE(KeyCaption(none, u'.').isEmpty()) << none;
    }
    EXPECT_EQ(KeyCaption(KeyDecimalSeparator, u'.'), ".");
    EXPECT_EQ(KeyCaption(KeyDecimalSeparator, u','), ",");
}

TEST_F(Opened, AnOperationWaitsForEqualsAndIsReplacedNotWorkedOut) {
    PressAll(calculator, "2+3=");
    EXPECT_EQ(calculator.displayText(), "5");
    EXPECT_EQ(calculator.CalcValue(), 5);
    EXPECT_EQ(calculator.operationSign(), "=");
    PressAll(calculator, "c2+3x4=");
    EXPECT_EQ(calculator.displayText(), "12");
    PressAll(calculator, "c9-4=");
    EXPECT_EQ(calculator.displayText(), "5");
    PressAll(calculator, "c1/3=");
    EXPECT_EQ(calculator.displayText(), "0.333333333333333");
    PressAll(calculator, "c7/0=");
    EXPECT_EQ(calculator.displayText(), "0");
    EXPECT_EQ(calculator.CalcValue(), 0);
}

TEST_F(Opened, TheSignOfThePendingOperationIsTheTextPressed) {
    PressAll(calculator, "2x");
    EXPECT_EQ(calculator.operationSign(), "x");
    EXPECT_EQ(calculator.pending(), PendingOperation::Multiply);
    calculator.PressKey(KeyMultiply, '*');
    EXPECT_EQ(calculator.operationSign(), "*");
    PressAll(calculator, "-");
    EXPECT_EQ(calculator.pending(), PendingOperation::Subtract);
    PressAll(calculator, "/");
    EXPECT_EQ(calculator.pending(), PendingOperation::Divide);
    EXPECT_EQ(calculator.CalcValue(), 2);
}

TEST_F(Opened, AOneOperandKeyEndsThePendingOperationWithoutWorkingItOut) {
    PressAll(calculator, "5x3n");
    EXPECT_EQ(calculator.displayText(), "-3");
    EXPECT_EQ(calculator.CalcValue(), 5);
    PressAll(calculator, "=");
    EXPECT_EQ(calculator.displayText(), "-3");
    EXPECT_EQ(calculator.CalcValue(), -3);
}

TEST_F(Opened, SquareRoot) {
    PressAll(calculator, "9r");
    EXPECT_EQ(calculator.displayText(), "3");
    EXPECT_EQ(calculator.CalcValue(), 3);
    EXPECT_EQ(calculator.pending(), PendingOperation::OneOperandDone);
    PressAll(calculator, "c2r");
    EXPECT_EQ(calculator.displayText(), "1.4142135623731"); // sqrt(2) = 1.41421356237309|5..., rounded up
    PressAll(calculator, "c0r");
    EXPECT_EQ(calculator.displayText(), "0");
    PressAll(calculator, "c7=4n");
    EXPECT_EQ(PressAll(calculator, "r"), NegativeSquareRootMessage);
    EXPECT_EQ(calculator.displayText(), "-4");
    EXPECT_EQ(calculator.CalcValue(), 7);
}

TEST_F(Opened, Reciprocal) {
    PressAll(calculator, "4i");
    EXPECT_EQ(calculator.displayText(), "0.25");
    EXPECT_EQ(calculator.CalcValue(), 0.25);
    PressAll(calculator, "c6=0i");
    EXPECT_EQ(calculator.displayText(), "0");
    EXPECT_EQ(calculator.CalcValue(), 6);
    EXPECT_EQ(calculator.pending(), PendingOperation::OneOperandDone);
    PressAll(calculator, "c10000000i");
    EXPECT_EQ(calculator.displayText(), "1E-7");
}

TEST_F(Opened, PiShowsFifteenDigitsAndTakesTheDisplayAsFirstOperand) {
    PressAll(calculator, "p");
    EXPECT_EQ(calculator.displayText(), "3.14159265358979");
    EXPECT_EQ(calculator.pending(), PendingOperation::None);
    // "=" reads the display, which holds pi to 15 digits: 2 x 3.14159265358979.
    PressAll(calculator, "c2xp=");
    EXPECT_EQ(calculator.displayText(), "6.28318530717958");
    // With an operation pending, Pi first makes the display the first operand.
    PressAll(calculator, "c2x3p");
    EXPECT_EQ(calculator.CalcValue(), 3);
    EXPECT_EQ(calculator.pending(), PendingOperation::Multiply);
}

TEST_F(Opened, ClearEntryKeepsTheOperationClearForgetsIt) {
    PressAll(calculator, "2+3e");
    EXPECT_EQ(calculator.displayText(), "0");
    PressAll(calculator, "4=");
    EXPECT_EQ(calculator.displayText(), "6");
    PressAll(calculator, "8+3c");
    EXPECT_EQ(calculator.displayText(), "0");
    EXPECT_EQ(calculator.CalcValue(), 0);
    EXPECT_EQ(calculator.pending(), PendingOperation::None);
    EXPECT_EQ(calculator.currentValueText(), "0");
    PressAll(calculator, "4=");
    EXPECT_EQ(calculator.displayText(), "4");
}

TEST_F(Opened, Memory) {
    PressAll(calculator, "5S");
    EXPECT_EQ(calculator.CalcMemory(), 5);
    EXPECT_EQ(calculator.memoryText(), "5");
    PressAll(calculator, "c3A");
    EXPECT_EQ(calculator.CalcMemory(), 8);
    PressAll(calculator, "c0.5nA");
    EXPECT_EQ(calculator.CalcMemory(), 7.5);
    // Recalled digits are joined, not replaced.
    PressAll(calculator, "cR2");
    EXPECT_EQ(calculator.displayText(), "7.52");
    PressAll(calculator, "Z");
    EXPECT_EQ(calculator.CalcMemory(), 0);
    EXPECT_EQ(calculator.memoryText(), "0");
}

TEST_F(Opened, DigitsSeparatorAndBackSpace) {
    PressAll(calculator, "1.5.2");
    EXPECT_EQ(calculator.displayText(), "1.52");
    PressAll(calculator, "b");
    EXPECT_EQ(calculator.displayText(), "1.5");
    calculator.setDisplay("123", 1);
    PressAll(calculator, "9");
    EXPECT_EQ(calculator.displayText(), "1923");
    EXPECT_EQ(calculator.caret(), 2);
    PressAll(calculator, "b");
    EXPECT_EQ(calculator.displayText(), "123");
    EXPECT_EQ(calculator.caret(), 1);
    calculator.setDisplay("123", 0);
    PressAll(calculator, "b");
    EXPECT_EQ(calculator.displayText(), "123");
    // A display emptied by BackSpace shows 0, and the next digit replaces it.
    calculator.setDisplay("7", 1);
    PressAll(calculator, "b");
    EXPECT_EQ(calculator.displayText(), "0");
    PressAll(calculator, "4");
    EXPECT_EQ(calculator.displayText(), "4");
}

TEST_F(Opened, ANumberBegunWithTheSeparatorGetsItsLeadingZero) {
    PressAll(calculator, "2+3=.5");
    EXPECT_EQ(calculator.displayText(), "0.5");
    PressAll(calculator, "x.5=");
    EXPECT_EQ(calculator.displayText(), "0.25");
    calculator.prepareTypedCharacter(QChar(0x0663)); // ARABIC-INDIC DIGIT THREE, which no filter admits
    EXPECT_EQ(calculator.displayText(), "0.25");
    calculator.prepareTypedCharacter('.');
    EXPECT_EQ(calculator.displayText(), "0");
    EXPECT_FALSE(calculator.StartNewEntry());
    // After a one-operand key the separator joins the shown result, as digits do.
    PressAll(calculator, "c9=r.");
    EXPECT_EQ(calculator.displayText(), "3.");
}

TEST_F(Opened, KeypadDigitsHaveNoLimit) {
    PressAll(calculator, "12345678901234567890.123456789012");
    EXPECT_EQ(calculator.displayText(), "12345678901234567890.123456789012");
}

TEST_F(Opened, CommaLocale) {
    calculator.beginOpening(0, NumberFormat{",", "."});
    PressAll(calculator, "1.5+1=");
    EXPECT_EQ(calculator.displayText(), "2,5");
    PressAll(calculator, "c1.25x2=");
    EXPECT_EQ(calculator.displayText(), "2,5");
}

TEST_F(Opened, WhatOkHandsBack) {
    PressAll(calculator, "7=");
    TypeDigits(calculator, "25");
    calculator.acceptIfComplete();
    EXPECT_TRUE(calculator.CalcAccepted());
    EXPECT_EQ(calculator.CalcValue(), 7); // no key stored the typed 25

    calculator.beginOpening(0, NumberFormat{});
    EXPECT_FALSE(calculator.CalcAccepted());
    PressAll(calculator, "25=");
    calculator.acceptIfComplete();
    EXPECT_TRUE(calculator.CalcAccepted());
    EXPECT_EQ(calculator.CalcValue(), 25);

    calculator.beginOpening(0, NumberFormat{});
    PressAll(calculator, "3x4=n");
    calculator.acceptIfComplete();
    EXPECT_TRUE(calculator.CalcAccepted());
    EXPECT_EQ(calculator.CalcValue(), 12);
    EXPECT_EQ(calculator.displayText(), "-12");

    calculator.beginOpening(0, NumberFormat{});
    PressAll(calculator, "2x");
    calculator.acceptIfComplete();
    EXPECT_FALSE(calculator.CalcAccepted());
}

TEST_F(Opened, AResultInExponentFormCannotBeReadBack) {
    PressAll(calculator, "100000000000x100000000000=");
    ASSERT_EQ(calculator.displayText(), "1E+22");
    EXPECT_EQ(calculator.CalcValue(), 1e22);
    PressAll(calculator, "S");
    EXPECT_EQ(calculator.CalcMemory(), 0);
    PressAll(calculator, "7=");
    calculator.setDisplay("1E+22", 5);
    PressAll(calculator, "+");
    EXPECT_EQ(calculator.CalcValue(), 7); // the unreadable display left it alone
    calculator.setDisplay("1E+22", 5);
    PressAll(calculator, "=");
    EXPECT_EQ(calculator.CalcValue(), 7);
    EXPECT_EQ(calculator.displayText(), "1E+22");
    PressAll(calculator, "n");
    EXPECT_EQ(calculator.displayText(), "-1");
}

// The refused key still does its other steps, as for an unreadable display:
// "=" ends the operation, 1/x counts as a one-operand key, M+ keeps the memory.
TEST_F(Opened, ResultsBeyondTheDoubleRangeAreRefused) {
    const QString tenToThe300 = "1" + QString(300, '0');
    PressAll(calculator, "2x");
    calculator.setDisplay(tenToThe300, 301);
    PressAll(calculator, "x"); // replaces the multiply; the hidden value still shows 2
    ASSERT_EQ(calculator.currentValueText(), "2");
    calculator.setDisplay(tenToThe300, 301);
    EXPECT_EQ(PressAll(calculator, "="), ResultOutOfRangeMessage);
    EXPECT_EQ(calculator.CalcValue(), 1e300);
    EXPECT_EQ(calculator.displayText(), tenToThe300);
    EXPECT_EQ(calculator.pending(), PendingOperation::None);
    EXPECT_TRUE(calculator.StartNewEntry());
    EXPECT_EQ(calculator.operationSign(), "=");
    EXPECT_EQ(calculator.currentValueText(), "1E+300");
    TypeDigits(calculator, "5");
    EXPECT_EQ(calculator.displayText(), "5");
    calculator.acceptIfComplete();
    EXPECT_TRUE(calculator.CalcAccepted());

    const QString tenToTheMinus309 = "0." + QString(308, '0') + "1";
    PressAll(calculator, "c3x");
    calculator.setDisplay(tenToTheMinus309, static_cast<int>(tenToTheMinus309.size()));
    EXPECT_EQ(PressAll(calculator, "i"), ResultOutOfRangeMessage);
    EXPECT_EQ(calculator.pending(), PendingOperation::OneOperandDone);
    EXPECT_EQ(calculator.CalcValue(), 3);
    EXPECT_EQ(calculator.displayText(), tenToTheMinus309);

    calculator.setDisplay(tenToThe300, 301);
    PressAll(calculator, "S");
    EXPECT_EQ(PressAll(calculator, "A"), QString());
    calculator.setDisplay("1" + QString(308, '0'), 309);
    PressAll(calculator, "S");
    EXPECT_EQ(PressAll(calculator, "A"), ResultOutOfRangeMessage);
    EXPECT_EQ(calculator.CalcMemory(), 1e308);
}

TEST_F(Opened, AfterAOneOperandKeyKeypadDigitsJoinWhileTypedDigitsReplace) {
    PressAll(calculator, "9=r");
    ASSERT_TRUE(calculator.StartNewEntry());
    PressAll(calculator, "1");
    EXPECT_EQ(calculator.displayText(), "31");

    PressAll(calculator, "c9=r");
    TypeDigits(calculator, "1");
    EXPECT_EQ(calculator.displayText(), "1");
}

TEST(CalculatorValueText, FixedWithEightDecimalsTrimmed) {
    EXPECT_EQ(CalculatorValueText(12.5, PointAndComma), "12.5");
    EXPECT_EQ(CalculatorValueText(3, PointAndComma), "3");
    EXPECT_EQ(CalculatorValueText(-2.5, PointAndComma), "-2.5");
    EXPECT_EQ(CalculatorValueText(0.1 + 0.2, PointAndComma), "0.3");
    EXPECT_EQ(CalculatorValueText(1.0 / 3, PointAndComma), "0.33333333");
    EXPECT_EQ(CalculatorValueText(0.000000005, PointAndComma), "0.00000001");
    EXPECT_EQ(CalculatorValueText(-0.000000001, PointAndComma), "0");
    EXPECT_EQ(CalculatorValueText(100, PointAndComma), "100");
    EXPECT_EQ(CalculatorValueText(123456789012.345678, PointAndComma), "123456789012.346");
    // Beyond fixed notation the exponent's zeros are kept.
    const QString large = CalculatorValueText(1e20, PointAndComma);
    EXPECT_TRUE(large.endsWith("E+0020")) << large.toStdString();
    const NumberFormat commaAndPoint{",", "."};
    EXPECT_EQ(CalculatorValueText(12.5, commaAndPoint), "12,5");
    EXPECT_EQ(CalculatorValueText(1000, commaAndPoint), "1000");
}

} // namespace
} // namespace tavrix
