#include "UnitWords.h"

#include "AsciiText.h"
#include "Tavrix_Units.h"

#include <algorithm>
#include <array>
#include <functional>
#include <unordered_map>

namespace tavrix {

namespace {

// Forms only a typed text uses for the catalogue's qualifiers.
const std::vector<WordForm> TypedQualifierForms = {{"us", "usa"}, {"imperial", "uk"}};

// Cuts a text into words: runs of ASCII letters and digits (a number
// before letters is a word of its own: "100km"), "/" between them; a "2"
// or "3" ending a word of letters, or after "^", is the word's power.
UnitWords CutIntoWords(std::string_view text) {
    UnitWords words;
    std::string run;
    bool raiseNext = false; // after "^"
    const auto endRun = [&] {
        if (run.empty()) {
            return;
        }
        const bool poweredDigit = run.size() >= 2 && (run.back() == '2' || run.back() == '3') &&
                                  std::all_of(run.begin(), run.end() - 1, IsAsciiLetter);
        if (raiseNext && (run == "2" || run == "3") && !words.empty() && !words.back().divides) {
            words.back().power = run[0] - '0';
        } else {
            const int power = poweredDigit ? run.back() - '0' : 1;
            if (poweredDigit) {
                run.pop_back();
            }
            words.push_back({false, std::move(run), {}, power, false});
        }
        run.clear();
        raiseNext = false;
    };
    for (std::size_t at = 0; at < text.size();) {
        const char c = text[at];
        if (IsAsciiLetter(c) || IsAsciiDigit(c)) {
            if (IsAsciiLetter(c) && !run.empty() && IsAsciiDigit(run.back()) &&
                std::all_of(run.begin(), run.end(), IsAsciiDigit)) {
                endRun();
            }
            run += AsciiLower(c);
            ++at;
            continue;
        }
        if (const SignInNames* sign =
                static_cast<unsigned char>(c) < 0x80 ? nullptr : SignAt(text.substr(at))) {
            at += sign->utf8.size();
            if (sign->power != 0) {
                endRun();
                if (!words.empty() && !words.back().divides) {
                    words.back().power = sign->power;
                }
            } else if (sign->ownWord) {
                endRun();
                run = sign->ascii;
                endRun();
            } else {
                run += sign->ascii;
            }
            continue;
        }
        endRun();
        if (c == '/') {
            words.push_back({true, {}, {}, 1, false});
        }
        raiseNext = c == '^';
        ++at;
    }
    endRun();
    return words;
}

// "per" divides; "sq", "square", "cu" and "cubic" raise the word after them.
UnitWords WithWordsForSigns(UnitWords words) {
    UnitWords read;
    read.reserve(words.size());
    for (std::size_t at = 0; at < words.size(); ++at) {
        const std::string& w = words[at].written;
        const int power = (w == "sq" || w == "square") ? 2 : (w == "cu" || w == "cubic") ? 3 : 0;
        if (power != 0 && at + 1 < words.size() && !words[at + 1].divides) {
            read.push_back(std::move(words[++at]));
            read.back().power = power;
        } else if (w == "per") {
            read.push_back({true, {}, {}, 1, false});
        } else {
            read.push_back(std::move(words[at]));
        }
    }
    return read;
}

using FormMap = std::unordered_map<std::string_view, std::string_view>;

FormMap MapOf(const std::vector<WordForm>& forms) {
    FormMap map;
    for (const WordForm& form : forms) {
        map.emplace(form.form, form.word);
    }
    return map;
}

std::string_view Looked(const FormMap& map, std::string_view form) {
    const auto found = map.find(form);
    return found == map.end() ? form : found->second;
}

// The USA spellings' words as the European ones ("liter" is "litre").
const FormMap& EuropeanSpellings() {
    static const std::vector<std::string> words = [] {
        std::vector<std::string> pairs;
        for (std::size_t unit = 0; unit < UnitCount; ++unit) {
            if (UnitNamesEuropean[unit] == UnitNamesUSA[unit]) {
                continue;
            }
            const UnitWords european = WrittenWords(UnitNamesEuropean[unit]);
            const UnitWords usa = WrittenWords(UnitNamesUSA[unit]);
            for (std::size_t at = 0; at < std::min(european.size(), usa.size()); ++at) {
                if (european[at].written != usa[at].written) {
                    pairs.push_back(usa[at].written);
                    pairs.push_back(european[at].written);
                }
            }
        }
        return pairs;
    }();
    static const FormMap map = [] {
        FormMap made;
        for (std::size_t at = 0; at + 1 < words.size(); at += 2) {
            made.emplace(words[at], words[at + 1]);
        }
        return made;
    }();
    return map;
}

const FormMap& Plurals() {
    static const FormMap map = MapOf(GeneratedPlurals());
    return map;
}

const FormMap& Abbreviations() {
    static const FormMap map = MapOf(WordsStandingForOthers());
    return map;
}

const FormMap& TypedQualifiers() {
    static const FormMap map = MapOf(TypedQualifierForms);
    return map;
}

bool IsQualifier(std::string_view word) {
    const auto& qualifiers = QualifierWords();
    return std::find(qualifiers.begin(), qualifiers.end(), word) != qualifiers.end();
}

std::string MeaningOf(std::string_view written) {
    const std::string_view singular = Looked(Plurals(), written);
    return std::string(Looked(Abbreviations(), Looked(EuropeanSpellings(), singular)));
}

// The catalogue's few hundred words come again and again in its names: each
// is read once. Typed words are not kept, so that typing never grows this.
std::string RememberedMeaningOf(const std::string& written) {
    static std::unordered_map<std::string, std::string> read;
    auto [entry, isNew] = read.try_emplace(written);
    if (isNew) {
        entry->second = MeaningOf(written);
    }
    return entry->second;
}

UnitWords WithMeanings(UnitWords words, std::string (*meaningOf)(const std::string&)) {
    for (UnitWord& word : words) {
        if (!word.divides) {
            word.meaning = meaningOf(word.written);
            word.qualifier = IsQualifier(word.meaning);
        }
    }
    return words;
}

// Calls `replace` on each run of ASCII letters in `text`, lower-case, and
// puts what it returns in its place.
std::string ReplacingLetterRuns(std::string_view text,
                                const std::function<std::string(const std::string&)>& replace) {
    std::string result;
    for (std::size_t at = 0; at < text.size();) {
        if (!IsAsciiLetter(text[at])) {
            result += text[at++];
            continue;
        }
        std::size_t end = at;
        while (end < text.size() && IsAsciiLetter(text[end])) {
            ++end;
        }
        std::string lower;
        for (const char c : text.substr(at, end - at)) {
            lower += AsciiLower(c);
        }
        const std::string replaced = replace(lower);
        result += replaced == lower ? std::string(text.substr(at, end - at)) : replaced;
        at = end;
    }
    return result;
}

} // namespace

UnitWords WrittenWords(std::string_view text) {
    return WithWordsForSigns(CutIntoWords(text));
}

UnitWords NameWords(std::string_view name) {
    return WithMeanings(WrittenWords(name), RememberedMeaningOf);
}

UnitWords TypedWords(std::string_view text) {
    UnitWords words =
        WithMeanings(WrittenWords(text), [](const std::string& written) { return MeaningOf(written); });
    UnitWords qualified = words;
    for (UnitWord& word : qualified) {
        const std::string_view meant = Looked(TypedQualifiers(), word.meaning);
        if (meant != word.meaning) {
            word.meaning = std::string(meant);
            word.qualifier = true;
        }
    }
    const bool measures = std::any_of(qualified.begin(), qualified.end(),
                                      [](const UnitWord& word) { return !word.divides && !word.qualifier; });
    if (!measures) {
        for (UnitWord& word : words) {
            word.qualifier = false;
        }
        return words;
    }
    return qualified;
}

const SignInNames* SignAt(std::string_view text) {
    const auto found = std::find_if(SignsInNames.begin(), SignsInNames.end(),
                                    [&](const SignInNames& sign) { return text.starts_with(sign.utf8); });
    return found == SignsInNames.end() ? nullptr : &*found;
}

bool SameMeaning(const UnitWord& a, const UnitWord& b) {
    return a.divides == b.divides && a.meaning == b.meaning && a.power == b.power;
}

UnitWords Measuring(const UnitWords& words) {
    UnitWords measuring;
    std::copy_if(words.begin(), words.end(), std::back_inserter(measuring),
                 [](const UnitWord& word) { return !word.qualifier; });
    return measuring;
}

std::vector<std::string> QualifiersOf(const UnitWords& words) {
    std::vector<std::string> qualifiers;
    for (const UnitWord& word : words) {
        if (word.qualifier) {
            qualifiers.push_back(word.meaning);
        }
    }
    std::sort(qualifiers.begin(), qualifiers.end());
    qualifiers.erase(std::unique(qualifiers.begin(), qualifiers.end()), qualifiers.end());
    return qualifiers;
}

std::string InTheSingular(std::string_view text) {
    return ReplacingLetterRuns(text, [](const std::string& word) {
        return std::string(word.size() < 3 ? word : Looked(Plurals(), word));
    });
}

std::string WithoutQualifiers(std::string_view text) {
    const UnitWords words = TypedWords(text);
    if (std::none_of(words.begin(), words.end(), [](const UnitWord& word) { return word.qualifier; })) {
        return std::string(text);
    }
    return ReplacingLetterRuns(text, [](const std::string& word) {
        const std::string_view meant = Looked(TypedQualifiers(), word);
        return IsQualifier(meant) ? std::string() : word;
    });
}

} // namespace tavrix
