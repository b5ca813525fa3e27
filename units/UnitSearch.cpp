#include "UnitSearch.h"

#include "UnitSymbols.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <optional>
#include <set>

namespace tavrix {

namespace {

// A text cut into words of lower-case ASCII letters and digits, kept as one
// string with the offsets where the words start, so that a typed word may
// run on from one word of a name into the next.
struct Words {
    std::string joined;
    std::vector<std::size_t> starts;
};

// The ASCII that stands in for each sign in the names (UTF-8, two bytes).
// A sign that reads as a word of its own ("°F" is "degrees F") ends the word
// before it and starts one of its own; the others join the word they are in.
struct StandIn {
    std::string_view sign;
    std::string_view ascii;
    bool ownWord;
};
constexpr std::array<StandIn, 5> StandIns{{
    {"\u00B2", "2", false},  // ²
    {"\u00B3", "3", false},  // ³
    {"\u00B5", "u", false},  // µ micro sign
    {"\u03BC", "u", false},  // μ Greek mu
    {"\u00B0", "deg", true}, // °
}};

bool IsAsciiAlphanumeric(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

const StandIn* StandInAt(std::string_view text) {
    const auto found = std::find_if(StandIns.begin(), StandIns.end(),
                                    [&](const StandIn& s) { return text.starts_with(s.sign); });
    return found == StandIns.end() ? nullptr : &*found;
}

Words WordsOf(std::string_view text) {
    Words words;
    bool inWord = false;
    const auto add = [&](std::string_view ascii, bool ownWord) {
        if (!inWord || ownWord) {
            words.starts.push_back(words.joined.size());
        }
        words.joined += ascii;
        inWord = !ownWord;
    };
    for (std::size_t at = 0; at < text.size();) {
        if (IsAsciiAlphanumeric(text[at])) {
            const char lower = AsciiLower(text[at]);
            add(std::string_view(&lower, 1), false);
            ++at;
            continue;
        }
        if (const StandIn* standIn = StandInAt(text.substr(at))) {
            add(standIn->ascii, standIn->ownWord);
            at += standIn->sign.size();
            continue;
        }
        // Spaces, punctuation, brackets and any other sign separate words.
        inWord = false;
        ++at;
    }
    return words;
}

// How closely a query names a unit; the lower, the closer.
enum Closeness : int {
    ByName = 0,     // the whole name, or a symbol of the unit
    ByNamePart = 1, // the name beside its brackets, or a bracketed part
    ByWords = 2,    // every typed word starts a word of the name
    NoMatch = 3,
};

// The name with its bracketed parts taken out, and each bracketed part, as
// written; nothing for a name without brackets.
std::vector<std::string> NamePartTextsOf(std::string_view name) {
    std::vector<std::string> parts;
    std::string outside;
    for (std::size_t at = 0; at < name.size();) {
        const std::size_t open = name.find('(', at);
        outside += name.substr(at, open == std::string_view::npos ? open : open - at);
        if (open == std::string_view::npos) {
            break;
        }
        const std::size_t close = name.find(')', open);
        parts.emplace_back(name.substr(open + 1, close == std::string_view::npos ? close : close - open - 1));
        at = close == std::string_view::npos ? name.size() : close + 1;
    }
    if (outside.size() != name.size()) {
        parts.push_back(outside);
    }
    return parts;
}

// The name's parts as words are compared.
std::vector<std::string> NamePartsOf(std::string_view name) {
    std::vector<std::string> parts;
    for (const std::string& text : NamePartTextsOf(name)) {
        parts.push_back(WordsOf(text).joined);
    }
    std::erase(parts, std::string());
    return parts;
}

struct SearchableName {
    Words words;
    std::vector<std::string> parts; // empty for a name without brackets
    // The whole name and its parts as keys in their own case ("MW", "MW (Megawatt)").
    std::vector<std::string> keysInCase;
};

struct SearchableUnit {
    std::array<SearchableName, 2> spellings;  // European, USA
    std::array<std::size_t, 2> visibleLength; // in characters, by spelling
    // The symbols' keys, by the spelling they belong to (European, USA):
    // ignoring case, and in the symbol's own case.
    std::array<std::vector<std::string>, 2> symbols;
    std::array<std::vector<std::string>, 2> symbolsInCase;
    // The symbols that name nothing in another case, as typed keys ignoring
    // case and in case.
    std::vector<std::pair<std::string, std::string>> caseCounting;
};

// SymbolKey, with the letters left in the case they are written in.
std::string KeyOf(std::string_view text, bool ignoringCase) {
    std::string key;
    for (std::size_t at = 0; at < text.size();) {
        if (const StandIn* standIn = StandInAt(text.substr(at))) {
            key += standIn->ascii;
            at += standIn->sign.size();
        } else {
            if (text[at] != ' ' && text[at] != '.' && text[at] != '\t') {
                key += ignoringCase ? AsciiLower(text[at]) : text[at];
            }
            ++at;
        }
    }
    return key;
}

std::size_t CharacterCount(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(
        utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

void AddSymbols(std::vector<SearchableUnit>& units) {
    for (const UnitSymbol& symbol : UnitSymbols()) {
        for (int unit = 0; unit < UnitCount; ++unit) {
            if (VisibleName(static_cast<UnitIndex>(unit), Spelling::European) != symbol.unitName) {
                continue;
            }
            for (const Spelling spelling : {Spelling::European, Spelling::USA}) {
                const bool applies = symbol.spelling == SymbolSpelling::Any ||
                                     (symbol.spelling == SymbolSpelling::USA) == (spelling == Spelling::USA);
                if (applies) {
                    SearchableUnit& entry = units[static_cast<std::size_t>(unit)];
                    entry.symbols[static_cast<std::size_t>(spelling)].push_back(SymbolKey(symbol.symbol));
                    entry.symbolsInCase[static_cast<std::size_t>(spelling)].push_back(
                        KeyOf(symbol.symbol, false));
                }
            }
            if (symbol.caseCounts) {
                units[static_cast<std::size_t>(unit)].caseCounting.emplace_back(SymbolKey(symbol.symbol),
                                                                                KeyOf(symbol.symbol, false));
            }
        }
    }
}

// Made once: every keystroke of the finder searches all units again.
const std::vector<SearchableUnit>& SearchableUnits() {
    static const std::vector<SearchableUnit> units = [] {
        std::vector<SearchableUnit> made(UnitCount);
        for (int unit = 0; unit < UnitCount; ++unit) {
            for (const Spelling spelling : {Spelling::European, Spelling::USA}) {
                const auto which = static_cast<std::size_t>(spelling);
                const std::string_view name = VisibleName(static_cast<UnitIndex>(unit), spelling);
                auto& entry = made[static_cast<std::size_t>(unit)];
                std::vector<std::string> keysInCase{KeyOf(name, false)};
                for (const std::string& part : NamePartTextsOf(name)) {
                    keysInCase.push_back(KeyOf(part, false));
                }
                entry.spellings[which] = {WordsOf(name), NamePartsOf(name), std::move(keysInCase)};
                entry.visibleLength[which] = CharacterCount(name);
            }
        }
        AddSymbols(made);
        return made;
    }();
    return units;
}

bool StartsSomeWord(const Words& name, std::string_view typed) {
    return std::any_of(name.starts.begin(), name.starts.end(), [&](std::size_t start) {
        return std::string_view(name.joined).substr(start).starts_with(typed);
    });
}

std::string_view WordAt(const Words& words, std::size_t word) {
    const std::size_t begin = words.starts[word];
    const std::size_t end = word + 1 < words.starts.size() ? words.starts[word + 1] : words.joined.size();
    return std::string_view(words.joined).substr(begin, end - begin);
}

bool Matches(const Words& name, const Words& query) {
    for (std::size_t word = 0; word < query.starts.size(); ++word) {
        if (!StartsSomeWord(name, WordAt(query, word))) {
            return false;
        }
    }
    return true;
}

// What a person typed, in the forms it is compared in.
struct Query {
    Words words;
    std::string symbolKey;
    std::string symbolKeyInCase;
    Spelling shown;
};

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
    const auto& symbols = unit.symbols[static_cast<std::size_t>(query.shown)];
    if (std::find(symbols.begin(), symbols.end(), query.symbolKey) != symbols.end()) {
        return ByName;
    }
    Closeness best = NoMatch;
    if (query.words.starts.empty()) {
        return best; // a sign or punctuation alone is no name's words
    }
    for (const SearchableName& name : unit.spellings) {
        if (!Matches(name.words, query.words)) {
            continue;
        }
        if (name.words.joined == query.words.joined) {
            return ByName;
        }
        const bool byPart =
            std::find(name.parts.begin(), name.parts.end(), query.words.joined) != name.parts.end();
        best = std::min(best, byPart ? ByNamePart : ByWords);
    }
    return best;
}

struct Candidate {
    UnitIndex unit;
    Closeness closeness;
    bool inCase; // a symbol of the unit in the case it was typed
    std::size_t length;
};

std::vector<Candidate> RankedCandidates(std::string_view typed, Spelling shown) {
    const Query query{WordsOf(typed), SymbolKey(typed), KeyOf(typed, false), shown};
    std::vector<Candidate> found;
    if (query.words.starts.empty() && query.symbolKey.empty()) {
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
    // ignoring case: with "Nm" typed, the nanometre is no closer than a unit
    // whose name merely holds the letters, so "Nm" beside "ft" stays the
    // newton-metre. So among the named units, all or none are in case.
    const auto named = [](const Candidate& c) { return c.closeness <= ByNamePart; };
    if (std::any_of(found.begin(), found.end(), [&](const Candidate& c) { return named(c) && c.inCase; })) {
        for (Candidate& candidate : found) {
            if (named(candidate) && !candidate.inCase) {
                candidate.closeness = ByWords;
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

std::vector<UnitIndex> UnitsAt(const std::vector<Candidate>& candidates, Closeness closeness) {
    std::vector<UnitIndex> units;
    for (const Candidate& candidate : candidates) {
        if (candidate.closeness == closeness) {
            units.push_back(candidate.unit);
        }
    }
    return units;
}

// The letters to change, add or drop to make one word the other.
std::size_t EditDistance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    std::iota(row.begin(), row.end(), std::size_t{0});
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// How far a name is from a typed text that matches no unit, or nothing when
// it is too far to offer: the fewest letters to change, add or drop to make
// the text the name, or a name beside its brackets ("metre" for "metres",
// "kcal" for "cal"); a name with only one word that close comes after those.
std::optional<std::size_t> DistanceOf(const SearchableName& name, std::string_view typed,
                                      std::size_t farthest) {
    // Words of lengths further apart than that are further apart in letters too.
    const auto distance = [&](std::string_view word) {
        const std::size_t apart =
            word.size() > typed.size() ? word.size() - typed.size() : typed.size() - word.size();
        return apart > farthest ? farthest + 1 : EditDistance(word, typed);
    };
    std::size_t whole = distance(name.words.joined);
    for (const std::string& part : name.parts) {
        whole = std::min(whole, distance(part));
    }
    if (whole <= farthest) {
        return whole;
    }
    std::size_t word = farthest + 1;
    for (std::size_t at = 0; at < name.words.starts.size(); ++at) {
        word = std::min(word, distance(WordAt(name.words, at)));
    }
    return word <= farthest ? std::optional(word + 1) : std::nullopt;
}

// The categories of `units`, each once, in the order of first appearance.
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

// The closeness of the best candidates, or NoMatch for none.
Closeness BestCloseness(const std::vector<Candidate>& candidates) {
    return candidates.empty() ? NoMatch : candidates.front().closeness;
}

} // namespace

std::string SymbolKey(std::string_view text) {
    return KeyOf(text, true);
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
    return UnitsAt(candidates, BestCloseness(candidates));
}

std::vector<UnitIndex> UnitsCloseTo(std::string_view query, Spelling shown, std::size_t count) {
    const std::string typed = WordsOf(query).joined;
    if (typed.empty()) {
        return {};
    }
    // Two letters off, a short word is another word.
    const std::size_t farthest = typed.size() <= 4 ? 1 : 2;
    struct Near {
        std::size_t distance;
        UnitIndex unit;
    };
    std::vector<Near> near;
    const auto& units = SearchableUnits();
    for (std::size_t unit = 0; unit < units.size(); ++unit) {
        std::optional<std::size_t> distance;
        for (const SearchableName& name : units[unit].spellings) {
            const std::optional<std::size_t> each = DistanceOf(name, typed, farthest);
            if (each && (!distance || *each < *distance)) {
                distance = each;
            }
        }
        if (distance) {
            near.push_back({*distance, static_cast<UnitIndex>(unit)});
        }
    }
    std::stable_sort(near.begin(), near.end(),
                     [](const Near& a, const Near& b) { return a.distance < b.distance; });
    std::vector<UnitIndex> closest;
    std::set<std::string_view> names;
    for (const Near& each : near) {
        // Only the closest: a name a letter away outshines those that hold it as one word of several.
        if (each.distance == near.front().distance && closest.size() < count &&
            names.insert(VisibleName(each.unit, shown)).second) {
            closest.push_back(each.unit);
        }
    }
    return closest;
}

std::vector<int> CategoriesNamedBy(std::string_view query) {
    const Words typed = WordsOf(query);
    std::vector<int> found;
    std::vector<int> beginning;
    if (typed.starts.empty()) {
        return found;
    }
    for (int category = 0; category < CategoryCount; ++category) {
        // A category's brackets hold no other name for it: "volume" alone is
        // not "Flow Rate (volume)".
        const Words name = WordsOf(CategoryNames.at(static_cast<std::size_t>(category)));
        if (name.joined == typed.joined) {
            return {category};
        }
        if (Matches(name, typed)) {
            found.push_back(category);
            if (name.joined.starts_with(WordAt(typed, 0))) {
                beginning.push_back(category);
            }
        }
    }
    return beginning.size() == 1 ? beginning : found;
}

namespace {

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
    // The closest names of both that some category holds together: both
    // exact first, then one exact and the other by a name's part, and so on
    // ("kn" beside "km/h" is the knot, beside "N", where the knot has no
    // partner, the kilonewton).
    for (int sum = ByName + ByName; sum <= ByWords + ByWords; ++sum) {
        for (int fromCloseness = std::max(0, sum - ByWords); fromCloseness <= std::min(sum, int{ByWords});
             ++fromCloseness) {
            const std::optional<UnitPair> pair =
                PairAmong(UnitsAt(fromCandidates, Closeness(fromCloseness)),
                          UnitsAt(toCandidates, Closeness(sum - fromCloseness)));
            if (pair) {
                return *pair;
            }
        }
    }
    const std::vector<UnitIndex> fromUnits = UnitsAt(fromCandidates, BestCloseness(fromCandidates));
    const std::vector<UnitIndex> toUnits = UnitsAt(toCandidates, BestCloseness(toCandidates));
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
    std::vector<UnitIndex> units;
    for (const Candidate& candidate : candidates) {
        if (candidate.closeness <= ByNamePart || candidate.closeness == BestCloseness(candidates)) {
            units.push_back(candidate.unit);
        }
    }
    return CategoriesOf(units);
}

} // namespace tavrix
