#include "CommandLineArguments.h"

#include "CommandLineText.h"
#include "TerminalText.h"
#include "Utf8.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>

namespace tavrix {

namespace {

// How much of a typed text an error message repeats.
constexpr std::size_t MaxQuotedBytes = 60;

// Qt's own documented options, which go to the window; Qt takes each with
// one dash or two.
enum class QtValue { None, Next, NextOrAttached, Attached };
struct QtOption {
    std::string_view name;
    QtValue value;
};
constexpr std::array<QtOption, 21> QtOptions{{
    {"platform", QtValue::Next},
    {"platformpluginpath", QtValue::Next},
    {"platformtheme", QtValue::Next},
    {"plugin", QtValue::Next},
    {"qwindowgeometry", QtValue::Next},
    {"qwindowicon", QtValue::Next},
    {"qwindowtitle", QtValue::Next},
    {"session", QtValue::Next},
    {"display", QtValue::Next},
    {"geometry", QtValue::Next},
    {"title", QtValue::Next},
    {"icon", QtValue::Next},
    {"name", QtValue::Next},
    {"style", QtValue::NextOrAttached},
    {"stylesheet", QtValue::NextOrAttached},
    {"qmljsdebugger", QtValue::Attached},
    {"reverse", QtValue::None},
    {"widgetcount", QtValue::None},
    {"sync", QtValue::None},
    {"nograb", QtValue::None},
    {"dograb", QtValue::None},
}};

constexpr std::array<std::pair<std::string_view, ResultFormatCode>, 3> Formats{
    {{"fixed", FormatFixed}, {"grouped", FormatThousands}, {"scientific", FormatScientific}}};
constexpr std::array<std::pair<std::string_view, Spelling>, 2> Spellings{
    {{"europe", Spelling::European}, {"usa", Spelling::USA}}};

template <typename Value, std::size_t N>
std::vector<std::string> NamesOf(const std::array<std::pair<std::string_view, Value>, N>& table) {
    std::vector<std::string> names;
    for (const auto& [name, value] : table) {
        names.emplace_back(name);
    }
    return names;
}

std::vector<std::string> DecimalsValues() {
    std::vector<std::string> values;
    for (int decimals = 0; decimals <= MaxDecimals; ++decimals) {
        values.push_back(std::to_string(decimals));
    }
    return values;
}

int ParseDecimals(std::string_view text) {
    int decimals = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), decimals);
    if (error != std::errc() || end != text.data() + text.size() || decimals < 0 || decimals > MaxDecimals) {
        throw UsageError(Said(CommandLineText::tr("--decimals takes a whole number from 0 to %1, not %2"),
                              std::to_string(MaxDecimals), Quoted(text)));
    }
    return decimals;
}

template <typename Value, std::size_t N>
Value ParseChoice(std::string_view option, const std::array<std::pair<std::string_view, Value>, N>& table,
                  std::string_view text) {
    std::string choices;
    for (std::size_t at = 0; at < N; ++at) {
        if (table[at].first == text) {
            return table[at].second;
        }
        if (at + 1 < N) {
            choices += (at == 0 ? "" : ", ") + std::string(table[at].first);
        }
    }
    choices = Said(CommandLineText::tr("%1 or %2", "the last two of a list"), choices, table[N - 1].first);
    throw UsageError(Said(CommandLineText::tr("%1 takes %2, not %3"), option, choices, Quoted(text)));
}

const QtOption* QtOptionNamed(std::string_view argument) {
    std::string_view name = argument.substr(argument.starts_with("--") ? 2 : 1);
    name = name.substr(0, name.find('='));
    const auto found =
        std::find_if(QtOptions.begin(), QtOptions.end(), [&](const QtOption& o) { return o.name == name; });
    return found == QtOptions.end() ? nullptr : &*found;
}

class Parser {
public:
    // Lenient, it reads a line still being typed: what it cannot take it
    // passes over, and an option whose value has yet to come is noted.
    Parser(const std::vector<std::string>& arguments, bool lenient)
        : arguments_(arguments), lenient_(lenient) {}

    ArgumentsSoFar parseSoFar() {
        parse();
        return {parsed_, given_, awaitingValueOf_, optionsEnded_};
    }

    Arguments parse() {
        if (!lenient_ && !arguments_.empty() && arguments_.front() == "--complete") {
            for (std::size_t at = 1; at < arguments_.size(); ++at) {
                requireText(at);
            }
            if (arguments_.size() != 3) {
                throw UsageError(
                    Said(CommandLineText::tr("--complete takes the command line and the word to complete")));
            }
            Arguments complete;
            complete.mode = Mode::Complete;
            complete.operands = {arguments_[1], arguments_[2]};
            return complete;
        }
        for (at_ = 0; at_ < arguments_.size(); ++at_) {
            const std::string& argument = arguments_[at_];
            if (optionsEnded_ || !IsOptionWord(argument)) {
                parsed_.operands.push_back(argument);
                operandAt_.push_back(at_);
            } else if (argument == "--") {
                optionsEnded_ = true;
            } else {
                try {
                    requireText(at_);
                    takeOption(argument);
                } catch (const UsageError&) {
                    if (!lenient_) {
                        throw;
                    }
                }
            }
        }
        if (lenient_) {
            return parsed_;
        }
        // The window's operands are file names, which the file system holds
        // as bytes in any encoding; the jobs' operands are text.
        if (parsed_.mode != Mode::Window) {
            for (const std::size_t at : operandAt_) {
                requireText(at);
            }
        }
        checkOperands();
        return parsed_;
    }

private:
    void requireText(std::size_t at) const {
        if (!IsUtf8(arguments_[at])) {
            throw UsageError(Said(CommandLineText::tr("argument %1, \"%2\", is not UTF-8 text"),
                                  std::to_string(at + 1), ShownOnTerminal(arguments_[at])));
        }
    }

    void setMode(Mode mode) {
        if (parsed_.mode != Mode::Window) {
            throw UsageError(Said(CommandLineText::tr("--convert, --list, --help and --version go alone")));
        }
        parsed_.mode = mode;
    }

    // The value of an option that takes one: after its "=", or the next argument.
    std::string_view valueOf(std::string_view name, std::string_view argument) {
        if (argument.size() > name.size()) {
            return argument.substr(name.size() + 1);
        }
        if (at_ + 1 >= arguments_.size()) {
            awaitingValueOf_ = name;
            throw UsageError(Said(CommandLineText::tr("%1 needs a value"), name));
        }
        return arguments_[++at_];
    }

    void takeOption(std::string_view argument) {
        const std::string_view name =
            argument.starts_with("--") ? argument.substr(0, argument.find('=')) : argument;
        const OptionSpec* option = OptionNamed(name);
        if (option == nullptr) {
            const QtOption* qt = QtOptionNamed(argument);
            if (qt == nullptr) {
                throw UsageError(Said(CommandLineText::tr("unknown option %1"), Quoted(argument)));
            }
            takeQtOption(*qt, argument);
            return;
        }
        given_.push_back(option);
        if (option->values.empty() && name.size() < argument.size()) {
            throw UsageError(Said(CommandLineText::tr("%1 takes no value after \"=\""), name));
        }
        if (option->mode) {
            setMode(*option->mode);
        } else if (name == "--log") {
            parsed_.log = true;
        } else if (name == "--decimals") {
            parsed_.decimals = ParseDecimals(valueOf(name, argument));
        } else if (name == "--format") {
            parsed_.format = ParseChoice(name, Formats, valueOf(name, argument));
        } else if (name == "--spelling") {
            parsed_.spelling = ParseChoice(name, Spellings, valueOf(name, argument));
        }
    }

    void takeQtOption(const QtOption& option, std::string_view argument) {
        const bool attached = argument.find('=') != std::string_view::npos;
        const bool fits =
            option.value == QtValue::NextOrAttached || attached == (option.value == QtValue::Attached);
        if (!fits) {
            throw UsageError(Said(CommandLineText::tr("unknown option %1"), Quoted(argument)));
        }
        parsed_.qtOptions.emplace_back(argument);
        if (!attached && (option.value == QtValue::Next || option.value == QtValue::NextOrAttached)) {
            if (at_ + 1 >= arguments_.size()) {
                awaitingValueOf_ = argument;
                throw UsageError(Said(CommandLineText::tr("%1 needs a value"), argument));
            }
            parsed_.qtOptions.push_back(arguments_[++at_]);
        }
    }

    void checkOperands() const {
        const std::size_t count = parsed_.operands.size();
        const auto surplus = [&](std::size_t allowed) {
            return UsageError(
                Said(CommandLineText::tr("unexpected argument %1"), Quoted(parsed_.operands.at(allowed))));
        };
        if (parsed_.mode != Mode::Window && !parsed_.qtOptions.empty()) {
            throw UsageError(
                Said(CommandLineText::tr(
                         "%1 is an option of the window, not of --convert, --list, --help or --version"),
                     Quoted(parsed_.qtOptions.front())));
        }
        switch (parsed_.mode) {
        case Mode::Convert:
            // Two: a value that carries its unit ("5 ft 11 in") and the unit to convert to.
            if (count < 2) {
                throw ConvertNeedsItsOperands();
            }
            if (count > 3) {
                throw surplus(3);
            }
            break;
        case Mode::List:
            if (count > 1) {
                throw surplus(1);
            }
            break;
        case Mode::Help:
        case Mode::Version:
            if (count > 0) {
                throw surplus(0);
            }
            break;
        case Mode::Window:
        case Mode::Complete:
            break;
        }
        for (const OptionSpec* option : given_) {
            const auto& jobs = option->goesWith;
            if (!option->mode && std::find(jobs.begin(), jobs.end(), parsed_.mode) == jobs.end()) {
                throw UsageError(Said(jobs.size() == 1
                                          ? CommandLineText::tr("%1 goes with --convert")
                                          : CommandLineText::tr("%1 goes with --convert or --list"),
                                      option->name));
            }
        }
    }

    const std::vector<std::string>& arguments_;
    const bool lenient_;
    bool optionsEnded_ = false;
    std::optional<std::string> awaitingValueOf_;
    std::size_t at_ = 0;
    std::vector<std::size_t> operandAt_; // where each operand stands in arguments_
    Arguments parsed_;
    std::vector<const OptionSpec*> given_;
};

} // namespace

const std::vector<OptionSpec>& CommandLineOptions() {
    static const std::vector<OptionSpec> options{
        {"--convert", Mode::Convert, {}, {}},
        {"--list", Mode::List, {}, {}},
        {"-h", Mode::Help, {}, {}},
        {"--help", Mode::Help, {}, {}},
        {"--version", Mode::Version, {}, {}},
        {"--decimals", {}, DecimalsValues(), {Mode::Convert}},
        {"--format", {}, NamesOf(Formats), {Mode::Convert}},
        {"--spelling", {}, NamesOf(Spellings), {Mode::Convert, Mode::List}},
        {"--log", {}, {}, {Mode::Convert}},
    };
    return options;
}

UsageError ConvertNeedsItsOperands() {
    return UsageError(
        Said(CommandLineText::tr("--convert needs a value, a unit to convert from and one to convert to")));
}

const OptionSpec* OptionNamed(std::string_view name) {
    const auto& options = CommandLineOptions();
    const auto found =
        std::find_if(options.begin(), options.end(), [&](const OptionSpec& o) { return o.name == name; });
    return found == options.end() ? nullptr : &*found;
}

bool IsOptionWord(std::string_view argument) {
    return argument.size() > 1 && argument.starts_with('-') && !(argument[1] >= '0' && argument[1] <= '9') &&
           argument[1] != '.' && argument[1] != ',';
}

std::string Quoted(std::string_view text) {
    if (text.size() > MaxQuotedBytes) {
        const std::size_t cut = Utf8CutBefore(text, MaxQuotedBytes);
        return Said(CommandLineText::tr("\"%1\u2026\" (%2 bytes)"), ShownOnTerminal(text.substr(0, cut)),
                    std::to_string(text.size()));
    }
    return "\"" + ShownOnTerminal(text) + "\"";
}

Arguments ParseArguments(const std::vector<std::string>& arguments) {
    return Parser(arguments, false).parse();
}

ArgumentsSoFar ParseArgumentsSoFar(const std::vector<std::string>& arguments) {
    return Parser(arguments, true).parseSoFar();
}

} // namespace tavrix
