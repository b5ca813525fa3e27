// How the program's arguments are read: the window with Qt's own options and
// results log files, or a job of the command line; and what is refused.
#include "CommandLineArguments.h"

#include <gtest/gtest.h>

#include <ostream>

namespace tavrix {
namespace {

struct ReadCase {
    std::vector<std::string> arguments;
    Mode mode;
    std::vector<std::string> operands;
    std::vector<std::string> qtOptions;
};

void PrintTo(const ReadCase& c, std::ostream* out) {
    for (const std::string& argument : c.arguments) {
        *out << argument << ' ';
    }
}

class ReadingArguments : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadingArguments, TellOperandsOptionsAndQtOptionsApart) {
    const ReadCase& c = GetParam();
    const Arguments read = ParseArguments(c.arguments);
    EXPECT_EQ(read.mode, c.mode);
    EXPECT_EQ(read.operands, c.operands);
    EXPECT_EQ(read.qtOptions, c.qtOptions);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ReadingArguments,
    testing::Values(
        ReadCase{{}, Mode::Window, {}, {}},
        // Files for the window, with Qt's options in either form, values next or after "=".
        ReadCase{{"a.TVRX", "b.tvrx"}, Mode::Window, {"a.TVRX", "b.tvrx"}, {}},
        ReadCase{{"-platform", "offscreen", "a.TVRX", "--style", "fusion", "-reverse", "-stylesheet=x.qss"},
                 Mode::Window,
                 {"a.TVRX"},
                 {"-platform", "offscreen", "--style", "fusion", "-reverse", "-stylesheet=x.qss"}},
        // A file named like an option follows "--"; "-" and negative numbers are operands.
        ReadCase{{"--", "-style", "--convert"}, Mode::Window, {"-style", "--convert"}, {}},
        // A file name is bytes, in whatever encoding its file system uses (Latin-1 here).
        ReadCase{{"caf\xe9.TVRX", "-stylesheet", "\xe9.qss"},
                 Mode::Window,
                 {"caf\xe9.TVRX"},
                 {"-stylesheet", "\xe9.qss"}},
        ReadCase{{"--convert", "-40", "°C", "°F"}, Mode::Convert, {"-40", "°C", "°F"}, {}},
        ReadCase{{"--convert", "-", "km", "mile"}, Mode::Convert, {"-", "km", "mile"}, {}},
        ReadCase{{"1", "m", "ft", "--convert", "--log"}, Mode::Convert, {"1", "m", "ft"}, {}},
        ReadCase{{"--list"}, Mode::List, {}, {}},
        ReadCase{{"--spelling=usa", "--list", "length"}, Mode::List, {"length"}, {}},
        ReadCase{{"-h"}, Mode::Help, {}, {}},
        ReadCase{{"--complete", "tavrix --co", "--co"}, Mode::Complete, {"tavrix --co", "--co"}, {}}));

struct RefusalCase {
    std::vector<std::string> arguments;
    const char* said;
};

void PrintTo(const RefusalCase& c, std::ostream* out) {
    for (const std::string& argument : c.arguments) {
        *out << argument << ' ';
    }
}

class RefusingArguments : public testing::TestWithParam<RefusalCase> {};

TEST_P(RefusingArguments, AsAUsageErrorSayingWhy) {
    const RefusalCase& c = GetParam();
    try {
        ParseArguments(c.arguments);
        ADD_FAILURE() << "accepted";
    } catch (const UsageError& error) {
        EXPECT_EQ(std::string(error.what()), c.said);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RefusingArguments,
    testing::Values(
        RefusalCase{{"-v"}, "unknown option \"-v\""},
        RefusalCase{{"a.TVRX", "--bogus"}, "unknown option \"--bogus\""},
        // Qt's options take their values as Qt does.
        RefusalCase{{"-platform=offscreen"}, "unknown option \"-platform=offscreen\""},
        RefusalCase{{"-qmljsdebugger"}, "unknown option \"-qmljsdebugger\""},
        RefusalCase{{"-platform"}, "-platform needs a value"},
        RefusalCase{{"--list", "-reverse"},
                    "\"-reverse\" is an option of the window, not of --convert, --list, --help or "
                    "--version"},
        RefusalCase{{"--help", "x"}, "unexpected argument \"x\""},
        RefusalCase{{"--list", "a", "b"}, "unexpected argument \"b\""},
        RefusalCase{{"--log=yes", "--convert", "1", "m", "ft"}, "--log takes no value after \"=\""},
        RefusalCase{{"--spelling", "usa"}, "--spelling goes with --convert or --list"},
        RefusalCase{{"--format"}, "--format needs a value"},
        RefusalCase{{"--complete", "tavrix"}, "--complete takes the command line and the word to complete"},
        // Options and the jobs' operands are text.
        RefusalCase{{"--list", "l\xc3"}, "argument 2, \"l\\xC3\", is not UTF-8 text"},
        RefusalCase{{"--convert", "1", "\xed\xa0\x80", "m"},
                    "argument 3, \"\\xED\\xA0\\x80\", is not UTF-8 text"},
        RefusalCase{{"a.TVRX", "-\xc0\xaf"}, "argument 2, \"-\\xC0\\xAF\", is not UTF-8 text"},
        // The characters around a stray byte stay readable.
        RefusalCase{{"\xc2\xb0\xff", "m", "ft", "--convert"},
                    "argument 1, \"\u00B0\\xFF\", is not UTF-8 text"}));

} // namespace
} // namespace tavrix
