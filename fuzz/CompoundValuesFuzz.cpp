// Any text as a value with its units, read as each compound unit, as a
// plain unit's colon form and as the command line's value that carries its
// units: nothing crashes, a value read is a finite number of no part below
// zero, and shown in its parts it reads back as the same value.
#include "CompoundValues.h"
#include "ValueWithUnits.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

constexpr tavrix::DigitLimits Limits{12, 10};
constexpr int ShownDecimals = 10;

void CheckReading(const tavrix::ValueReading& reading) {
    if (reading.value.has_value() != (reading.problem == tavrix::ValueProblem::None)) {
        std::abort();
    }
    if (reading.value && !std::isfinite(*reading.value)) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string_view separator = size > 0 && data[0] % 2 == 0 ? "." : ",";
    const tavrix::NumberFormat format{std::string(separator), " "};
    for (const tavrix::CompoundUnit& compound : tavrix::CompoundUnits()) {
        const tavrix::ValueReading reading =
            tavrix::ReadCompoundValue(text, compound, tavrix::Spelling::European, separator, Limits);
        CheckReading(reading);
        if (!reading.value) {
            continue;
        }
        if (*reading.value < 0) {
            std::abort();
        }
        // Below 10^12 of the last part, ten decimals show every digit the
        // parts were typed with that a double holds.
        if (*reading.value < 1e12) {
            const std::string shown =
                tavrix::FormatCompoundValue(*reading.value, compound, ShownDecimals, false, format, true);
            const tavrix::ValueReading again = tavrix::ReadCompoundValue(
                shown, compound, tavrix::Spelling::European, separator, {64, ShownDecimals});
            if (!again.value || std::fabs(*again.value - *reading.value) > 1e-9 * std::fmax(1, *reading.value)) {
                std::abort();
            }
        }
    }
    CheckReading(tavrix::ReadColonValue(text, separator, Limits));
    const int categories[] = {1, 11};
    CheckReading(tavrix::ReadValueWithUnits(text, categories, tavrix::Spelling::USA, separator, Limits).reading);
    return 0;
}
