#include "OV4_Input_Validation.h"

#include <QCoreApplication>
#include <algorithm>
#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace tavrix {

namespace {

constexpr QChar Backspace{8};
constexpr QChar Tab{9};
constexpr QChar CarriageReturn{13};
constexpr QChar Minus{u'-'};

// What people write between the digits of a number in one place or another:
// decimal separators, and thousands separators (apostrophes and spaces too).
constexpr std::u16string_view Separators = u".,'\u2019 \u00A0\u2009\u202F\u066B\u066C";

// Only the ASCII digits: other scripts' digits are no part of a number here.
bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

KeyVerdict Swallowed(DigitLimit limit = DigitLimit::None) {
    return {QChar(0), limit};
}

// A paste whose text has characters that could not be typed: refused, and
// marked as a number but for a foreign separator where that is all it lacks.
template <typename Typable>
PasteVerdict RefusedPaste(const QString& result, Typable typable, QChar separator) {
    const auto isForeignSeparator = [&](QChar c) {
        return c != separator && Separators.find(c.unicode()) != std::u16string_view::npos;
    };
    const bool numberButForSeparators = std::all_of(
        result.begin(), result.end(), [&](QChar c) { return typable(c) || isForeignSeparator(c); });
    return {
        {}, DigitLimit::None, numberButForSeparators && std::any_of(result.begin(), result.end(), IsDigit)};
}

// An optional leading minus, digits and at most one separator, at least one
// digit: so no lone or inner minus, exponent, plus sign or blank.
bool HasNumberShape(const QString& text, QChar separator) {
    int digits = 0;
    int separators = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (IsDigit(c))
            ++digits;
        else if (c == separator)
            ++separators;
        else if (!(c == Minus && i == 0))
            return false;
    }
    return digits > 0 && separators <= 1;
}

// Below 1 a number can only underflow, from 1 on only overflow.
bool HasNonZeroIntegerPart(const std::string& number) {
    const auto end = std::find(number.begin(), number.end(), '.');
    return std::any_of(number.begin(), end, [](char c) { return c >= '1' && c <= '9'; });
}

// Converts text of number shape, independent of the C library's locale.
// A number too large for a double has no value; one too small to tell from
// zero is zero, as the nearest double.
std::optional<double> ConvertNumber(const QString& text, QChar separator) {
    std::string number;
    number.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text)
        number += c == separator ? '.' : static_cast<char>(c.unicode());

    double value = 0.0;
    const char* const end = number.data() + number.size();
    const auto [stop, error] = std::from_chars(number.data(), end, value, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range && !HasNonZeroIntegerPart(number))
        return number.front() == '-' ? -0.0 : 0.0;
    if (error != std::errc{} || stop != end)
        return std::nullopt;
    return value;
}

} // namespace

QString DigitLimitMessage(DigitLimit limit) {
    switch (limit) {
    case DigitLimit::PreDecimal:
        // The two carriage returns (no line feed) separate the sentences.
        return QCoreApplication::translate(
            "tavrix::InputValidation",
            "Maximum number of pre-decimal digits reached.\r\rDelete some pre-decimal "
            "digits and then update the value as required.");
    case DigitLimit::PostDecimal:
        return QCoreApplication::translate(
            "tavrix::InputValidation",
            "Maximum number of post-decimal digits reached.\r\rDelete some post-decimal "
            "digits and then update the value as required.");
    case DigitLimit::None:
        break;
    }
    return {};
}

KeyVerdict FilterNumericKey(const QString& text, int caret, QChar key, bool allowMinus, int maxPreDecimal,
                            int maxPostDecimal, QChar separator) {
    const bool isMinus = key == Minus && allowMinus;

    if (key == Backspace || key == Tab || key == CarriageReturn)
        return {key};
    if (key == separator || isMinus)
        return text.contains(key) ? Swallowed() : KeyVerdict{key};
    if (!IsDigit(key))
        return Swallowed();

    const qsizetype length = text.size();
    const qsizetype caretPosition = std::clamp<qsizetype>(caret, 0, length);
    const qsizetype separatorAt = text.indexOf(separator);
    // Counted from 1, as "one behind the last character" when there is none.
    const qsizetype separatorPosition = separatorAt < 0 ? length + 1 : separatorAt + 1;

    if (separatorPosition > maxPreDecimal && caretPosition <= maxPreDecimal)
        return Swallowed(DigitLimit::PreDecimal);
    if (length - separatorPosition >= maxPostDecimal && caretPosition >= separatorPosition)
        return Swallowed(DigitLimit::PostDecimal);
    return {key};
}

PasteVerdict FilterPastedText(const QString& text, int selectionStart, int selectionLength,
                              const QString& pasted, bool allowMinus, int maxPreDecimal, int maxPostDecimal,
                              QChar separator) {
    const QString inserted = pasted.trimmed();
    if (inserted.isEmpty())
        return {};
    const qsizetype start = std::clamp<qsizetype>(selectionStart, 0, text.size());
    const qsizetype length = std::clamp<qsizetype>(selectionLength, 0, text.size() - start);
    const QString result = QString(text).replace(start, length, inserted);

    const auto isNumberCharacter = [&](QChar c) {
        return IsDigit(c) || c == separator || (c == Minus && allowMinus);
    };
    if (!std::all_of(result.begin(), result.end(), isNumberCharacter))
        return RefusedPaste(result, isNumberCharacter, separator);
    if (result.count(separator) > 1 || result.count(Minus) > 1)
        return {};
    const qsizetype separatorAt = result.indexOf(separator);
    const qsizetype preDecimal = separatorAt < 0 ? result.size() : separatorAt;
    const qsizetype postDecimal = separatorAt < 0 ? 0 : result.size() - separatorAt - 1;
    if (preDecimal > maxPreDecimal)
        return {{}, DigitLimit::PreDecimal};
    if (postDecimal > maxPostDecimal)
        return {{}, DigitLimit::PostDecimal};
    return {inserted};
}

namespace {

constexpr QChar Colon{u':'};
constexpr int MaxColons = 2;

bool IsNumberCharacter(QChar c, QChar separator) {
    return IsDigit(c) || c == separator || c == Minus;
}

// Where the number around `at` begins and ends in `text`.
std::pair<qsizetype, qsizetype> NumberAround(const QString& text, qsizetype at, QChar separator) {
    qsizetype start = std::clamp<qsizetype>(at, 0, text.size());
    qsizetype end = start;
    while (start > 0 && IsNumberCharacter(text.at(start - 1), separator))
        --start;
    while (end < text.size() && IsNumberCharacter(text.at(end), separator))
        ++end;
    return {start, end};
}

} // namespace

KeyVerdict FilterValueKey(const QString& text, int caret, QChar key, const ValueShape& shape,
                          int maxPreDecimal, int maxPostDecimal, QChar separator) {
    if (shape.plain())
        return FilterNumericKey(text, caret, key, shape.allowMinus, maxPreDecimal, maxPostDecimal, separator);
    if (key == Colon && shape.allowColon)
        return text.count(Colon) < MaxColons ? KeyVerdict{key} : Swallowed();
    if (key != separator && shape.partCharacters.contains(key))
        return {key};
    const auto [start, end] = NumberAround(text, caret, separator);
    return FilterNumericKey(text.mid(start, end - start), static_cast<int>(caret - start), key,
                            shape.allowMinus, maxPreDecimal, maxPostDecimal, separator);
}

PasteVerdict FilterPastedValue(const QString& text, int selectionStart, int selectionLength,
                               const QString& pasted, const ValueShape& shape, int maxPreDecimal,
                               int maxPostDecimal, QChar separator) {
    if (shape.plain())
        return FilterPastedText(text, selectionStart, selectionLength, pasted, shape.allowMinus,
                                maxPreDecimal, maxPostDecimal, separator);
    const QString inserted = pasted.trimmed();
    const qsizetype start = std::clamp<qsizetype>(selectionStart, 0, text.size());
    const qsizetype length = std::clamp<qsizetype>(selectionLength, 0, text.size() - start);
    const QString result = QString(text).replace(start, length, inserted);
    const auto typable = [&](QChar c) {
        return IsDigit(c) || c == separator || (c == Minus && shape.allowMinus) ||
               (c == Colon && shape.allowColon) || shape.partCharacters.contains(c);
    };
    if (inserted.isEmpty() || result.count(Colon) > MaxColons)
        return {};
    if (!std::all_of(result.begin(), result.end(), typable))
        return RefusedPaste(result, typable, separator);
    // Each number on its own as the plain field would take it.
    for (qsizetype at = 0; at < result.size();) {
        const auto [numberStart, numberEnd] = NumberAround(result, at, separator);
        if (numberEnd > numberStart) {
            const PasteVerdict number =
                FilterPastedText({}, 0, 0, result.mid(numberStart, numberEnd - numberStart), shape.allowMinus,
                                 maxPreDecimal, maxPostDecimal, separator);
            if (!number.accepted())
                return {{}, number.limitReached};
        }
        at = std::max(numberEnd, at + 1);
    }
    return {inserted};
}

QString ForeignSeparatorMessage(const QString& number, QChar separator) {
    return QCoreApplication::translate("tavrix::InputValidation",
                                       "\"%1\" is not a number here: numbers are written with \"%2\" as "
                                       "the decimal separator and without thousands separators.")
        .arg(number, separator);
}

void NormaliseDecimalSeparator(QString& text, QChar separator) {
    const QChar other = separator == u'.' ? QChar(u',') : separator == u',' ? QChar(u'.') : QChar();
    if (other.isNull())
        return;
    const qsizetype at = text.indexOf(other);
    if (at >= 0)
        text[at] = separator;
}

bool IsNumberText(const QString& text, QChar separator) {
    return std::all_of(text.begin(), text.end(),
                       [separator](QChar c) { return IsDigit(c) || c == Minus || c == separator; });
}

double ReadEditValue(const QString& text, bool& valid, bool allowZero, bool allowNegative, QChar separator) {
    QString normalised = text;
    NormaliseDecimalSeparator(normalised, separator);

    // The shape check includes the character check of IsNumberText.
    std::optional<double> value;
    if (HasNumberShape(normalised, separator))
        value = ConvertNumber(normalised, separator);
    if (!value) {
        valid = false;
        return -1.0;
    }
    valid = (allowZero || *value != 0.0) && (allowNegative || *value >= 0.0);
    return *value;
}

} // namespace tavrix
