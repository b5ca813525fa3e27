// Names close to a text that matches no unit: what a refusal suggests.
#include "UnitSearch.h"

#include "SearchableUnits.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <set>

namespace tavrix {

namespace {

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
    std::size_t whole = distance(name.letters);
    for (const std::string& part : name.partLetters) {
        whole = std::min(whole, distance(part));
    }
    if (whole <= farthest) {
        return whole;
    }
    std::size_t word = farthest + 1;
    for (const std::string& each : name.wordLetters) {
        word = std::min(word, distance(each));
    }
    return word <= farthest ? std::optional(word + 1) : std::nullopt;
}

std::string LettersTyped(std::string_view query) {
    std::string letters;
    for (const UnitWord& word : WrittenWords(query)) {
        letters += word.written;
    }
    return letters;
}

} // namespace

std::vector<UnitIndex> UnitsCloseTo(std::string_view query, Spelling shown, std::size_t count) {
    const std::string typed = LettersTyped(query);
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

} // namespace tavrix
