// Settling two typed names on one category's pair of units, as the command
// line does: only units a text surely names count, and a category that
// holds one of each decides between the meanings of a name.
#include "UnitSearch.h"

#include "SearchableUnits.h"
#include "UnitRanking.h"

#include <algorithm>
#include <optional>

namespace tavrix {

namespace {

// True when no category holds two of `units`: then they are one name (or
// one symbol) in several categories, not several meanings.
bool OnePerCategory(const std::vector<UnitIndex>& units) {
    return CategoriesOf(units).size() == units.size();
}

UnitIndex UnitOfCategory(const std::vector<UnitIndex>& units, int category) {
    const auto found = std::find_if(units.begin(), units.end(),
                                    [&](UnitIndex unit) { return CategoryOfUnit(unit) == category; });
    return found == units.end() ? NoUnit : *found;
}

// The units of `units` that some unit of `others` shares a category with.
std::vector<UnitIndex> WithPartners(const std::vector<UnitIndex>& units,
                                    const std::vector<UnitIndex>& others) {
    const std::vector<int> otherCategories = CategoriesOf(others);
    std::vector<UnitIndex> kept;
    std::copy_if(units.begin(), units.end(), std::back_inserter(kept), [&](UnitIndex unit) {
        return std::find(otherCategories.begin(), otherCategories.end(), CategoryOfUnit(unit)) !=
               otherCategories.end();
    });
    return kept;
}

// The pair that the units of `fromUnits` and `toUnits` settle on, if any
// category holds one of each.
std::optional<UnitPair> PairAmong(std::vector<UnitIndex> fromUnits, const std::vector<UnitIndex>& toUnits) {
    fromUnits = WithPartners(fromUnits, toUnits);
    if (fromUnits.empty()) {
        return std::nullopt;
    }
    const std::vector<UnitIndex> toPartners = WithPartners(toUnits, fromUnits);
    if (!OnePerCategory(fromUnits)) {
        return UnitPair{PairVerdict::FromAmbiguous, NoUnit, NoUnit, fromUnits};
    }
    if (!OnePerCategory(toPartners)) {
        return UnitPair{PairVerdict::ToAmbiguous, NoUnit, NoUnit, toPartners};
    }
    std::sort(fromUnits.begin(), fromUnits.end());
    for (const UnitIndex fromUnit : fromUnits) {
        const UnitIndex toUnit = UnitOfCategory(toPartners, CategoryOfUnit(fromUnit));
        if (toUnit != NoUnit) {
            return UnitPair{PairVerdict::Found, fromUnit, toUnit, {}};
        }
    }
    return std::nullopt;
}

// `candidates` without the units `others` names in the typed case.
std::vector<Candidate> WithoutUnitsNamedInCase(std::vector<Candidate> candidates,
                                               const std::vector<Candidate>& others) {
    std::erase_if(candidates, [&](const Candidate& candidate) {
        return std::any_of(others.begin(), others.end(), [&](const Candidate& other) {
            return other.inCase && other.unit == candidate.unit;
        });
    });
    return candidates;
}

bool HasCapital(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

// The candidates a text surely names. A unit that matches only ignoring
// case counts where the text has no capital, since people leave capitals
// out ("kn" for "kN") but do not put wrong ones in ("Nm" is never "nm").
std::vector<Candidate> Sure(std::vector<Candidate> candidates, std::string_view typed) {
    const Closeness loosest = HasCapital(typed) ? ByReading : InAnotherCase;
    std::erase_if(candidates, [&](const Candidate& candidate) { return candidate.closeness > loosest; });
    return candidates;
}

// What a text may mean when it surely names nothing: the units it partly
// names, those beside the other text's categories first.
std::vector<UnitIndex> Unsure(const std::vector<Candidate>& candidates,
                              const std::vector<Candidate>& others) {
    const std::vector<UnitIndex> units = UnitsOf(candidates);
    const std::vector<UnitIndex> withPartners = WithPartners(units, UnitsOf(others));
    return withPartners.empty() ? units : withPartners;
}

} // namespace

UnitPair FindUnitPair(std::string_view from, std::string_view to, Spelling shown) {
    std::vector<Candidate> fromCandidates = RankedCandidates(from, shown);
    std::vector<Candidate> toCandidates = RankedCandidates(to, shown);
    // Two texts that differ in case alone, each naming a unit as typed ("kn"
    // and "kN"), mean those two units.
    const auto namedInCase = [](const std::vector<Candidate>& candidates) {
        std::vector<UnitIndex> units;
        for (const Candidate& candidate : candidates) {
            if (candidate.inCase) {
                units.push_back(candidate.unit);
            }
        }
        return units;
    };
    const std::vector<UnitIndex> fromInCase = namedInCase(fromCandidates);
    const std::vector<UnitIndex> toInCase = namedInCase(toCandidates);
    if (SymbolKey(from) == SymbolKey(to) && !fromInCase.empty() && !toInCase.empty() &&
        fromInCase != toInCase) {
        const std::vector<Candidate> fromAsTyped = fromCandidates;
        fromCandidates = WithoutUnitsNamedInCase(fromCandidates, toCandidates);
        toCandidates = WithoutUnitsNamedInCase(toCandidates, fromAsTyped);
    }
    if (fromCandidates.empty()) {
        return {PairVerdict::FromUnknown, NoUnit, NoUnit, {}};
    }
    if (toCandidates.empty()) {
        return {PairVerdict::ToUnknown, NoUnit, NoUnit, {}};
    }
    const std::vector<Candidate> fromSure = Sure(fromCandidates, from);
    const std::vector<Candidate> toSure = Sure(toCandidates, to);
    // A text that only partly names units is refused with what it may mean:
    // "ft min" lists "ft/min" rather than taking it.
    if (fromSure.empty()) {
        return {PairVerdict::FromAmbiguous, NoUnit, NoUnit,
                Unsure(fromCandidates, toSure.empty() ? toCandidates : toSure)};
    }
    if (toSure.empty()) {
        return {PairVerdict::ToAmbiguous, NoUnit, NoUnit, Unsure(toCandidates, fromSure)};
    }
    // The closest names of both that some category holds together: both
    // exact first, then one exact and the other by what a name measures, and
    // so on ("kn" beside "km/h" is the knot, beside "N", where the knot has
    // no partner, the kilonewton).
    for (int sum = ByName + ByName; sum <= InAnotherCase + InAnotherCase; ++sum) {
        for (int fromCloseness = std::max(0, sum - InAnotherCase);
             fromCloseness <= std::min(sum, int{InAnotherCase}); ++fromCloseness) {
            const std::optional<UnitPair> pair = PairAmong(UnitsAt(fromSure, Closeness(fromCloseness)),
                                                           UnitsAt(toSure, Closeness(sum - fromCloseness)));
            if (pair) {
                return *pair;
            }
        }
    }
    const std::vector<UnitIndex> fromUnits = UnitsAt(fromSure, BestCloseness(fromSure));
    const std::vector<UnitIndex> toUnits = UnitsAt(toSure, BestCloseness(toSure));
    if (!OnePerCategory(fromUnits)) {
        return {PairVerdict::FromAmbiguous, NoUnit, NoUnit, fromUnits};
    }
    if (!OnePerCategory(toUnits)) {
        return {PairVerdict::ToAmbiguous, NoUnit, NoUnit, toUnits};
    }
    return {PairVerdict::DifferentCategories, fromUnits.front(), toUnits.front(), {}};
}

std::vector<int> CategoriesOfFromUnit(std::string_view from, Spelling shown) {
    const std::vector<Candidate> candidates = RankedCandidates(from, shown);
    const std::vector<Candidate> sure = Sure(candidates, from);
    return CategoriesOf(UnitsOf(sure.empty() ? candidates : sure));
}

} // namespace tavrix
