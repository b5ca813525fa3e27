#include "ValueWithUnits.h"

#include <algorithm>
#include <tuple>

namespace tavrix {

namespace {

ValueWithUnits Unclear() {
    return {{std::nullopt, ValueProblem::UnitUnclear, {}, NoUnit, 0}, NoUnit, {}, {}};
}

bool IsLikely(const CompoundUnit& compound, std::span<const int> likelyCategories) {
    return std::find(likelyCategories.begin(), likelyCategories.end(), CategoryOfUnit(compound.unit)) !=
           likelyCategories.end();
}

} // namespace

ValueWithUnits ReadValueWithUnits(std::string_view text, std::span<const int> likelyCategories,
                                  Spelling spelling, std::string_view decimalSeparator, DigitLimits limits) {
    const ValuePieces split = SplitValue(text, decimalSeparator, limits);
    if (split.problem != ValueProblem::None) {
        return {{std::nullopt, split.problem, {}, NoUnit, 0}, NoUnit, {}, {}};
    }
    if (split.colonForm) {
        // Two numbers could be either of the first two parts or the last two.
        if (split.pieces.size() == 2) {
            return Unclear();
        }
        // The colon form is hours, minutes and seconds, or beside an angle its degrees.
        const CompoundUnit* chosen = nullptr;
        for (const CompoundUnit& each : CompoundUnits()) {
            const bool likely = IsLikely(each, likelyCategories);
            const bool fits =
                each.inSixtieths && (likely || (chosen == nullptr && each.style == CompoundStyle::Colon));
            if (fits && (chosen == nullptr || !IsLikely(*chosen, likelyCategories))) {
                chosen = &each;
            }
        }
        const CompoundUnit& compound = *chosen;
        return {ReadCompoundValue(text, compound, spelling, decimalSeparator, limits), compound.unit, {}, {}};
    }
    const bool marked = std::any_of(split.pieces.begin(), split.pieces.end(),
                                    [](const ValuePiece& p) { return !p.mark.empty(); });
    if (!marked) {
        return Unclear();
    }
    if (split.pieces.size() == 1 && !IsPrimeSign(split.pieces.front().mark)) {
        const ValuePiece& piece = split.pieces.front();
        return {{piece.negative ? -piece.value : piece.value, ValueProblem::None, {}, NoUnit, 0},
                NoUnit,
                piece.mark,
                (piece.negative ? "-" : "") + piece.number};
    }
    // The reading of each compound unit: the first that reads it whole in a
    // likely category, else the first that does, else the one that got
    // furthest (a likely one where two got as far) to say why it cannot.
    const CompoundUnit* best = nullptr;
    ValueReading bestReading;
    const auto better = [&](const CompoundUnit& compound, const ValueReading& reading) {
        if (best == nullptr) {
            return true;
        }
        const auto rank = [&](const CompoundUnit& c, const ValueReading& r) {
            return std::tuple(r.value.has_value(), r.piecesRead, IsLikely(c, likelyCategories));
        };
        return rank(compound, reading) > rank(*best, bestReading);
    };
    for (const CompoundUnit& compound : CompoundUnits()) {
        const ValueReading reading = ReadCompoundValue(text, compound, spelling, decimalSeparator, limits);
        if (better(compound, reading)) {
            best = &compound;
            bestReading = reading;
        }
    }
    return {bestReading, best->unit, {}, {}};
}

} // namespace tavrix
