#include "SettingsCodec.h"

#include "Tavrix_Units.h"

#include <QByteArrayView>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>

namespace tavrix {

namespace {

constexpr int LineCount = 9;
using Lines = std::array<QByteArrayView, LineCount>;

// Below 6 points the window can't be read, above 24 it no longer fits the
// screen; a size outside these bounds can only come from a damaged file.
constexpr int MinFontSize = 6;
constexpr int MaxFontSize = 24;
// The value field's maximum length in UTF-16 units.
constexpr qsizetype MaxValueLength = 32767;
// No UTF-8 sequence gives fewer than one UTF-16 unit per three bytes, so a
// longer line is too long without decoding it.
constexpr qsizetype MaxValueBytes = 3 * MaxValueLength;

// For bytes of the file and characters of the value alike.
template <typename Char> constexpr bool IsLineBreak(Char c) {
    return c == u'\r' || c == u'\n';
}
constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The first nine lines, or none when the text holds fewer. A line ends at
// CR LF, LF or a lone CR; the last one may lack its end.
std::optional<Lines> SplitFirstLines(QByteArrayView text) {
    Lines lines;
    const char* next = text.begin();
    for (QByteArrayView& line : lines) {
        if (next == text.end()) {
            return std::nullopt;
        }
        const char* lineEnd = std::find_if(next, text.end(), IsLineBreak<char>);
        line = QByteArrayView(next, lineEnd);
        next = lineEnd;
        if (next != text.end()) {
            const bool carriageReturn = *next == '\r';
            ++next;
            if (carriageReturn && next != text.end() && *next == '\n') {
                ++next;
            }
        }
    }
    return lines;
}

// An optional sign and decimal digits within int range; anything else,
// blanks included, is not a number this program wrote.
std::optional<int> ParseInteger(QByteArrayView line) {
    const bool hasSign = !line.isEmpty() && (line.front() == '+' || line.front() == '-');
    const QByteArrayView digits = hasSign ? line.sliced(1) : line;
    if (digits.isEmpty() || !std::all_of(digits.begin(), digits.end(), IsDigit)) {
        return std::nullopt;
    }
    // from_chars takes a minus sign but not a plus sign.
    const char* first = line.front() == '-' ? line.begin() : digits.begin();
    int value = 0;
    if (std::from_chars(first, line.end(), value).ec != std::errc{}) {
        return std::nullopt; // out of int range
    }
    return value;
}

// The value line as text, or none when it is not valid UTF-8 or too long for
// the value field. A leading byte-order mark is kept: the line is verbatim.
std::optional<QString> DecodeValue(QByteArrayView line) {
    if (line.size() > MaxValueBytes) {
        return std::nullopt;
    }
    QStringDecoder decoder(QStringConverter::Utf8,
                           QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString value = decoder.decode(line);
    if (decoder.hasError() || value.size() > MaxValueLength) {
        return std::nullopt;
    }
    return value;
}

bool FitsTheWindow(const Settings& settings) {
    if (settings.fontSize < MinFontSize || settings.fontSize > MaxFontSize) {
        return false;
    }
    if (settings.decimals < 0 || settings.decimals > MaxDecimals) {
        return false;
    }
    if (settings.category < 0 || settings.category >= CategoryCount) {
        return false;
    }
    const auto unitCount = static_cast<int>(CategoryUnits(settings.category).size());
    return settings.fromPosition < unitCount && settings.toPosition < unitCount;
}

void AppendLine(QByteArray& text, QByteArrayView line) {
    text += line;
    text += "\r\n";
}

} // namespace

std::optional<Settings> ReadSettings(const QByteArray& fileContent) {
    const std::optional<Lines> lines = SplitFirstLines(fileContent);
    if (!lines) {
        return std::nullopt;
    }
    std::array<int, 5> numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const std::optional<int> number = ParseInteger((*lines)[i]);
        if (!number) {
            return std::nullopt;
        }
        numbers[i] = *number;
    }
    Settings settings;
    settings.fontSize = numbers[0];
    settings.decimals = numbers[1];
    settings.category = numbers[2];
    settings.fromPosition = std::max(numbers[3], 0);
    settings.toPosition = std::max(numbers[4], 0);
    if (!FitsTheWindow(settings)) {
        return std::nullopt;
    }
    settings.usaSpelling = (*lines)[5] == "USA";
    settings.thousandsSeparator = (*lines)[6] != "FALSE";
    settings.scientificFormat = (*lines)[7] != "FALSE";
    std::optional<QString> value = DecodeValue((*lines)[8]);
    if (!value) {
        return std::nullopt;
    }
    settings.value = std::move(*value);
    return settings;
}

QByteArray WriteSettings(const Settings& settings) {
    QByteArray text;
    for (const int number : {settings.fontSize, settings.decimals, settings.category, settings.fromPosition,
                             settings.toPosition}) {
        AppendLine(text, QByteArray::number(number));
    }
    AppendLine(text, settings.usaSpelling ? "USA" : "EUROPE");
    AppendLine(text, settings.thousandsSeparator ? "TRUE" : "FALSE");
    AppendLine(text, settings.scientificFormat ? "TRUE" : "FALSE");
    const auto valueEnd = std::find_if(settings.value.cbegin(), settings.value.cend(), IsLineBreak<QChar>);
    AppendLine(text, QStringView(settings.value.cbegin(), valueEnd).toUtf8());
    return text;
}

} // namespace tavrix
