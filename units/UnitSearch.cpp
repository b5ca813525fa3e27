#include "UnitSearch.h"

#include "SearchableUnits.h"
#include "UnitRanking.h"
#include "UnitWords.h"

#include <algorithm>

namespace tavrix {

namespace {

// What a person typed, in the forms it is compared in.
struct Query {
    UnitWords words;
    UnitWords measuring;
    std::vector<std::string> qualifiers;
    // Of the text without its qualifiers, plural words in the singular.
    std::string symbolKey;
    std::string symbolKeyInCase;
    Spelling shown;
};

Query QueryOf(std::string_view typed, Spelling shown) {
    Query query{TypedWords(typed), {}, {}, {}, {}, shown};
    query.measuring = Measuring(query.words);
    query.qualifiers = QualifiersOf(query.words);
    const std::string symbolText = InTheSingular(WithoutQualifiers(typed));
    query.symbolKey = SymbolKey(symbolText);
    query.symbolKeyInCase = SymbolKeyInCase(symbolText);
    return query;
}

bool SameWords(const UnitWords& a, const UnitWords& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), SameMeaning);
}

// Whether every qualifier typed is one of the unit's ("UK" for "pint UK").
bool HasQualifiers(const SearchableName& name, const Query& query) {
    return std::includes(name.qualifiers.begin(), name.qualifiers.end(), query.qualifiers.begin(),
                         query.qualifiers.end());
}

bool Begins(const UnitWord& typed, const UnitWord& word) {
    if (typed.divides || word.divides) {
        return typed.divides == word.divides;
    }
    return (word.written.starts_with(typed.written) || word.meaning.starts_with(typed.meaning)) &&
           (typed.power == 1 || typed.power == word.power);
}

// Whether each typed word begins a word of the name, in the name's order,
// and each typed qualifier begins one of the name's qualifiers.
bool PartlyNames(const SearchableName& name, const Query& query) {
    auto next = name.words.begin();
    for (const UnitWord& typed : query.measuring) {
        next =
            std::find_if(next, name.words.end(), [&](const UnitWord& word) { return Begins(typed, word); });
        if (next == name.words.end()) {
            return false;
        }
        ++next;
    }
    return std::all_of(query.qualifiers.begin(), query.qualifiers.end(), [&](const std::string& qualifier) {
        return std::any_of(name.qualifiers.begin(), name.qualifiers.end(),
                           [&](const std::string& its) { return its.starts_with(qualifier); });
    });
}

bool HasSymbol(const SearchableUnit& unit, const Query& query) {
    const auto holds = [&](Spelling spelling) {
        const auto& symbols = unit.symbols[static_cast<std::size_t>(spelling)];
        return std::find(symbols.begin(), symbols.end(), query.symbolKey) != symbols.end();
    };
    if (query.qualifiers.empty()) {
        return holds(query.shown);
    }
    // A qualifier picks the unit whatever the spelling shown ("UK pint").
    return (holds(Spelling::European) || holds(Spelling::USA)) && HasQualifiers(unit.spellings[0], query);
}

// Whether the query is one of the unit's symbols, its name or a part of its
// name as it is written: where only case tells two apart ("mW" and "MW"),
// the one typed is meant.
bool IsInCase(const SearchableUnit& unit, const Query& query) {
    const auto holds = [&](const std::vector<std::string>& keys) {
        return std::find(keys.begin(), keys.end(), query.symbolKeyInCase) != keys.end();
    };
    return holds(unit.symbolsInCase[static_cast<std::size_t>(query.shown)]) ||
           std::any_of(unit.spellings.begin(), unit.spellings.end(),
                       [&](const SearchableName& name) { return holds(name.keysInCase); });
}

// Whether the query is, in another case, a symbol that then names nothing.
bool IsInAnotherCaseOfACaseCountingSymbol(const SearchableUnit& unit, const Query& query) {
    return std::any_of(unit.caseCounting.begin(), unit.caseCounting.end(), [&](const auto& keys) {
        return keys.first == query.symbolKey && keys.second != query.symbolKeyInCase;
    });
}

Closeness ClosenessOf(const SearchableUnit& unit, const Query& query) {
    if (IsInAnotherCaseOfACaseCountingSymbol(unit, query)) {
        return NoMatch;
    }
    if (HasSymbol(unit, query)) {
        return ByName;
    }
    if (std::none_of(query.measuring.begin(), query.measuring.end(),
                     [](const UnitWord& word) { return !word.divides; })) {
        return NoMatch; // a sign or punctuation alone is no name's words
    }
    Closeness best = NoMatch;
    for (const SearchableName& name : unit.spellings) {
        if (SameWords(name.readings.front(), query.measuring) && name.qualifiers == query.qualifiers) {
            return ByName;
        }
        if (HasQualifiers(name, query) &&
            std::any_of(name.readings.begin(), name.readings.end(),
                        [&](const UnitWords& reading) { return SameWords(reading, query.measuring); })) {
            best = ByReading;
        } else if (best == NoMatch && PartlyNames(name, query)) {
            best = Partly;
        }
    }
    return best;
}

} // namespace

std::vector<Candidate> RankedCandidates(std::string_view typed, Spelling shown) {
    const Query query = QueryOf(typed, shown);
    std::vector<Candidate> found;
    if (query.words.empty() && query.symbolKey.empty()) {
        return found;
    }
    const auto& units = SearchableUnits();
    for (std::size_t unit = 0; unit < units.size(); ++unit) {
        const Closeness closeness = ClosenessOf(units[unit], query);
        if (closeness != NoMatch) {
            found.push_back({static_cast<UnitIndex>(unit), closeness, IsInCase(units[unit], query),
                             units[unit].visibleLength[static_cast<std::size_t>(shown)]});
        }
    }
    // A name or symbol typed in its own case outranks one that matches only
    // ignoring case: with "Nm" typed, the nanometre comes after the
    // newton-metre. So among the surely named units, all or none are in case.
    const auto named = [](const Candidate& c) { return c.closeness <= ByReading; };
    if (std::any_of(found.begin(), found.end(), [&](const Candidate& c) { return named(c) && c.inCase; })) {
        for (Candidate& candidate : found) {
            if (named(candidate) && !candidate.inCase) {
                candidate.closeness = InAnotherCase;
            }
        }
    }
    std::stable_sort(found.begin(), found.end(), [](const Candidate& a, const Candidate& b) {
        if (a.closeness != b.closeness) {
            return a.closeness < b.closeness;
        }
        return a.length < b.length;
    });
    return found;
}

std::vector<UnitIndex> UnitsOf(const std::vector<Candidate>& candidates) {
    std::vector<UnitIndex> units;
    units.reserve(candidates.size());
    for (const Candidate& candidate : candidates) {
        units.push_back(candidate.unit);
    }
    return units;
}

Closeness BestCloseness(const std::vector<Candidate>& candidates) {
    return candidates.empty() ? NoMatch : candidates.front().closeness;
}

std::vector<UnitIndex> UnitsAt(const std::vector<Candidate>& candidates, Closeness closeness) {
    std::vector<UnitIndex> units;
    for (const Candidate& candidate : candidates) {
        if (candidate.closeness == closeness) {
            units.push_back(candidate.unit);
        }
    }
    return units;
}

std::vector<int> CategoriesOf(const std::vector<UnitIndex>& units) {
    std::vector<int> categories;
    for (const UnitIndex unit : units) {
        const int category = CategoryOfUnit(unit);
        if (std::find(categories.begin(), categories.end(), category) == categories.end()) {
            categories.push_back(category);
        }
    }
    return categories;
}

std::string_view VisibleName(UnitIndex unit, Spelling spelling) {
    std::string_view name = UnitNames(spelling).at(unit);
    while (name.ends_with(' ')) {
        name.remove_suffix(1);
    }
    return name;
}

std::vector<UnitIndex> SearchUnits(std::string_view query, Spelling shown) {
    return UnitsOf(RankedCandidates(query, shown));
}

std::vector<UnitIndex> UnitsNamedBy(std::string_view query, Spelling shown) {
    const std::vector<Candidate> candidates = RankedCandidates(query, shown);
    const Closeness best = BestCloseness(candidates);
    return best < Partly ? UnitsAt(candidates, best) : std::vector<UnitIndex>{};
}

} // namespace tavrix
