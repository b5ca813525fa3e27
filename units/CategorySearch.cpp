// Finding a category by part of its name, as `--list` does.
#include "UnitSearch.h"

#include "UnitWords.h"

#include <algorithm>

namespace tavrix {

namespace {

std::vector<std::string> WordsWritten(std::string_view text) {
    std::vector<std::string> words;
    for (const UnitWord& word : WrittenWords(text)) {
        if (!word.divides) {
            words.push_back(word.written);
        }
    }
    return words;
}

bool BeginsSomeWord(const std::vector<std::string>& name, std::string_view typed) {
    return std::any_of(name.begin(), name.end(),
                       [&](const std::string& word) { return word.starts_with(typed); });
}

} // namespace

std::vector<int> CategoriesNamedBy(std::string_view query) {
    const std::vector<std::string> typed = WordsWritten(query);
    std::vector<int> found;
    std::vector<int> beginning;
    if (typed.empty()) {
        return found;
    }
    for (int category = 0; category < CategoryCount; ++category) {
        // A category's brackets hold no other name for it: "volume" alone is
        // not "Flow Rate (volume)".
        const std::vector<std::string> name =
            WordsWritten(CategoryNames.at(static_cast<std::size_t>(category)));
        if (name == typed) {
            return {category};
        }
        if (std::all_of(typed.begin(), typed.end(),
                        [&](const std::string& word) { return BeginsSomeWord(name, word); })) {
            found.push_back(category);
            if (name.front().starts_with(typed.front())) {
                beginning.push_back(category);
            }
        }
    }
    return beginning.size() == 1 ? beginning : found;
}

} // namespace tavrix
