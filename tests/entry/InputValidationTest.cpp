#include "OV4_Input_Validation.h"

#include "LocaleNumberFormat.h"
#include "Tavrix_Units.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace tavrix;

namespace {

struct Reading {
    double value;
    bool valid;
};

// Each test starts with the "." separator.
class InputRules : public ::testing::Test {
protected:
    void useSeparator(const std::string& decimal) {
        separator = DecimalSeparatorOf(NumberFormat{decimal, " "});
    }

    // The value field's limits: 12 characters in front of the separator, 10 behind.
    KeyVerdict TypeInValueField(const QString& text, int caret, QChar key, bool allowMinus = false) const {
        return FilterNumericKey(text, caret, key, allowMinus, 12, 10, separator);
    }

    Reading Read(const QString& text, bool allowZero = true, bool allowNegative = true) const {
        bool valid = true; // the reader must set it either way
        const double value = ReadEditValue(text, valid, allowZero, allowNegative, separator);
        return {value, valid};
    }

    QChar separator = u'.';
};

const QString TwelveDigits = QStringLiteral("123456789012");

TEST_F(InputRules, FullIntegerPartRefusesDigitsWhereverTheCaretStands) {
    for (int caret = 0; caret <= 12; ++caret) {
        const KeyVerdict verdict = TypeInValueField(TwelveDigits, caret, u'7');
        EXPECT_FALSE(verdict.stands()) << caret;
        EXPECT_EQ(verdict.character, QChar(0));
        EXPECT_EQ(verdict.limitReached, DigitLimit::PreDecimal) << caret;
    }
    EXPECT_EQ(TypeInValueField(TwelveDigits, 12, u'.').character, u'.');
    EXPECT_EQ(TypeInValueField(QStringLiteral("12345678901"), 5, u'7').character, u'7');
}

TEST_F(InputRules, DigitsBehindTheSeparatorFillUpToTheLimit) {
    QString text = TwelveDigits + u'.';
    for (int typed = 0; typed < 10; ++typed) {
        const KeyVerdict verdict = TypeInValueField(text, static_cast<int>(text.size()), u'3');
        ASSERT_TRUE(verdict.stands()) << typed;
        EXPECT_EQ(verdict.limitReached, DigitLimit::None);
        text += verdict.character;
    }
    const KeyVerdict full = TypeInValueField(text, static_cast<int>(text.size()), u'3');
    EXPECT_FALSE(full.stands());
    EXPECT_EQ(full.limitReached, DigitLimit::PostDecimal);
    // With the caret in front of the separator the integer part is what counts.
    EXPECT_EQ(TypeInValueField(text, 12, u'3').limitReached, DigitLimit::PreDecimal);
    // The calculator display allows 8 behind the separator.
    EXPECT_EQ(FilterNumericKey(QStringLiteral("1.12345678"), 10, u'9', false, 12, 8, separator).limitReached,
              DigitLimit::PostDecimal);
    EXPECT_TRUE(FilterNumericKey(QStringLiteral("1.1234567"), 9, u'9', false, 12, 8, separator).stands());
}

TEST_F(InputRules, CaretDecidesWhichPartADigitJoins) {
    const QString fullBehind = QStringLiteral("12.1234567890");
    EXPECT_EQ(TypeInValueField(fullBehind, 0, u'5').character, u'5');
    EXPECT_EQ(TypeInValueField(fullBehind, 2, u'5').character, u'5');
    EXPECT_EQ(TypeInValueField(fullBehind, 3, u'5').limitReached, DigitLimit::PostDecimal);
    EXPECT_EQ(TypeInValueField(QStringLiteral("12.5"), 0, u'5').character, u'5');
    // A caret outside the text counts as standing at its nearer end.
    EXPECT_EQ(TypeInValueField(fullBehind, 99, u'5').limitReached, DigitLimit::PostDecimal);
    EXPECT_EQ(TypeInValueField(TwelveDigits, -4, u'5').limitReached, DigitLimit::PreDecimal);
}

TEST_F(InputRules, MinusSignCountsTowardTheIntegerPart) {
    EXPECT_EQ(TypeInValueField(QStringLiteral("-12345678901"), 12, u'1', true).limitReached,
              DigitLimit::PreDecimal);
    EXPECT_TRUE(TypeInValueField(QStringLiteral("-1234567890"), 11, u'1', true).stands());
}

TEST_F(InputRules, SecondSeparatorOrMinusAndForbiddenMinusVanishSilently) {
    const KeyVerdict secondSeparator = TypeInValueField(QStringLiteral("1.5"), 3, u'.');
    EXPECT_FALSE(secondSeparator.stands());
    EXPECT_EQ(secondSeparator.limitReached, DigitLimit::None);

    EXPECT_EQ(TypeInValueField(QStringLiteral("-15"), 3, u'-', true).character, QChar(0));
    EXPECT_EQ(TypeInValueField(QStringLiteral("15"), 0, u'-', false).character, QChar(0));
    // Allowed, a minus sign may go anywhere; the reader judges the result.
    EXPECT_EQ(TypeInValueField(QStringLiteral("15"), 1, u'-', true).character, u'-');
    // Even a full integer part takes the separator and the minus sign.
    EXPECT_EQ(TypeInValueField(TwelveDigits, 0, u'-', true).character, u'-');
}

TEST_F(InputRules, OnlyDigitsSeparatorAndThreeControlKeysStand) {
    for (const QChar key : {QChar(8), QChar(9), QChar(13)})
        EXPECT_EQ(TypeInValueField(TwelveDigits + QStringLiteral(".1234567890"), 3, key).character, key);
    for (const QChar key :
         {QChar(0x16), QChar(0x03), QChar(0x18), QChar(0x1b), QChar(10), QChar(u'e'), QChar(u'E'),
          QChar(u'+'), QChar(u' '), QChar(u','), QChar(0x0663), QChar(0xff15)}) {
        const KeyVerdict verdict = TypeInValueField(QStringLiteral("1"), 1, key, true);
        EXPECT_EQ(verdict.character, QChar(0)) << int{key.unicode()};
        EXPECT_EQ(verdict.limitReached, DigitLimit::None);
    }
}

TEST_F(InputRules, CommaLocaleTakesCommaAndRefusesPoint) {
    EXPECT_EQ(FilterNumericKey(QStringLiteral("1.5"), 3, u'1', false, 12, 1, separator).limitReached,
              DigitLimit::PostDecimal);
    useSeparator(",");
    EXPECT_EQ(TypeInValueField(QStringLiteral("12"), 2, u',').character, u',');
    EXPECT_EQ(TypeInValueField(QStringLiteral("12"), 2, u'.').character, QChar(0));
    EXPECT_EQ(TypeInValueField(QStringLiteral("1,5"), 3, u',').character, QChar(0));
    EXPECT_EQ(TypeInValueField(QStringLiteral("1,1234567890"), 12, u'1').limitReached,
              DigitLimit::PostDecimal);
    // A point is no separator here, so it does not end the integer part.
    EXPECT_EQ(FilterNumericKey(QStringLiteral("1.5"), 3, u'1', false, 12, 1, separator).limitReached,
              DigitLimit::None);
}

TEST_F(InputRules, NormalisingTurnsOnlyTheFirstOtherSeparator) {
    QString text = QStringLiteral("1,5,3");
    NormaliseDecimalSeparator(text, separator);
    EXPECT_EQ(text, QStringLiteral("1.5,3"));

    useSeparator(",");
    text = QStringLiteral("2.5.1");
    NormaliseDecimalSeparator(text, separator);
    EXPECT_EQ(text, QStringLiteral("2,5.1"));

    useSeparator("\xd9\xab"); // Arabic decimal separator: neither point nor comma changes
    text = QStringLiteral("2.5,1");
    NormaliseDecimalSeparator(text, separator);
    EXPECT_EQ(text, QStringLiteral("2.5,1"));
}

TEST_F(InputRules, NumberTextHoldsOnlyDigitsMinusAndSeparator) {
    EXPECT_TRUE(IsNumberText(QString(), separator));
    EXPECT_TRUE(IsNumberText(QStringLiteral("-0123456789."), separator));
    EXPECT_TRUE(IsNumberText(QStringLiteral("--1..2"), separator)); // characters only, not their order
    EXPECT_FALSE(IsNumberText(QStringLiteral("1,5"), separator));
    EXPECT_FALSE(IsNumberText(QStringLiteral("1e5"), separator));
    EXPECT_FALSE(IsNumberText(QStringLiteral(" 1"), separator));
    useSeparator(",");
    EXPECT_TRUE(IsNumberText(QStringLiteral("1,5"), separator));
    EXPECT_FALSE(IsNumberText(QStringLiteral("1.5"), separator));
}

TEST_F(InputRules, ReadsNumbersWithEitherSeparator) {
    EXPECT_EQ(Read(QStringLiteral("1.5")).value, 1.5);
    EXPECT_EQ(Read(QStringLiteral("1,5")).value, 1.5);
    EXPECT_TRUE(Read(QStringLiteral("1,5")).valid);
    EXPECT_EQ(Read(QStringLiteral("-273.15")).value, -273.15);
    EXPECT_EQ(Read(QStringLiteral("007")).value, 7.0);
    EXPECT_EQ(Read(QStringLiteral(".25")).value, 0.25);
    EXPECT_EQ(Read(QStringLiteral("4.")).value, 4.0);
    EXPECT_EQ(Read(QStringLiteral("-.5")).value, -0.5);
    // 0.1 as the nearest double, whatever the C library's locale.
    EXPECT_EQ(Read(QStringLiteral("0.1")).value, 0.1);
    EXPECT_EQ(Read(QStringLiteral("123456789012.1234567890")).value, 123456789012.123456789);
}

TEST_F(InputRules, UnreadableTextIsInvalidWithMinusOne) {
    for (const char* text : {"", "-", ".", "-.", "1,5,3", "1.5.3", "1-5", "5-", "--5", "1e5", "1E5", "+5",
                             " 5", "5 ", "1 000", "0x10", "inf", "nan", "\xd9\xa3"}) {
        const Reading reading = Read(QString::fromUtf8(text));
        EXPECT_FALSE(reading.valid) << text;
        EXPECT_EQ(reading.value, -1.0) << text;
    }
}

TEST_F(InputRules, ZeroAndNegativePermissionsKeepTheValueRead) {
    EXPECT_TRUE(Read(QStringLiteral("0.000")).valid);
    const Reading zero = Read(QStringLiteral("0.000"), false, true);
    EXPECT_FALSE(zero.valid);
    EXPECT_EQ(zero.value, 0.0);
    const Reading negative = Read(QStringLiteral("-4"), true, false);
    EXPECT_FALSE(negative.valid);
    EXPECT_EQ(negative.value, -4.0);
    EXPECT_TRUE(Read(QStringLiteral("4"), false, false).valid);
    // Minus zero is zero, not a negative number.
    EXPECT_TRUE(Read(QStringLiteral("-0"), true, false).valid);
    EXPECT_FALSE(Read(QStringLiteral("-0"), false, true).valid);
}

TEST_F(InputRules, TooLargeIsInvalidTooSmallIsZero) {
    const Reading huge = Read(QString(400, u'9'));
    EXPECT_FALSE(huge.valid);
    EXPECT_EQ(huge.value, -1.0);
    EXPECT_FALSE(Read(QStringLiteral("-") + QString(400, u'9') + QStringLiteral(".5")).valid);
    // The largest double, written out, still reads.
    EXPECT_TRUE(Read(QStringLiteral("17976931348623157") + QString(292, u'0')).valid);

    const Reading tiny = Read(QStringLiteral("0.") + QString(400, u'0') + QStringLiteral("1"));
    EXPECT_TRUE(tiny.valid);
    EXPECT_EQ(tiny.value, 0.0);
    const Reading negativeTiny = Read(QStringLiteral("-0.") + QString(400, u'0') + QStringLiteral("1"));
    EXPECT_EQ(negativeTiny.value, 0.0);
    EXPECT_TRUE(std::signbit(negativeTiny.value));
}

TEST_F(InputRules, CommaLocaleReadsBothSeparators) {
    useSeparator(",");
    EXPECT_EQ(Read(QStringLiteral("1,5")).value, 1.5);
    EXPECT_EQ(Read(QStringLiteral("1.5")).value, 1.5);
    EXPECT_EQ(Read(QStringLiteral("1.5.3")).value, -1.0);
    EXPECT_FALSE(Read(QStringLiteral("1,5,3")).valid);
    EXPECT_EQ(separator, u',');
}

TEST(LocaleNumberFormat, SeparatorsOfTheRegionalSettingsInUtf8) {
    struct Case {
        QLocale locale;
        NumberFormat expected;
    };
    const Case cases[] = {
        {QLocale(QLocale::English, QLocale::UnitedKingdom), {".", ","}},
        {QLocale(QLocale::German, QLocale::Germany), {",", "."}},
        {QLocale(QLocale::French, QLocale::France), {",", "\u202F"}}, // narrow no-break space
        {QLocale::c(), {".", ","}},
    };
    for (const Case& c : cases) {
        const NumberFormat format = NumberFormatOf(c.locale);
        EXPECT_EQ(format.decimalSeparator, c.expected.decimalSeparator) << c.locale.name().toStdString();
        EXPECT_EQ(format.groupSeparator, c.expected.groupSeparator) << c.locale.name().toStdString();
        EXPECT_EQ(DecimalSeparatorOf(c.locale), QString::fromStdString(c.expected.decimalSeparator).front());
    }
}

TEST_F(InputRules, UnusableSeparatorFallsBackToPoint) {
    useSeparator("");
    EXPECT_EQ(separator, u'.');
    useSeparator("\xd9\xab"); // U+066B, one character in two UTF-8 bytes
    EXPECT_EQ(separator, QChar(0x066b));
    EXPECT_EQ(Read(QStringLiteral("2\u066b5")).value, 2.5);
}

} // namespace

namespace {

// A paste goes in whole, as the text it makes could have been typed, or not at all.
TEST_F(InputRules, PasteIsAcceptedExactlyWhenItsResultCouldHaveBeenTyped) {
    struct Case {
        const char* separator;
        QString text;
        int selectionStart;
        int selectionLength;
        QString pasted;
        bool allowMinus;
        QString inserted; // empty: refused
        DigitLimit limit;
        bool foreignSeparator = false;
    };
    const QString elevenDigits = QStringLiteral("12345678901");
    const Case cases[] = {
        {".", "", 0, 0, "12.5", false, "12.5", DigitLimit::None},
        {".", "", 0, 0, "  12.5\n", false, "12.5", DigitLimit::None}, // copied with its line end
        // A separator that numbers are not written with here is refused: it
        // may be another locale's decimal separator or a thousands separator.
        {".", "", 0, 0, "12,5", false, "", DigitLimit::None, true},
        {",", "", 0, 0, "12.5", false, "", DigitLimit::None, true},
        {".", "", 0, 0, "1,234", false, "", DigitLimit::None, true},
        {".", "", 0, 0, "1,234.5", false, "", DigitLimit::None, true},
        {",", "", 0, 0, "1.234,5", false, "", DigitLimit::None, true},
        {".", "", 0, 0, "1 234.5", false, "", DigitLimit::None, true},
        {",", "", 0, 0, "1\u202F234,5", false, "", DigitLimit::None, true},
        {".", "", 0, 0, "1'234", false, "", DigitLimit::None, true},
        {".", "", 0, 0, "-1,5", true, "", DigitLimit::None, true},
        {".", "", 0, 0, "a,5", false, "", DigitLimit::None},
        {".", "", 0, 0, ",", false, "", DigitLimit::None},
        {".", "", 0, 0, "1e5", false, "", DigitLimit::None},
        {".", "", 0, 0, "+5", false, "", DigitLimit::None},
        {".", "", 0, 0, "-5", false, "", DigitLimit::None}, // no minus outside temperatures
        {".", "", 0, 0, "-5", true, "-5", DigitLimit::None},
        {".", "-1", 0, 0, "-5", true, "", DigitLimit::None},       // a second minus
        {".", "1.5", 3, 0, ".2", false, "", DigitLimit::None},     // a second separator
        {".", "1.5", 1, 2, ".25", false, ".25", DigitLimit::None}, // replaces the selection
        {".", "", 0, 0, "   ", false, "", DigitLimit::None},
        {".", elevenDigits, 11, 0, "2", false, "2", DigitLimit::None}, // 12 in front: full, not over
        {".", elevenDigits, 0, 0, "23", false, "", DigitLimit::PreDecimal},
        {".", elevenDigits, 0, 11, "123456789012.1234567890", false, "123456789012.1234567890",
         DigitLimit::None},
        {".", "1.", 2, 0, "12345678901", false, "", DigitLimit::PostDecimal},
    };
    for (const Case& c : cases) {
        useSeparator(c.separator);
        const PasteVerdict verdict = FilterPastedText(c.text, c.selectionStart, c.selectionLength, c.pasted,
                                                      c.allowMinus, 12, 10, separator);
        EXPECT_EQ(verdict.inserted, c.inserted) << c.text.toStdString() << " + " << c.pasted.toStdString();
        EXPECT_EQ(verdict.limitReached, c.limit) << c.text.toStdString() << " + " << c.pasted.toStdString();
        EXPECT_EQ(verdict.foreignSeparator, c.foreignSeparator)
            << c.text.toStdString() << " + " << c.pasted.toStdString();
    }
    // The calculator's display keeps 8 behind the separator.
    useSeparator(".");
    EXPECT_EQ(FilterPastedText("", 0, 0, "0.123456789", false, 12, 8, separator).limitReached,
              DigitLimit::PostDecimal);
    EXPECT_EQ(FilterPastedText("", 0, 0, "0.12345678", false, 12, 8, separator).inserted, "0.12345678");
}

} // namespace

namespace {

// A compound unit's field: the words of its parts and the colon beside the
// number characters, each number under the limits of its own.
const ValueShape FeetAndInches{false, false, QStringLiteral(" ftinchesad'\"")};
const ValueShape HoursMinutesSeconds{false, true, QStringLiteral(" hminsecd")};

} // namespace

TEST_F(InputRules, AValueInPartsTakesItsWordsAndKeepsEachNumberWithinTheLimits) {
    struct Case {
        const ValueShape& shape;
        const char* text;
        int caret;
        char16_t key;
        bool stands;
        DigitLimit limit = DigitLimit::None;
    };
    const Case cases[] = {
        {FeetAndInches, "5 ", 2, u'f', true},
        {FeetAndInches, "5 ft", 4, u'\'', true},
        {FeetAndInches, "5 ft", 4, u'k', false},     // no part is written with a "k"
        {FeetAndInches, "5 ft", 4, u':', false},     // inches are no sixtieths
        {FeetAndInches, "5.5 ft 11", 9, u'.', true}, // a separator in each number
        {FeetAndInches, "5 ft 11.5", 9, u'.', false},
        {FeetAndInches, "123456789012 ft 1", 17, u'1', true}, // a full first part leaves the second free
        {FeetAndInches, "123456789012 ft 1", 12, u'1', false, DigitLimit::PreDecimal},
        {HoursMinutesSeconds, "1:30", 4, u':', true},
        {HoursMinutesSeconds, "1:30:00", 7, u':', false}, // at most h:min:s
        {HoursMinutesSeconds, "1:30:00.", 8, u'5', true},
    };
    for (const Case& c : cases) {
        const KeyVerdict verdict =
            FilterValueKey(QString::fromUtf8(c.text), c.caret, QChar(c.key), c.shape, 12, 10, separator);
        EXPECT_EQ(verdict.stands(), c.stands) << c.text << " + " << char(c.key);
        EXPECT_EQ(verdict.limitReached, c.limit) << c.text << " + " << char(c.key);
    }
    // A plain field is the plain rules': the colon only where the shape allows it.
    EXPECT_FALSE(FilterValueKey("2", 1, u':', ValueShape{}, 12, 10, separator).stands());
    EXPECT_TRUE(FilterValueKey("2", 1, u':', ValueShape{false, true, {}}, 12, 10, separator).stands());
}

TEST_F(InputRules, AValueInPartsIsPastedWholeOrNotAtAll) {
    EXPECT_EQ(FilterPastedValue({}, 0, 0, " 5 ft 11 in ", FeetAndInches, 12, 10, separator).inserted,
              "5 ft 11 in");
    EXPECT_EQ(FilterPastedValue({}, 0, 0, "5'11\"", FeetAndInches, 12, 10, separator).inserted, "5'11\"");
    EXPECT_FALSE(FilterPastedValue({}, 0, 0, "5 ft 11 kg", FeetAndInches, 12, 10, separator).accepted());
    EXPECT_FALSE(FilterPastedValue({}, 0, 0, "1.2.3 ft", FeetAndInches, 12, 10, separator).accepted());
    EXPECT_EQ(FilterPastedValue({}, 0, 0, "5 ft 12345678901.12345678901 in", FeetAndInches, 12, 10, separator)
                  .limitReached,
              DigitLimit::PostDecimal);
    EXPECT_FALSE(FilterPastedValue("1:30:00", 7, 0, ":1", HoursMinutesSeconds, 12, 10, separator).accepted());
    // What the plain rules say of another separator holds in every shape.
    const ValueShape plainWithColon{false, true, {}};
    EXPECT_TRUE(FilterPastedValue({}, 0, 0, "1,234", plainWithColon, 12, 10, separator).foreignSeparator);
    EXPECT_TRUE(FilterPastedValue({}, 0, 0, "5,5 ft", FeetAndInches, 12, 10, separator).foreignSeparator);
    EXPECT_FALSE(FilterPastedValue({}, 0, 0, "5 kg", FeetAndInches, 12, 10, separator).foreignSeparator);
}
