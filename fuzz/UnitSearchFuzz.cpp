// Any two texts as unit names: the search, the pair settling and the close
// names never crash or hang, and a settled pair is one category's units.
#include "UnitSearch.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const std::string_view from = input.substr(0, split);
    const std::string_view to = split == std::string_view::npos ? input : input.substr(split + 1);
    for (const tavrix::Spelling spelling : {tavrix::Spelling::European, tavrix::Spelling::USA}) {
        for (const tavrix::UnitIndex unit : tavrix::SearchUnits(from, spelling)) {
            if (unit >= tavrix::UnitCount) {
                std::abort();
            }
        }
        tavrix::UnitsCloseTo(from, spelling, 3);
        const tavrix::UnitPair pair = tavrix::FindUnitPair(from, to, spelling);
        if (pair.verdict == tavrix::PairVerdict::Found &&
            tavrix::CategoryOfUnit(pair.from) != tavrix::CategoryOfUnit(pair.to)) {
            std::abort();
        }
    }
    tavrix::CategoriesNamedBy(from);
    return 0;
}
