#include "CommandLine.h"

#include "ConversionRules.h"
#include "DefaultSpelling.h"
#include "LocaleNumberFormat.h"
#include "OV4_Input_Validation.h"
#include "RefusalTexts.h"
#include "UnitSearch.h"
#include "Utf8Text.h"
#include "ValueFieldLimits.h"

#include <QLocale>

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <stdexcept>
#include <utility>

namespace tavrix {

namespace {

constexpr int ExitConverted = 0;
constexpr int ExitRefused = 1;
constexpr int ExitUsage = 2;

// As the window starts without settings: 6 decimals, fixed notation.
constexpr int DefaultDecimals = 6;
// How much of a typed text an error message repeats.
constexpr std::size_t MaxQuotedBytes = 60;
// An ambiguous name lists this many of the units it could mean.
constexpr std::size_t MaxCandidatesShown = 10;

constexpr std::string_view HelpText =
    R"(Usage: tavrix                        start the converter's window
       tavrix --convert VALUE FROM TO [--decimals N] [--format FORMAT]
                                    [--spelling SPELLING] [--log]
       tavrix --list [CATEGORY] [--spelling SPELLING]
       tavrix --help | --version

  --convert VALUE FROM TO  print VALUE, in unit FROM, converted to unit TO,
                           as the window's result field shows it
  --decimals N             decimals of the result, 0 to 16 (default 6)
  --format FORMAT          fixed (default), grouped (with thousands
                           separators) or scientific
  --spelling SPELLING      europe ("litre") or usa ("liter"); by default the
                           one the window starts with on this desktop
  --log                    print the line the window adds to the results log
  --list [CATEGORY]        print the categories, or the units of one
  --help                   print this help
  --version                print the version

Units and categories are found by part of their names, as "Find unit..." in
the window finds them: case, spaces, punctuation and brackets do not count,
each word typed must start a word of the name ("ft min" is "ft/min"), both
spellings count, and "2", "3", "deg" and "u" stand for the signs "²", "³",
"°" and "µ". A name that two categories share (the litre of "Liquid
measure" and of "Volume / Capacity") is taken in the first category that
holds the other unit too.

VALUE and the result use the decimal separator of the regional settings
(LC_ALL, LC_NUMERIC, LANG); a value has at most 12 digits before it and 10
after it.

Exit status: 0 when converted or listed, 1 when the conversion is refused
(with the window's message), 2 for a usage error.
)";

// A mistake in the arguments: its message goes to stderr, the exit status is 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class Mode { None, Convert, List, Help, Version };

struct Options {
    Mode mode = Mode::None;
    std::string value, from, to;
    std::optional<std::string> category;
    std::optional<int> decimals;
    std::optional<ResultFormatCode> format;
    std::optional<Spelling> spelling;
    bool log = false;
};

constexpr std::array<std::string_view, 9> OptionNames{
    "--convert", "--list", "--help", "-h", "--version", "--decimals", "--format", "--spelling", "--log"};

std::string_view NameOf(std::string_view argument) {
    return argument.starts_with("--") ? argument.substr(0, argument.find('=')) : argument;
}

// A typed text as an error message quotes it: an argument can be as long as
// the shell allows, so a long one is cut (at a character's start) and marked.
std::string Quoted(std::string_view text) {
    if (text.size() > MaxQuotedBytes) {
        std::size_t cut = MaxQuotedBytes;
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        return "\"" + std::string(text.substr(0, cut)) + "\u2026\" (" + std::to_string(text.size()) +
               " bytes)";
    }
    return "\"" + std::string(text) + "\"";
}

int ParseDecimals(std::string_view text) {
    int decimals = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), decimals);
    if (error != std::errc() || end != text.data() + text.size() || decimals < 0 || decimals > MaxDecimals) {
        throw UsageError("--decimals takes a whole number from 0 to 16, not " + Quoted(text));
    }
    return decimals;
}

ResultFormatCode ParseFormat(std::string_view text) {
    constexpr std::array<std::pair<std::string_view, ResultFormatCode>, 3> formats{
        {{"fixed", FormatFixed}, {"grouped", FormatThousands}, {"scientific", FormatScientific}}};
    for (const auto& [name, code] : formats) {
        if (text == name) {
            return code;
        }
    }
    throw UsageError("--format takes fixed, grouped or scientific, not " + Quoted(text));
}

Spelling ParseSpelling(std::string_view text) {
    if (text == "europe") {
        return Spelling::European;
    }
    if (text == "usa") {
        return Spelling::USA;
    }
    throw UsageError("--spelling takes europe or usa, not " + Quoted(text));
}

Options ParseArguments(const std::vector<std::string>& arguments) {
    Options options;
    const auto setMode = [&](Mode mode) {
        if (options.mode != Mode::None) {
            throw UsageError("--convert, --list, --help and --version go alone");
        }
        options.mode = mode;
    };
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        const std::string_view argument = arguments[at];
        const std::string_view name = NameOf(argument);
        const bool attached = name.size() < argument.size();
        // The value of an option that takes one: after its "=" or next.
        const auto optionValue = [&]() -> std::string_view {
            if (attached) {
                return argument.substr(name.size() + 1);
            }
            if (at + 1 >= arguments.size()) {
                throw UsageError(std::string(name) + " needs a value");
            }
            return arguments[++at];
        };
        const auto noValue = [&] {
            if (attached) {
                throw UsageError(std::string(name) + " takes no value after \"=\"");
            }
        };
        if (name == "--convert") {
            noValue();
            setMode(Mode::Convert);
            if (at + 3 >= arguments.size()) {
                throw UsageError("--convert needs a value, a unit to convert from and one to convert to");
            }
            options.value = arguments[at + 1];
            options.from = arguments[at + 2];
            options.to = arguments[at + 3];
            at += 3;
        } else if (name == "--list") {
            noValue();
            setMode(Mode::List);
            if (at + 1 < arguments.size() && !arguments[at + 1].starts_with("--")) {
                options.category = arguments[++at];
            }
        } else if (name == "--help" || name == "-h") {
            setMode(Mode::Help);
        } else if (name == "--version") {
            setMode(Mode::Version);
        } else if (name == "--decimals") {
            options.decimals = ParseDecimals(optionValue());
        } else if (name == "--format") {
            options.format = ParseFormat(optionValue());
        } else if (name == "--spelling") {
            options.spelling = ParseSpelling(optionValue());
        } else if (name == "--log") {
            noValue();
            options.log = true;
        } else {
            throw UsageError("unknown argument " + Quoted(argument));
        }
    }
    if (options.mode == Mode::None) {
        throw UsageError("say --convert or --list");
    }
    if (options.mode != Mode::Convert && (options.decimals || options.format || options.log)) {
        throw UsageError("--decimals, --format and --log go with --convert");
    }
    return options;
}

// Writes each piece and one line end.
void PrintLine(std::FILE* stream, std::initializer_list<std::string_view> pieces) {
    for (const std::string_view piece : pieces) {
        std::fwrite(piece.data(), 1, piece.size(), stream);
    }
    std::fputc('\n', stream);
}

std::string_view CategoryName(int category) {
    return CategoryNames.at(static_cast<std::size_t>(category));
}

// "unit — category", as the window's unit finder lists it.
std::string UnitWithCategory(UnitIndex unit, Spelling spelling) {
    return std::string(VisibleName(unit, spelling)) + " \u2014 " +
           std::string(CategoryName(CategoryOfUnit(unit)));
}

// A usage error that lists what an ambiguous or unknown name could mean.
template <typename Candidate, typename Describe>
UsageError NotOne(std::string_view what, std::string_view whatPlural, std::string_view typed,
                  const std::vector<Candidate>& candidates, Describe describe) {
    if (candidates.empty()) {
        return UsageError("no " + std::string(what) + " matches " + Quoted(typed));
    }
    std::string message = Quoted(typed) + " could be any of these " + std::string(whatPlural) + ":";
    for (std::size_t shown = 0; shown < std::min(candidates.size(), MaxCandidatesShown); ++shown) {
        message += "\n  " + describe(candidates[shown]);
    }
    if (candidates.size() > MaxCandidatesShown) {
        message += "\n  ... and " + std::to_string(candidates.size() - MaxCandidatesShown) + " more";
    }
    return UsageError(message);
}

UsageError UnitNotFound(std::string_view typed, Spelling spelling) {
    return NotOne("unit", "units", typed, UnitsNamedBy(typed, spelling),
                  [spelling](UnitIndex unit) { return UnitWithCategory(unit, spelling); });
}

// The value as the value field would hold it once typed, and its number.
std::pair<QString, double> ReadValue(const std::string& typed, QChar separator) {
    const PasteVerdict verdict = FilterPastedText({}, 0, 0, QString::fromStdString(typed), true,
                                                  MaxPreDecimalDigits, MaxPostDecimalDigits, separator);
    const std::string rule = " (the value field takes at most 12 digits before the decimal separator and 10 "
                             "after it)";
    if (verdict.limitReached != DigitLimit::None) {
        throw UsageError(Quoted(typed) + " has too many digits" + rule);
    }
    bool readable = false;
    const double value = ReadEditValue(verdict.inserted, readable, true, true, separator);
    if (!verdict.accepted() || !readable) {
        throw UsageError(Quoted(typed) + " is not a number written with \"" +
                         QString(separator).toStdString() + "\" as its decimal separator");
    }
    return {verdict.inserted, value};
}

int Convert(const Options& options, const QLocale& locale, std::FILE* out, std::FILE* err) {
    const Spelling spelling = options.spelling.value_or(DefaultSpelling(locale));
    const NumberFormat format = NumberFormatOf(locale);
    const auto [valueText, value] = ReadValue(options.value, DecimalSeparatorOf(format));
    const UnitPair pair = FindUnitPair(options.from, options.to, spelling);
    switch (pair.verdict) {
    case PairVerdict::Found:
        break;
    case PairVerdict::FromUnknown:
    case PairVerdict::FromAmbiguous:
        throw UnitNotFound(options.from, spelling);
    case PairVerdict::ToUnknown:
    case PairVerdict::ToAmbiguous:
        throw UnitNotFound(options.to, spelling);
    case PairVerdict::DifferentCategories:
        throw UsageError(Quoted(VisibleName(pair.from, spelling)) + " is a unit of " +
                         std::string(CategoryName(CategoryOfUnit(pair.from))) + " and " +
                         Quoted(VisibleName(pair.to, spelling)) + " one of " +
                         std::string(CategoryName(CategoryOfUnit(pair.to))) + ": they do not convert");
    }

    const ConversionOutcome outcome =
        ConvertForDisplay({pair.from, pair.to, value, options.decimals.value_or(DefaultDecimals),
                           options.format.value_or(FormatFixed), format});
    // The window's labels show the names as the catalogue has them.
    const std::string_view fromName = UnitNames(spelling).at(pair.from);
    const std::string_view toName = UnitNames(spelling).at(pair.to);
    if (outcome.refusal != Refusal::None) {
        const QString fieldText = RefusalFieldText(outcome.refusal);
        if (!fieldText.isEmpty()) {
            PrintLine(err, {"tavrix: ", fieldText.toStdString()});
        }
        const QString message = RefusalMessage(outcome.refusal, FromUtf8(fromName));
        PrintLine(err, {"tavrix: ", message.toStdString()});
        return ExitRefused;
    }
    if (options.log) {
        PrintLine(out, {valueText.toStdString(), " ", fromName, " = ", outcome.resultText, " ", toName});
    } else {
        PrintLine(out, {outcome.resultText});
    }
    return ExitConverted;
}

int List(const Options& options, const QLocale& locale, std::FILE* out) {
    if (!options.category) {
        for (const std::string_view name : CategoryNames) {
            PrintLine(out, {name});
        }
        return ExitConverted;
    }
    const std::vector<int> categories = CategoriesNamedBy(*options.category);
    if (categories.size() != 1) {
        throw NotOne("category", "categories", *options.category, categories,
                     [](int category) { return std::string(CategoryName(category)); });
    }
    const Spelling spelling = options.spelling.value_or(DefaultSpelling(locale));
    const CategoryRange& range = CategoryUnitRange.at(static_cast<std::size_t>(categories.front()));
    for (int unit = range.firstUnit; unit < range.firstUnit + range.unitCount; ++unit) {
        PrintLine(out, {VisibleName(static_cast<UnitIndex>(unit), spelling)});
    }
    return ExitConverted;
}

} // namespace

bool AsksForCommandLine(const std::vector<std::string>& arguments) {
    return std::any_of(arguments.begin(), arguments.end(), [](const std::string& argument) {
        return std::find(OptionNames.begin(), OptionNames.end(), NameOf(argument)) != OptionNames.end();
    });
}

int RunCommandLine(const std::vector<std::string>& arguments, const QLocale& locale, std::FILE* out,
                   std::FILE* err) {
    try {
        const Options options = ParseArguments(arguments);
        switch (options.mode) {
        case Mode::Convert:
            return Convert(options, locale, out, err);
        case Mode::List:
            return List(options, locale, out);
        case Mode::Help:
            std::fwrite(HelpText.data(), 1, HelpText.size(), out);
            return ExitConverted;
        case Mode::Version:
            PrintLine(out, {"Tavrix " TAVRIX_VERSION});
            return ExitConverted;
        case Mode::None:
            break;
        }
    } catch (const UsageError& error) {
        PrintLine(err, {"tavrix: ", error.what()});
        PrintLine(err, {"Try \"tavrix --help\" for more."});
    }
    return ExitUsage;
}

} // namespace tavrix
