#include "SettingsCodec.h"

#include <gtest/gtest.h>

#include <QByteArrayList>

#include <optional>

using tavrix::ReadSettings;
using tavrix::Settings;
using tavrix::WriteSettings;

namespace {

// The nine lines of a sound file, for a test to replace one or two of them.
QByteArrayList SoundLines() {
    return {"8", "6", "0", "0", "1", "EUROPE", "FALSE", "FALSE", "1"};
}

QByteArray FileOf(const QByteArrayList& lines, const QByteArray& lineEnd = "\r\n") {
    return lines.join(lineEnd) + lineEnd;
}

// Reads a sound file whose line `number` (counted from 1) is `text` instead.
std::optional<Settings> ReadWithLine(int number, const QByteArray& text) {
    QByteArrayList lines = SoundLines();
    lines[number - 1] = text;
    return ReadSettings(FileOf(lines));
}

// The same with the category and one unit position replaced.
std::optional<Settings> ReadWithUnit(int category, int line, int position) {
    QByteArrayList lines = SoundLines();
    lines[2] = QByteArray::number(category);
    lines[line - 1] = QByteArray::number(position);
    return ReadSettings(FileOf(lines));
}

} // namespace

TEST(SettingsCodec, EveryFieldSurvivesWritingAndReading) {
    const Settings plain{};
    const Settings allChanged{10, 16, 23, 15, 14, true, true, true, QStringLiteral("-1234,5")};
    // A locale's decimal separator may lie outside ASCII (U+066B, Arabic).
    const Settings arabic{24, 0, 4, 28, 0, false, true, false, QStringLiteral("12\u066B5")};
    for (const Settings& settings : {plain, allChanged, arabic}) {
        EXPECT_EQ(ReadSettings(WriteSettings(settings)), settings);
    }
}

TEST(SettingsCodec, WritesNineLinesEndedByCarriageReturnAndLineFeed) {
    EXPECT_EQ(WriteSettings({9, 3, 4, 2, 28, true, false, true, QStringLiteral("1.5")}),
              "9\r\n3\r\n4\r\n2\r\n28\r\nUSA\r\nFALSE\r\nTRUE\r\n1.5\r\n");
    EXPECT_EQ(WriteSettings({}), "8\r\n6\r\n0\r\n0\r\n1\r\nEUROPE\r\nFALSE\r\nFALSE\r\n\r\n");
    // The value in UTF-8: U+066B is D9 AB.
    EXPECT_TRUE(WriteSettings({8, 6, 0, 0, 1, false, true, false, QStringLiteral("1\u066B5")})
                    .endsWith("EUROPE\r\nTRUE\r\nFALSE\r\n1\xD9\xAB"
                              "5\r\n"));
    // A line break in the value would make a tenth line.
    EXPECT_TRUE(WriteSettings({8, 6, 0, 0, 1, false, false, false, QStringLiteral("1\n2")})
                    .endsWith("FALSE\r\n1\r\n"));
}

TEST(SettingsCodec, TextLinesFallBackInsteadOfFailing) {
    EXPECT_TRUE(ReadWithLine(6, "USA").value().usaSpelling);
    for (const char* notUsa : {"usa", "USA ", "EUROPE", ""}) {
        EXPECT_FALSE(ReadWithLine(6, notUsa).value().usaSpelling) << notUsa;
    }
    for (const int line : {7, 8}) {
        const auto checked = [line](const char* text) {
            const Settings settings = ReadWithLine(line, text).value();
            return line == 7 ? settings.thousandsSeparator : settings.scientificFormat;
        };
        EXPECT_FALSE(checked("FALSE"));
        for (const char* notFalse : {"TRUE", "true", "yes", "", "false", "FALSE "}) {
            EXPECT_TRUE(checked(notFalse)) << line << " " << notFalse;
        }
    }
}

TEST(SettingsCodec, NegativeUnitPositionsCountAsFirst) {
    EXPECT_EQ(ReadWithLine(4, "-3").value().fromPosition, 0);
    EXPECT_EQ(ReadWithLine(5, "-3").value().toPosition, 0);
    EXPECT_EQ(ReadWithLine(4, "-2147483648").value().fromPosition, 0);
}

TEST(SettingsCodec, NumberLinesAreSignAndDigitsOnly) {
    EXPECT_EQ(ReadWithLine(1, "+9").value().fontSize, 9);
    EXPECT_EQ(ReadWithLine(1, "010").value().fontSize, 10);
    for (const char* notInteger : {"8x", "", "1.5", " 8", "8 ", "\t8", "0x8", "+-8", "-", "+", "8e0",
                                   "\xEF\xBB\xBF"
                                   "8"}) {
        for (int line = 1; line <= 5; ++line) {
            EXPECT_EQ(ReadWithLine(line, notInteger), std::nullopt) << line << " '" << notInteger << "'";
        }
    }
    // Beyond int range: a from-position that would otherwise count as 0, and ten million digits.
    EXPECT_EQ(ReadWithLine(4, "-2147483649"), std::nullopt);
    EXPECT_EQ(ReadWithLine(1, QByteArray(10'000'000, '9')), std::nullopt);
}

TEST(SettingsCodec, PositionsPastTheirListsAreDamage) {
    EXPECT_EQ(ReadWithLine(2, "16").value().decimals, 16);
    EXPECT_EQ(ReadWithLine(3, "23").value().category, 23);
    for (const auto& [line, text] : {std::pair{2, "17"}, {2, "-1"}, {3, "24"}, {3, "-1"}}) {
        EXPECT_EQ(ReadWithLine(line, text), std::nullopt) << line << " " << text;
    }
    // Acceleration 5 units, Circular measure 4, Density 29, Pressure 24 and 3 added since,
    // Volume / Capacity 16.
    for (const auto& [category, units] : {std::pair{0, 5}, {3, 4}, {4, 29}, {16, 27}, {23, 16}}) {
        for (const int line : {4, 5}) {
            EXPECT_NE(ReadWithUnit(category, line, units - 1), std::nullopt) << category << " " << line;
            EXPECT_EQ(ReadWithUnit(category, line, units), std::nullopt) << category << " " << line;
        }
    }
}

TEST(SettingsCodec, FontSizesThatWouldSpoilTheWindowAreDamage) {
    EXPECT_EQ(ReadWithLine(1, "6").value().fontSize, 6);
    EXPECT_EQ(ReadWithLine(1, "24").value().fontSize, 24);
    for (const char* size : {"0", "-1", "5", "25", "5000"}) {
        EXPECT_EQ(ReadWithLine(1, size), std::nullopt) << size;
    }
}

TEST(SettingsCodec, ValueLineHoldsWhatTheValueFieldCan) {
    EXPECT_EQ(ReadWithLine(9, QByteArray(32767, '1')).value().value.size(), 32767);
    EXPECT_EQ(ReadWithLine(9, QByteArray(32768, '1')), std::nullopt);
    // Length counts UTF-16 units: U+20AC takes 3 bytes and 1 unit, U+1F600 4 bytes and 2 units.
    EXPECT_EQ(ReadWithLine(9, QByteArray("\xE2\x82\xAC").repeated(32767)).value().value.size(), 32767);
    EXPECT_EQ(ReadWithLine(9, QByteArray("\xE2\x82\xAC").repeated(32768)), std::nullopt);
    EXPECT_EQ(ReadWithLine(9, QByteArray("\xF0\x9F\x98\x80").repeated(16383)).value().value.size(), 32766);
    EXPECT_EQ(ReadWithLine(9, QByteArray("\xF0\x9F\x98\x80").repeated(16384)), std::nullopt);
    EXPECT_EQ(ReadWithLine(9, QByteArray(10'000'000, '1')), std::nullopt);
}

TEST(SettingsCodec, ValueLineIsUtf8Verbatim) {
    EXPECT_EQ(ReadWithLine(9, " -1 234\xD9\xAB"
                              "5 ")
                  .value()
                  .value,
              QStringLiteral(" -1 234\u066B5 "));
    EXPECT_EQ(ReadWithLine(9, "").value().value, QString());
    // A byte-order mark is part of the text, not something to drop.
    EXPECT_EQ(ReadWithLine(9, "\xEF\xBB\xBF"
                              "1")
                  .value()
                  .value,
              QStringLiteral("\uFEFF1"));
    // Stray byte, cut-off sequence, overlong "/", encoded surrogate.
    for (const char* invalid : {"1\xFF", "1\xC3", "\xC0\xAF", "\xED\xA0\x80"}) {
        EXPECT_EQ(ReadWithLine(9, invalid), std::nullopt) << invalid;
    }
}

TEST(SettingsCodec, NeedsNineLines) {
    const QByteArrayList lines = SoundLines();
    EXPECT_EQ(ReadSettings(""), std::nullopt);
    EXPECT_EQ(ReadSettings(FileOf(lines.mid(0, 8))), std::nullopt);
    EXPECT_EQ(ReadSettings(FileOf(lines.mid(0, 8)) + "\r\n").value().value, QString());
    // The last line may lack its end.
    EXPECT_EQ(ReadSettings(FileOf(lines.mid(0, 8)) + "1.5").value().value, QStringLiteral("1.5"));
    EXPECT_EQ(ReadSettings(FileOf(lines) + "more\r\nlines"), ReadSettings(FileOf(lines)));
}

TEST(SettingsCodec, AcceptsLineFeedOrCarriageReturnAlone) {
    const Settings expected{8, 6, 0, 0, 1, false, false, false, QStringLiteral("1")};
    EXPECT_EQ(ReadSettings(FileOf(SoundLines(), "\n")), expected);
    EXPECT_EQ(ReadSettings(FileOf(SoundLines(), "\r")), expected);
    EXPECT_EQ(ReadSettings("8\n6\r\n0\r0\n1\r\nEUROPE\nFALSE\rFALSE\r\n1"), expected);
    // CR CR LF is an empty line, which is no number.
    EXPECT_EQ(ReadSettings(FileOf(SoundLines(), "\r\r\n")), std::nullopt);
}
