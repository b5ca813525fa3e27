// Random texts, carets, keys and limits through the numeric input rules. The
// key filter must never crash; whatever the reader accepts must be a finite
// number whose text has the shape of a number and that Qt's own C-locale
// conversion reads the same.
#include "OV4_Input_Validation.h"

#include "LocaleNumberFormat.h"
#include "Tavrix_Units.h"

#include <QLocale>
#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace tavrix;

namespace {

struct Input {
    const std::uint8_t* data;
    std::size_t size;

    std::uint8_t byte() {
        if (size == 0)
            return 0;
        --size;
        return *data++;
    }
    std::uint16_t word() { return static_cast<std::uint16_t>(byte() | byte() << 8); }
};

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Optional leading minus, digits, at most one separator (either the locale's
// or, for a point or comma locale, the other of the two), at least one digit.
bool HasNumberShape(const QString& text, QChar separator) {
    const bool pointOrComma = separator == u'.' || separator == u',';
    int digits = 0;
    int separators = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (IsDigit(c))
            ++digits;
        else if (c == separator || (pointOrComma && (c == u'.' || c == u',')))
            ++separators;
        else if (c != u'-' || i != 0)
            return false;
    }
    return digits > 0 && separators <= 1;
}

void CheckReading(const QString& text, bool allowZero, bool allowNegative, QChar separator) {
    bool valid = false;
    const double value = ReadEditValue(text, valid, allowZero, allowNegative, separator);
    if (!valid) {
        if (value != -1.0 && !(value == 0.0 && !allowZero) && !(value < 0.0 && !allowNegative))
            std::abort();
        return;
    }
    if (!std::isfinite(value) || !HasNumberShape(text, separator))
        std::abort();
    if ((!allowZero && value == 0.0) || (!allowNegative && value < 0.0))
        std::abort();

    QString pointed = text;
    pointed.replace(separator, u'.').replace(u',', u'.');
    bool qtRead = false;
    const double qtValue = QLocale::c().toDouble(pointed, &qtRead);
    if (qtRead && qtValue != value)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input input{data, size};
    const std::uint8_t flags = input.byte();
    const bool allowMinus = flags & 1;
    const bool allowZero = flags & 2;
    const bool allowNegative = flags & 4;
    static const char* const separators[] = {".", ",", "\xd9\xab", ""};
    const QChar separator = DecimalSeparatorOf(NumberFormat{separators[(flags >> 3) & 3], " "});

    const int maxPreDecimal = static_cast<std::int8_t>(input.byte());
    const int maxPostDecimal = static_cast<std::int8_t>(input.byte());
    const int caret = static_cast<std::int16_t>(input.word());
    const QChar key(input.word());
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(input.data), static_cast<qsizetype>(input.size));

    const KeyVerdict verdict =
        FilterNumericKey(text, caret, key, allowMinus, maxPreDecimal, maxPostDecimal, separator);
    if (verdict.stands() ? verdict.character != key || verdict.limitReached != DigitLimit::None
                         : verdict.limitReached != DigitLimit::None && !IsDigit(key))
        std::abort();

    CheckReading(text, allowZero, allowNegative, separator);
    QString normalised = text;
    NormaliseDecimalSeparator(normalised, separator);
    if (normalised.size() != text.size())
        std::abort();
    return 0;
}
