#include "CalculatorNumberText.h"

namespace tavrix {

namespace {

constexpr int CalculatorValueDecimals = 8;

} // namespace

QString CalculatorDisplayText(double value, const NumberFormat& format) {
    return QString::fromStdString(FormatNumber(value, 0, FormatGeneral, format));
}

QString CalculatorValueText(double value, const NumberFormat& format) {
    std::string text = FormatNumber(value, CalculatorValueDecimals, FormatFixed, format);
    const std::string& separator = format.decimalSeparator;
    const std::size_t separatorAt = text.rfind(separator);
    // Exponent forms and non-finite values have no decimals to trim; their
    // trailing zeros belong to the exponent.
    if (separatorAt != std::string::npos && text.find_first_not_of("-0123456789", 0) == separatorAt &&
        text.find_first_not_of("0123456789", separatorAt + separator.size()) == std::string::npos) {
        const std::size_t lastKept = text.find_last_not_of('0');
        text.erase(lastKept + 1);
        if (text.size() == separatorAt + separator.size()) {
            text.erase(separatorAt);
        }
    }
    return QString::fromStdString(text);
}

} // namespace tavrix
