// Any unit pair and any double: the converter and the formatter never crash
// or hang, and the text they give has the shape of a number.
#include "Tavrix_Units.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <regex>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 14) {
        return 0;
    }
    tavrix::UnitIndex from = 0;
    tavrix::UnitIndex to = 0;
    double value = 0;
    std::memcpy(&from, data, 2);
    std::memcpy(&to, data + 2, 2);
    std::memcpy(&value, data + 4, 8);
    from = static_cast<tavrix::UnitIndex>(from % 340);
    to = static_cast<tavrix::UnitIndex>(to % 340);
    const int decimals = data[12] % 17;
    const auto mode = static_cast<tavrix::ResultFormatCode>(data[13] % 4);

    static const std::regex number(R"(NAN|-?INF|-?\d+(\.\d+)?(E[+-]\d+)?|-?(\d{1,3}(,\d{3})*)(\.\d+)?)");
    try {
        const std::string text = tavrix::FormatResult(tavrix::ConvertUnits(from, to, value), decimals, mode,
                                                      tavrix::NumberFormat{});
        if (!std::regex_match(text, number)) {
            std::abort();
        }
    } catch (const tavrix::EConversionsClass&) {
    }
    return 0;
}
