#include "SearchableUnits.h"

#include "AsciiText.h"
#include "Utf8.h"
#include "UnitSearch.h"
#include "UnitSymbols.h"

#include <algorithm>
#include <unordered_map>

namespace tavrix {

namespace {

std::string KeyOf(std::string_view text, bool ignoringCase) {
    std::string key;
    for (std::size_t at = 0; at < text.size();) {
        if (const SignInNames* sign = SignAt(text.substr(at))) {
            key += sign->ascii;
            at += sign->utf8.size();
            continue;
        }
        if (text[at] != ' ' && text[at] != '.' && text[at] != '\t') {
            key += ignoringCase ? AsciiLower(text[at]) : text[at];
        }
        ++at;
    }
    return key;
}

std::string LettersOf(const UnitWords& words) {
    std::string letters;
    for (const UnitWord& word : words) {
        letters += word.written;
    }
    return letters;
}

bool Measures(const UnitWords& words) {
    return std::any_of(words.begin(), words.end(),
                       [](const UnitWord& word) { return !word.divides && !word.qualifier; });
}

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

SearchableName SearchableNameOf(std::string_view name) {
    SearchableName searchable;
    searchable.words = NameWords(name);
    searchable.readings.push_back(Measuring(searchable.words));
    searchable.qualifiers = QualifiersOf(searchable.words);
    searchable.keysInCase.push_back(SymbolKeyInCase(name));
    searchable.letters = LettersOf(searchable.words);
    for (const std::string& part : NamePartTextsOf(name)) {
        const UnitWords partWords = NameWords(part);
        // A bracket of qualifiers alone ("(short)", "(steam)") names no unit.
        if (Measures(partWords)) {
            searchable.readings.push_back(Measuring(partWords));
        }
        searchable.keysInCase.push_back(SymbolKeyInCase(part));
        searchable.partLetters.push_back(LettersOf(partWords));
    }
    for (const UnitWord& word : searchable.words) {
        if (!word.divides) {
            searchable.wordLetters.push_back(word.written);
        }
    }
    return searchable;
}

void AddSymbols(std::vector<SearchableUnit>& units) {
    std::unordered_multimap<std::string_view, std::size_t> unitsNamed;
    for (std::size_t unit = 0; unit < units.size(); ++unit) {
        unitsNamed.emplace(VisibleName(static_cast<UnitIndex>(unit), Spelling::European), unit);
    }
    for (const UnitSymbol& symbol : UnitSymbols()) {
        const auto [first, last] = unitsNamed.equal_range(symbol.unitName);
        for (auto named = first; named != last; ++named) {
            SearchableUnit& entry = units[named->second];
            for (const Spelling spelling : {Spelling::European, Spelling::USA}) {
                const bool applies = symbol.spelling == SymbolSpelling::Any ||
                                     (symbol.spelling == SymbolSpelling::USA) == (spelling == Spelling::USA);
                if (applies) {
                    entry.symbols[static_cast<std::size_t>(spelling)].push_back(SymbolKey(symbol.symbol));
                    entry.symbolsInCase[static_cast<std::size_t>(spelling)].push_back(
                        SymbolKeyInCase(symbol.symbol));
                }
            }
            if (symbol.caseCounts) {
                entry.caseCounting.emplace_back(SymbolKey(symbol.symbol), SymbolKeyInCase(symbol.symbol));
            }
        }
    }
}

} // namespace

std::string SymbolKey(std::string_view text) {
    return KeyOf(text, true);
}

std::string SymbolKeyInCase(std::string_view text) {
    return KeyOf(text, false);
}

const std::vector<SearchableUnit>& SearchableUnits() {
    static const std::vector<SearchableUnit> units = [] {
        std::vector<SearchableUnit> made(UnitCount);
        for (int unit = 0; unit < UnitCount; ++unit) {
            auto& entry = made[static_cast<std::size_t>(unit)];
            const std::string_view european = VisibleName(static_cast<UnitIndex>(unit), Spelling::European);
            const std::string_view usa = VisibleName(static_cast<UnitIndex>(unit), Spelling::USA);
            entry.spellings[0] = SearchableNameOf(european);
            entry.spellings[1] = usa == european ? entry.spellings[0] : SearchableNameOf(usa);
            entry.visibleLength = {CharacterCount(european), CharacterCount(usa)};
        }
        AddSymbols(made);
        return made;
    }();
    return units;
}

} // namespace tavrix
