// What the program's arguments ask for: the window (with Qt's own options
// and results log files to open), or one of the command line's jobs. Read
// before any window system is asked for, so that a mistyped option is a
// usage error with or without a display.
#pragma once

#include "Tavrix_Units.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tavrix {

// A mistake in the arguments: its message goes to stderr, the exit status is 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class Mode { Window, Convert, List, Help, Version, Complete };

struct Arguments {
    Mode mode = Mode::Window;
    // Convert: the value (or "-" for a column of values on standard input),
    // the unit to convert from and the one to convert to. List: the category,
    // if any. Window: the results log files to open, in order. Complete: the
    // command line typed so far and the word bash completes.
    std::vector<std::string> operands;
    std::optional<int> decimals;
    std::optional<ResultFormatCode> format;
    std::optional<Spelling> spelling;
    bool log = false;
    // Window: Qt's own options (-platform, -style, ...) with their values,
    // as Qt is to see them.
    std::vector<std::string> qtOptions;
};

// One of the command line's options, as the parser reads it and the
// completion offers it.
struct OptionSpec {
    std::string_view name;
    std::optional<Mode> mode;        // the job it asks for, if it is one
    std::vector<std::string> values; // what it takes, if it takes a value
    std::vector<Mode> goesWith;      // the jobs it belongs to, if not one itself
};
const std::vector<OptionSpec>& CommandLineOptions();
const OptionSpec* OptionNamed(std::string_view name);

// What --convert with too few operands, or a value without its unit and
// only one unit, is told.
UsageError ConvertNeedsItsOperands();

// True for an argument that reads as an option: it starts with "-" and is
// neither a number ("-40", "-.5") nor "-" alone (standard input).
bool IsOptionWord(std::string_view argument);

// Reads `arguments` (without the program's name). Options may come before or
// after the operands, "--" ends the options, a negative number is an operand.
// Throws UsageError for an unknown option, a missing or surplus operand, a
// bad option value, or an option or an operand of a job (not a file name of
// the window's) that is not UTF-8.
Arguments ParseArguments(const std::vector<std::string>& arguments);

// What the words of a command line still being typed have said, read as
// ParseArguments reads them but refusing nothing: what the completion goes by.
struct ArgumentsSoFar {
    Arguments arguments;
    std::vector<const OptionSpec*> options; // the program's options given
    // The option, the program's or Qt's, whose value is the next word.
    std::optional<std::string> awaitingValueOf;
    bool optionsEnded = false; // after "--"
};
ArgumentsSoFar ParseArgumentsSoFar(const std::vector<std::string>& arguments);

// The typed text as an error message quotes it, its control characters and
// bytes that are not UTF-8 escaped (ShownOnTerminal): an argument can be as
// long as the shell allows, so a long one is cut (at a character's start)
// and marked.
std::string Quoted(std::string_view text);

} // namespace tavrix
