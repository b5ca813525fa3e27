// The units added since the first catalogue leave its 327 as they were: the
// result text of every pair within a category, recorded before any unit was
// added, comes out byte for byte the same.
#include "ConversionRules.h"
#include "Tavrix_Units.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <utility>

namespace tavrix {
namespace {

std::string Shown(const ConversionOutcome& outcome) {
    switch (outcome.refusal) {
    case Refusal::None:
        return outcome.resultText;
    case Refusal::InvalidValue:
        return "invalid";
    case Refusal::SineCosineRange:
        return "range";
    case Refusal::TangentUndefined:
        return "undefined";
    case Refusal::NoConversion:
        return "none";
    }
    return {};
}

TEST(FirstCatalogue, EveryResultTextIsAsBeforeUnitsWereAdded) {
    std::ifstream file(TAVRIX_FIRST_CATALOGUE_RESULTS);
    ASSERT_TRUE(file) << TAVRIX_FIRST_CATALOGUE_RESULTS;
    constexpr double Values[] = {1, 0.0375, 987654.321};
    std::set<std::pair<int, int>> pairs;
    int differing = 0;
    for (std::string line; std::getline(file, line);) {
        if (line.starts_with('#')) {
            continue;
        }
        std::istringstream fields(line);
        int from = -1;
        int to = -1;
        fields >> from >> to;
        ASSERT_TRUE(fields && from < FirstCatalogueUnitCount && to < FirstCatalogueUnitCount) << line;
        pairs.emplace(from, to);
        std::string expected;
        std::getline(fields, expected, '\t');
        for (const double value : Values) {
            ASSERT_TRUE(std::getline(fields, expected, '\t')) << line;
            ConversionRequest request;
            request.from = static_cast<UnitIndex>(from);
            request.to = static_cast<UnitIndex>(to);
            request.value = value;
            request.mode = FormatGeneral;
            const std::string shown = Shown(ConvertForDisplay(request));
            if (shown != expected && ++differing <= 20) {
                ADD_FAILURE() << value << " from " << from << " to " << to << ": " << shown << ", before "
                              << expected;
            }
        }
    }
    EXPECT_EQ(differing, 0);
    // Every pair of the first catalogue within a category is there.
    std::size_t expectedPairs = 0;
    for (const CategoryRange& range : CategoryUnitRange) {
        expectedPairs += static_cast<std::size_t>(range.unitCount * range.unitCount);
    }
    EXPECT_EQ(pairs.size(), expectedPairs);
}

} // namespace
} // namespace tavrix
