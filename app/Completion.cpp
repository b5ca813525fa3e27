#include "Completion.h"

#include "CommandLineArguments.h"
#include "DefaultSpelling.h"
#include "LocaleNumberFormat.h"
#include "UnitSearch.h"
#include "ValueFieldLimits.h"
#include "ValueWithUnits.h"

#include <QLocale>

#include <algorithm>
#include <optional>

namespace tavrix {

namespace {

// One word of a shell command line: as typed, and as the program receives it.
struct ShellWord {
    std::string raw;
    std::string value;
    char openQuote = 0; // the quote still open at the end of the line, if any
};

// Splits a command line as the shell does: blanks part words, quotes and
// backslashes keep what they hold together. The last word is the one being
// typed (empty after a blank).
std::vector<ShellWord> ShellWords(std::string_view line) {
    std::vector<ShellWord> words(1);
    char quote = 0;
    for (std::size_t at = 0; at < line.size(); ++at) {
        const char c = line[at];
        ShellWord& word = words.back();
        if (quote == 0 && (c == ' ' || c == '\t' || c == '\n')) {
            if (!word.raw.empty()) {
                words.emplace_back();
            }
            continue;
        }
        word.raw += c;
        const bool escapes = c == '\\' && quote != '\'' && at + 1 < line.size();
        if (escapes &&
            (quote == 0 || std::string_view("\"\\$`").find(line[at + 1]) != std::string_view::npos)) {
            word.raw += line[++at];
            word.value += line[at];
        } else if (quote == 0 && (c == '\'' || c == '"')) {
            quote = c;
        } else if (quote != 0 && c == quote) {
            quote = 0;
        } else {
            word.value += c;
        }
    }
    words.back().openQuote = quote;
    return words;
}

// A name written so that the shell reads it back as it is.
std::string ShellWritten(std::string_view name, char openQuote) {
    if (openQuote != 0) {
        return openQuote + std::string(name) + openQuote;
    }
    constexpr std::string_view Special = " \t\n'\"\\$`!&|;<>()[]{}*?#~,^";
    std::string written;
    for (const char c : name) {
        if (Special.find(c) != std::string_view::npos) {
            written += '\\';
        }
        written += c;
    }
    return written;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view start) {
    return text.size() >= start.size() &&
           std::equal(start.begin(), start.end(), text.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           });
}

std::string CommonStart(const std::vector<std::string>& texts) {
    std::string common = texts.front();
    for (const std::string& text : texts) {
        common.resize(static_cast<std::size_t>(
            std::mismatch(common.begin(), common.end(), text.begin(), text.end()).first - common.begin()));
    }
    return common;
}

// Names are offered whatever the case typed, as the unit names are.
std::vector<std::string> Starting(std::vector<std::string> names, std::string_view typed) {
    std::erase_if(names, [&](const std::string& name) { return !StartsWithIgnoringCase(name, typed); });
    return names;
}

// The names of the units matching `typed`, each once: in the spelling that
// continues what was typed when one does, else in `shown`.
std::vector<std::string> UnitNamesFor(std::string_view typed, Spelling shown,
                                      const std::optional<std::vector<int>>& categories) {
    std::vector<UnitIndex> units;
    if (typed.empty()) {
        for (int unit = 0; unit < UnitCount; ++unit) {
            units.push_back(static_cast<UnitIndex>(unit));
        }
    } else {
        units = SearchUnits(typed, shown);
    }
    std::vector<std::string> names;
    for (const UnitIndex unit : units) {
        if (categories &&
            std::find(categories->begin(), categories->end(), CategoryOfUnit(unit)) == categories->end()) {
            continue;
        }
        const Spelling other = shown == Spelling::USA ? Spelling::European : Spelling::USA;
        const bool otherContinues = !StartsWithIgnoringCase(VisibleName(unit, shown), typed) &&
                                    StartsWithIgnoringCase(VisibleName(unit, other), typed);
        std::string name(VisibleName(unit, otherContinues ? other : shown));
        if (std::find(names.begin(), names.end(), name) == names.end()) {
            names.push_back(std::move(name));
        }
    }
    // Names that continue what was typed, where there are any, as a Tab
    // usually offers; otherwise every name found ("kel" is "°Kelvin").
    if (std::any_of(names.begin(), names.end(),
                    [&](const std::string& name) { return StartsWithIgnoringCase(name, typed); })) {
        std::erase_if(names, [&](const std::string& name) { return !StartsWithIgnoringCase(name, typed); });
    }
    return names;
}

std::vector<std::string> CategoryNamesFor(std::string_view typed) {
    std::vector<std::string> names;
    const std::vector<int> named = CategoriesNamedBy(typed);
    for (int category = 0; category < CategoryCount; ++category) {
        if (typed.empty() || std::find(named.begin(), named.end(), category) != named.end()) {
            names.emplace_back(CategoryNames.at(static_cast<std::size_t>(category)));
        }
    }
    return names;
}

// What the words before the one being typed have said, read by the parser
// the program reads its arguments with.
ArgumentsSoFar WhatWasSaid(const std::vector<ShellWord>& words) {
    std::vector<std::string> said;
    for (std::size_t at = 1; at + 1 < words.size(); ++at) {
        said.push_back(words[at].value);
    }
    return ParseArgumentsSoFar(said);
}

// The options that may still be given after what was said.
std::vector<std::string> OptionsStillOpen(const ArgumentsSoFar& said) {
    const Mode mode = said.arguments.mode;
    std::vector<std::string> open;
    for (const OptionSpec& option : CommandLineOptions()) {
        const bool given = std::find(said.options.begin(), said.options.end(), &option) != said.options.end();
        // Before a job is chosen, any option may come first.
        const bool fits = mode == Mode::Window ||
                          (!option.mode && std::find(option.goesWith.begin(), option.goesWith.end(), mode) !=
                                               option.goesWith.end());
        if (!given && fits) {
            open.emplace_back(option.name);
        }
    }
    return open;
}

// The categories a value that carries its units is of ("5 ft 11 in" is a
// length); none for a plain number, whose unit comes next.
std::optional<std::vector<int>> CategoriesOfValue(const std::string& value, Spelling spelling,
                                                  const QLocale& locale) {
    const ValueWithUnits written =
        ReadValueWithUnits(value, {}, spelling, QString(DecimalSeparatorOf(locale)).toStdString(),
                           {MaxPreDecimalDigits, MaxPostDecimalDigits});
    if (written.compound != NoUnit) {
        return std::vector{CategoryOfUnit(written.compound)};
    }
    if (!written.unitText.empty()) {
        return CategoriesOfFromUnit(written.unitText, spelling);
    }
    return std::nullopt;
}

// The names that may stand where `typed` is, unescaped.
std::vector<std::string> Candidates(const ArgumentsSoFar& said, const ShellWord& current,
                                    const QLocale& locale) {
    const std::string& typed = current.value;
    if (said.awaitingValueOf) {
        // Qt's options take files, names and sizes: the shell's own completion.
        const OptionSpec* option = OptionNamed(*said.awaitingValueOf);
        return option != nullptr ? Starting(option->values, typed) : std::vector{std::string(CompleteFiles)};
    }
    if (!said.optionsEnded && IsOptionWord(typed)) {
        const std::size_t equals = typed.find('=');
        if (const OptionSpec* option = OptionNamed(typed.substr(0, equals));
            option && equals != std::string::npos) {
            std::vector<std::string> values;
            for (const std::string& value : option->values) {
                values.push_back(typed.substr(0, equals + 1) + value);
            }
            return Starting(values, typed);
        }
        return Starting(OptionsStillOpen(said), typed);
    }
    const Spelling spelling = said.arguments.spelling.value_or(DefaultSpelling(locale));
    const std::vector<std::string>& operands = said.arguments.operands;
    const std::size_t position = operands.size();
    switch (said.arguments.mode) {
    case Mode::Convert:
        if (position == 1) {
            // After a value that carries its units, the unit to convert to.
            return UnitNamesFor(typed, spelling, CategoriesOfValue(operands[0], spelling, locale));
        }
        if (position == 2) {
            return UnitNamesFor(typed, spelling, CategoriesOfFromUnit(operands[1], spelling));
        }
        return {};
    case Mode::List:
        return position == 0 ? CategoryNamesFor(typed) : std::vector<std::string>{};
    case Mode::Window:
        return {std::string(CompleteFiles)};
    case Mode::Help:
    case Mode::Version:
    case Mode::Complete:
        break;
    }
    return {};
}

} // namespace

std::vector<std::string> Completions(std::string_view line, std::string_view word, const QLocale& locale) {
    const std::vector<ShellWord> words = ShellWords(line);
    const ShellWord& current = words.back();
    if (words.size() < 2) {
        return {}; // still typing the program's name
    }
    const std::vector<std::string> candidates = Candidates(WhatWasSaid(words), current, locale);
    if (candidates.size() == 1 && candidates.front() == CompleteFiles) {
        return candidates;
    }
    // Bash replaces only `word`, the end of the shell word after its last
    // word break ("=" in "--format=fi").
    const std::string_view before =
        std::string_view(current.raw).ends_with(word)
            ? std::string_view(current.raw).substr(0, current.raw.size() - word.size())
            : std::string_view();
    std::vector<std::string> replies;
    for (const std::string& candidate : candidates) {
        const std::string written = ShellWritten(candidate, current.openQuote);
        if (written.starts_with(before)) {
            replies.push_back(written.substr(before.size()));
        }
    }
    // Bash puts the replies' common start in place of the word: where that
    // would cut what was typed ("ft min" to "ft" for "ft/min", "ft³/min"), an
    // empty reply leaves the word as it is, and the replies are listed.
    if (replies.size() > 1 && !StartsWithIgnoringCase(CommonStart(replies), word)) {
        replies.insert(replies.begin(), std::string());
    }
    return replies;
}

} // namespace tavrix
