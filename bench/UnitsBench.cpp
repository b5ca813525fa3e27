// How long one conversion and one rendering take.
#include "Tavrix_Units.h"
#include "UnitSearch.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using tavrix::UnitIndex;

// Every (from, to) pair inside every category.
std::vector<std::pair<UnitIndex, UnitIndex>> AllPairs() {
    std::vector<std::pair<UnitIndex, UnitIndex>> pairs;
    for (int category = 0; category < tavrix::CategoryCount; ++category) {
        for (const UnitIndex from : tavrix::CategoryUnits(category)) {
            for (const UnitIndex to : tavrix::CategoryUnits(category)) {
                pairs.emplace_back(from, to);
            }
        }
    }
    return pairs;
}

// A value every unit accepts: inside -1..1 for the sine and cosine units.
constexpr double Value = 0.5;

void BM_ConvertUnitsEveryPair(benchmark::State& state) {
    const auto pairs = AllPairs();
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& [from, to] = pairs[i];
        double result = 0;
        try {
            result = tavrix::ConvertUnits(from, to, Value);
        } catch (const tavrix::EConversionsClass&) {
        }
        benchmark::DoNotOptimize(result);
        i = i + 1 == pairs.size() ? 0 : i + 1;
    }
    state.counters["pairs"] = static_cast<double>(pairs.size());
}
BENCHMARK(BM_ConvertUnitsEveryPair);

void BM_ConvertAndFormat(benchmark::State& state) {
    const auto mode = static_cast<tavrix::ResultFormatCode>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            tavrix::FormatResult(tavrix::ConvertUnits(166, 161, 1234.5678), 6, mode, tavrix::NumberFormat{}));
    }
}
BENCHMARK(BM_ConvertAndFormat)
    ->Arg(tavrix::FormatScientific)
    ->Arg(tavrix::FormatFixed)
    ->Arg(tavrix::FormatThousands);

// One keystroke in the unit finder searches every unit in both spellings;
// it must stay well inside a millisecond. Each argument picks a typed text.
void BM_SearchUnitsPerKeystroke(benchmark::State& state) {
    constexpr std::array<std::string_view, 5> typed{"m", "ft min", "lumen m2 lux", "gallon usa", "zzz"};
    const std::string_view text = typed.at(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(tavrix::SearchUnits(text, tavrix::Spelling::European));
    }
    state.SetLabel(std::string(text));
}
BENCHMARK(BM_SearchUnitsPerKeystroke)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

void BM_HugeAngleToSine(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(tavrix::ConvertUnits(12, 7, 1e12)); // a trillion full circles
    }
}
BENCHMARK(BM_HugeAngleToSine);

} // namespace
