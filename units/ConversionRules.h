// What one conversion shows: the result text, or which rule refuses the value.
// The window asks this and only shows the answer, so the rules are testable
// without a window.
#pragma once

#include "Tavrix_Units.h"

#include <optional>
#include <string>

namespace tavrix {

enum class Refusal {
    None,
    // The value is unreadable, negative outside the temperatures, colder than
    // absolute zero, or it, its base value or the result is not finite: the
    // result field stays empty.
    InvalidValue,
    // A sine or cosine beyond -1.0 to +1.0.
    SineCosineRange,
    // The tangent of 90° or 270° (after whole turns are taken off).
    TangentUndefined,
    // The pair of units has no conversion (EConversionsClass).
    NoConversion,
};

struct ConversionRequest {
    UnitIndex from = NoUnit;
    UnitIndex to = NoUnit;
    // The value field read as a number, negatives included; empty when it
    // does not read as one.
    std::optional<double> value;
    int decimals = 0;
    ResultFormatCode mode = FormatFixed;
    NumberFormat format;
};

struct ConversionOutcome {
    Refusal refusal = Refusal::None;
    std::string resultText; // only without a refusal
};

// Applies the refusals in the order a person meets them and, when none
// applies, converts once and renders the result.
ConversionOutcome ConvertForDisplay(const ConversionRequest& request);

} // namespace tavrix
