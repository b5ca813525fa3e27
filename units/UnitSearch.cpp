#include "UnitSearch.h"

#include <algorithm>
#include <array>
#include <string>

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
        const auto standIn = std::find_if(StandIns.begin(), StandIns.end(), [&](const StandIn& s) {
            return text.substr(at).starts_with(s.sign);
        });
        if (standIn != StandIns.end()) {
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

// The forms a query must equal to be an exact match of a name: the whole
// name, the part before its first bracket, and each bracketed part.
std::vector<std::string> ExactFormsOf(std::string_view name) {
    std::vector<std::string> forms{WordsOf(name).joined};
    const std::size_t open = name.find('(');
    if (open != std::string_view::npos) {
        forms.push_back(WordsOf(name.substr(0, open)).joined);
    }
    for (std::size_t from = open; from != std::string_view::npos; from = name.find('(', from + 1)) {
        const std::size_t close = name.find(')', from);
        forms.push_back(
            WordsOf(name.substr(from + 1, close == std::string_view::npos ? close : close - from - 1))
                .joined);
    }
    std::erase(forms, std::string());
    return forms;
}

struct SearchableName {
    Words words;
    std::vector<std::string> exactForms;
};

struct SearchableUnit {
    std::array<SearchableName, 2> spellings;  // European, USA
    std::array<std::size_t, 2> visibleLength; // in characters, by spelling
};

std::size_t CharacterCount(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(
        utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
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
                entry.spellings[which] = {WordsOf(name), ExactFormsOf(name)};
                entry.visibleLength[which] = CharacterCount(name);
            }
        }
        return made;
    }();
    return units;
}

bool StartsSomeWord(const Words& name, std::string_view typed) {
    return std::any_of(name.starts.begin(), name.starts.end(), [&](std::size_t start) {
        return std::string_view(name.joined).substr(start).starts_with(typed);
    });
}

bool Matches(const SearchableName& name, const Words& query) {
    for (std::size_t word = 0; word < query.starts.size(); ++word) {
        const std::size_t begin = query.starts[word];
        const std::size_t end = word + 1 < query.starts.size() ? query.starts[word + 1] : query.joined.size();
        if (!StartsSomeWord(name.words, std::string_view(query.joined).substr(begin, end - begin))) {
            return false;
        }
    }
    return true;
}

bool IsExact(const SearchableName& name, const Words& query) {
    return std::find(name.exactForms.begin(), name.exactForms.end(), query.joined) != name.exactForms.end();
}

struct Candidate {
    UnitIndex unit;
    bool exact;
    std::size_t length;
};

std::vector<Candidate> RankedCandidates(std::string_view query, Spelling shown) {
    const Words typed = WordsOf(query);
    std::vector<Candidate> found;
    if (typed.starts.empty()) {
        return found;
    }
    const auto& units = SearchableUnits();
    for (std::size_t unit = 0; unit < units.size(); ++unit) {
        const SearchableUnit& entry = units[unit];
        bool matches = false;
        bool exact = false;
        for (const SearchableName& name : entry.spellings) {
            if (Matches(name, typed)) {
                matches = true;
                exact = exact || IsExact(name, typed);
            }
        }
        if (matches) {
            found.push_back(
                {static_cast<UnitIndex>(unit), exact, entry.visibleLength[static_cast<std::size_t>(shown)]});
        }
    }
    std::stable_sort(found.begin(), found.end(), [](const Candidate& a, const Candidate& b) {
        if (a.exact != b.exact) {
            return a.exact;
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

// True when every unit is called the same, in whichever categories.
bool OneName(const std::vector<UnitIndex>& units, Spelling shown) {
    return std::all_of(units.begin(), units.end(), [&](UnitIndex unit) {
        return VisibleName(unit, shown) == VisibleName(units.front(), shown);
    });
}

} // namespace

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
    std::vector<Candidate> candidates = RankedCandidates(query, shown);
    if (!candidates.empty() && candidates.front().exact) {
        std::erase_if(candidates, [](const Candidate& candidate) { return !candidate.exact; });
    }
    return UnitsOf(candidates);
}

std::vector<int> CategoriesNamedBy(std::string_view query) {
    const Words typed = WordsOf(query);
    std::vector<int> found;
    if (typed.starts.empty()) {
        return found;
    }
    for (int category = 0; category < CategoryCount; ++category) {
        const std::string_view name = CategoryNames.at(static_cast<std::size_t>(category));
        // A category's brackets hold no other name for it: "volume" alone is
        // not "Flow Rate (volume)".
        const Words words = WordsOf(name);
        const SearchableName searchable{words, {words.joined}};
        if (IsExact(searchable, typed)) {
            return {category};
        }
        if (Matches(searchable, typed)) {
            found.push_back(category);
        }
    }
    return found;
}

UnitPair FindUnitPair(std::string_view from, std::string_view to, Spelling shown) {
    std::vector<UnitIndex> fromUnits = UnitsNamedBy(from, shown);
    std::vector<UnitIndex> toUnits = UnitsNamedBy(to, shown);
    if (fromUnits.empty()) {
        return {PairVerdict::FromUnknown};
    }
    if (toUnits.empty()) {
        return {PairVerdict::ToUnknown};
    }
    if (!OneName(fromUnits, shown)) {
        return {PairVerdict::FromAmbiguous};
    }
    if (!OneName(toUnits, shown)) {
        return {PairVerdict::ToAmbiguous};
    }
    std::sort(fromUnits.begin(), fromUnits.end());
    for (const UnitIndex fromUnit : fromUnits) {
        const auto sameCategory = std::find_if(toUnits.begin(), toUnits.end(), [&](UnitIndex toUnit) {
            return CategoryOfUnit(toUnit) == CategoryOfUnit(fromUnit);
        });
        if (sameCategory != toUnits.end()) {
            return {PairVerdict::Found, fromUnit, *sameCategory};
        }
    }
    return {PairVerdict::DifferentCategories, fromUnits.front(), toUnits.front()};
}

} // namespace tavrix
