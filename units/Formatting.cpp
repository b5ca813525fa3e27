// Rendering of results: the value is first rounded to 15 significant digits
// (exactly, by std::to_chars), and only that digit string is rounded again to
// the asked number of decimals, halves away from zero.
#include "Constants.h"
#include "Tavrix_Units.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace tavrix {

namespace {

constexpr int Precision = 15;
// General form switches to exponent form below this decimal exponent.
constexpr int SmallestFixedExponent = -5;

// A finite value as d1.d2...d15 × 10^exponent.
struct Significant {
    bool negative = false;
    std::string digits; // exactly Precision digits
    int exponent = 0;
};

Significant SignificantDigits(double value) {
    char buffer[64];
    const auto [end, error] = std::to_chars(std::begin(buffer), std::end(buffer), value,
                                            std::chars_format::scientific, Precision - 1);
    (void)error; // the buffer holds any double in this form
    const std::string text(buffer, end);
    Significant result;
    result.negative = value < 0;
    const std::size_t start = text[0] == '-' ? 1 : 0;
    const std::size_t e = text.find('e');
    for (std::size_t i = start; i < e; ++i) {
        if (text[i] != '.') {
            result.digits += text[i];
        }
    }
    result.exponent = std::atoi(text.c_str() + e + 1);
    return result;
}

std::string NonFinite(double value) {
    if (std::isnan(value)) {
        return "NAN";
    }
    return value < 0 ? "-INF" : "INF";
}

// d.dddE±xxxx: the first digit, `fraction` behind the separator, an exponent of at least
// `exponentWidth` digits.
std::string ExponentForm(const Significant& s, const std::string& fraction, std::size_t exponentWidth,
                         const NumberFormat& format) {
    std::string out = s.negative ? "-" : "";
    out += s.digits.front();
    if (!fraction.empty()) {
        out += format.decimalSeparator;
        out += fraction;
    }
    out += s.exponent < 0 ? "E-" : "E+";
    const std::string exponent = std::to_string(std::abs(s.exponent));
    out.append(exponentWidth - std::min(exponentWidth, exponent.size()), '0');
    out += exponent;
    return out;
}

std::string Scientific(const Significant& s, const NumberFormat& format) {
    return ExponentForm(s, s.digits.substr(1), 4, format);
}

// Rounds the digit string to `keep` digits, halves away from zero; a carry out
// of the first digit adds a digit in front and raises the exponent.
void RoundToDigits(Significant& s, int keep) {
    if (keep >= static_cast<int>(s.digits.size())) {
        return;
    }
    if (keep < 0) {
        s.digits.clear();
        return;
    }
    const bool up = s.digits[static_cast<std::size_t>(keep)] >= '5';
    s.digits.resize(static_cast<std::size_t>(keep));
    if (!up) {
        return;
    }
    int i = keep - 1;
    while (i >= 0 && s.digits[static_cast<std::size_t>(i)] == '9') {
        s.digits[static_cast<std::size_t>(i)] = '0';
        --i;
    }
    if (i >= 0) {
        ++s.digits[static_cast<std::size_t>(i)];
    } else {
        s.digits.insert(0, 1, '1');
        ++s.exponent;
    }
}

// The digit standing for 10^power.
char DigitAt(const Significant& s, int power) {
    const int index = s.exponent - power;
    return index >= 0 && index < static_cast<int>(s.digits.size()) ? s.digits[static_cast<std::size_t>(index)]
                                                                   : '0';
}

std::string Fixed(Significant s, int decimals, bool thousands, const NumberFormat& format) {
    RoundToDigits(s, s.exponent + 1 + decimals);
    std::string integer;
    for (int power = std::max(s.exponent, 0); power >= 0; --power) {
        integer += DigitAt(s, power);
    }
    std::string fraction;
    for (int power = -1; power >= -decimals; --power) {
        fraction += DigitAt(s, power);
    }
    const bool allZero = (integer + fraction).find_first_not_of('0') == std::string::npos;
    std::string out = s.negative && !allZero ? "-" : "";
    out += thousands ? GroupedDigits(integer, format.groupSeparator) : integer;
    if (decimals > 0) {
        out += format.decimalSeparator + fraction;
    }
    return out;
}

std::string General(Significant s, const NumberFormat& format) {
    const std::size_t last = s.digits.find_last_not_of('0');
    if (last == std::string::npos) {
        return "0";
    }
    s.digits.resize(last + 1);
    if (s.exponent >= Precision || s.exponent < SmallestFixedExponent) {
        return ExponentForm(s, s.digits.substr(1), 1, format);
    }
    const int decimals = std::max(0, static_cast<int>(s.digits.size()) - 1 - s.exponent);
    return Fixed(s, decimals, false, format);
}

} // namespace

std::string GroupedDigits(const std::string& integer, const std::string& separator) {
    std::string out;
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0) {
            out += separator;
        }
        out += integer[i];
    }
    return out;
}

std::string FormatNumber(double value, int decimals, ResultFormatCode mode, const NumberFormat& format) {
    if (!std::isfinite(value)) {
        return NonFinite(value);
    }
    const Significant s = SignificantDigits(value);
    decimals = std::clamp(decimals, 0, MaxDecimals);
    switch (mode) {
    case FormatGeneral:
        return General(s, format);
    case FormatScientific:
        return Scientific(s, format);
    case FormatThousands:
    case FormatFixed:
    default:
        if (s.exponent + 1 > Precision) {
            return Scientific(s, format);
        }
        return Fixed(s, decimals, mode == FormatThousands, format);
    }
}

std::string FormatResult(double value, int decimals, ResultFormatCode mode, const NumberFormat& format) {
    if (std::fabs(value) < ZeroThreshold) {
        value = 0; // round-off noise, and never a "-0"
    }
    return FormatNumber(value, decimals, mode, format);
}

} // namespace tavrix
