#include "CommandLine.h"

#include "CheckedOutput.h"
#include "CommandLineArguments.h"
#include "CommandLineText.h"
#include "Completion.h"
#include "ConvertCommand.h"
#include "DefaultSpelling.h"
#include "ExitStatus.h"
#include "UnitSearch.h"
#include "ValueFieldLimits.h"

#include <QLocale>

namespace tavrix {

namespace {

// The limits are put in where the text names them, so that it always says
// what the program does.
std::string HelpText() {
    return Said(
        CommandLineText::tr(R"(Usage: tavrix [FILE.TVRX...]          start the converter's window, with each
                                       results log file read into its log
       tavrix --convert VALUE FROM TO [--decimals N] [--format FORMAT]
                                      [--spelling SPELLING] [--log]
       tavrix --convert "VALUE UNITS" TO [the same options]
       tavrix --list [CATEGORY] [--spelling SPELLING]
       tavrix -h | --help | --version

  --convert VALUE FROM TO  print VALUE, in unit FROM, converted to unit TO,
                           as the window's result field shows it; with "-"
                           as VALUE, convert each line of standard input,
                           one result a line (an empty line where a value
                           gives none, with a message naming the line)
  --convert "VALUE UNITS" TO
                           the same for a value that carries its units:
                           "5 ft 11 in", "11 st 4 lb", "90 min", "-40 °C",
                           "40°26'46\"", "1:30:00" (hours, minutes, seconds)
  --decimals N             decimals of the result, 0 to %1 (default 6)
  --format FORMAT          fixed (default), grouped (with thousands
                           separators) or scientific
  --spelling SPELLING      europe ("litre") or usa ("liter"); by default the
                           one the window starts with on this desktop
  --log                    print the line the window adds to the results log
  --list [CATEGORY]        print the categories, or the units of one
  -h, --help               print this help
  --version                print the version

Options may come before or after the other arguments; "--" ends them.

Units are found by their names as people write them, as "Find unit..." in
the window finds them, but only a unit the text names whole is taken: the
order of a compound name's parts counts ("min/km" is never "km/min"), and a
name with a "/", a power or a second unit not typed is not meant ("ounces"
is never "ounce/sec"); a text that only begins names ("ft min") is refused
with the units it may mean. Case, spaces, punctuation and brackets do not
count, both spellings count, plurals are their units ("miles", "lbs"),
abbreviations their words ("ft", "in", "lb", "hr", "sq ft", "cu m", "km/l",
"lb-ft"), "per" divides ("miles per hour"), "2", "3" and "deg" stand for
the signs "²", "³" and "°", and "UK", "US", "imperial" or "metric" before
or after a name pick that unit ("UK pint"). Symbols name their units too:
"g", "kg", "t", "l", "ml", "s", "h", "K", "°C" or "C", "mph", "km/h", "kn",
"psi", "mmHg", "hPa", "kWh", "l/100km", "µm" or "um" and more; where only
case tells two apart, the case typed decides ("MW" megawatt, "mW"
milliwatt). "gallon", "pint", "quart", "fl oz", "cwt", "ton" and "mpg" are
the USA units in USA spelling and the British ones in European spelling;
"cup", "tbsp" and "tsp" the USA ones in USA spelling and the metric ones in
European. Where a name fits units of several categories, the other unit
decides: "g" is the gram beside "kg" and the acceleration beside "m/sec2",
"lbf ft" beside "Nm" the torque; the litre of "Liquid measure" and of
"Volume / Capacity" is taken in the first category that holds the other
unit too. Categories are found by part of their names ("flow mass").

Values in several units are read as people write them: "5 ft 11 in",
"5'11\"" or "5 11" in "ft in"; "11 st 4 lb" in "st lb"; "6 lb 4 oz" in
"lb oz"; "1:30:00", "1:30" or "1 h 30 min" in "h:min:s"; "40°26'46\"" or
"40 26 46" in "dms". A result in such a unit shows its parts, the decimals
on the last one ("5 ft 10.866142 in", "1:30:00"), never in scientific
format. The colon form works for every unit: "2:15" hours is 2.25 hours.

VALUE and the result use the decimal separator of the regional settings
(LC_ALL, LC_NUMERIC, LANG), and a value no thousands separator: "1,234" is
refused where the separator is "."; a value has at most %2 digits
before the separator and %3 after it.

Exit status: 0 when converted or listed; 1 when a conversion is refused
(with the window's message) or a line of standard input gives no result;
2 for a usage error; 3 when the output cannot be written (a full disk) or
the input read. Output to a pipe whose reader has gone ends the program by
the signal SIGPIPE, as it ends other programs (the shell reports 141);
where SIGPIPE is ignored, it is a write error, with exit status 3.

Messages show control characters and bytes that are not UTF-8 in what was
typed or read as \xNN, and C1 control characters as \u00NN.
)"),
        std::to_string(MaxDecimals), std::to_string(MaxPreDecimalDigits),
        std::to_string(MaxPostDecimalDigits));
}

std::string_view CategoryName(int category) {
    return CategoryNames.at(static_cast<std::size_t>(category));
}

int List(const Arguments& arguments, const QLocale& locale, CheckedOutput& out) {
    if (arguments.operands.empty()) {
        for (const std::string_view name : CategoryNames) {
            out.line({name});
        }
        return ExitDone;
    }
    const std::string& typed = arguments.operands.front();
    const std::vector<int> categories = CategoriesNamedBy(typed);
    if (categories.empty()) {
        throw UsageError(Said(CommandLineText::tr("no category matches %1"), Quoted(typed)));
    }
    if (categories.size() > 1) {
        std::string message =
            Said(CommandLineText::tr("%1 could be any of these categories:"), Quoted(typed));
        for (const int category : categories) {
            message += "\n  " + std::string(CategoryName(category));
        }
        throw UsageError(message);
    }
    const Spelling spelling = arguments.spelling.value_or(DefaultSpelling(locale));
    for (const UnitIndex unit : CategoryUnits(categories.front())) {
        out.line({VisibleName(unit, spelling)});
    }
    return ExitDone;
}

int Run(const Arguments& arguments, const QLocale& locale, int in, CheckedOutput& out, CheckedOutput& err) {
    switch (arguments.mode) {
    case Mode::Convert:
        return RunConvert(arguments, locale, in, out, err);
    case Mode::List:
        return List(arguments, locale, out);
    case Mode::Help:
        out.write(HelpText());
        return ExitDone;
    case Mode::Version:
        out.line({"Tavrix " TAVRIX_VERSION});
        return ExitDone;
    case Mode::Complete:
        for (const std::string& candidate :
             Completions(arguments.operands.at(0), arguments.operands.at(1), locale)) {
            out.line({candidate});
        }
        return ExitDone;
    case Mode::Window:
        break;
    }
    throw UsageError(Said(CommandLineText::tr("say --convert or --list, or name results log files to open")));
}

} // namespace

std::optional<WindowStart> WindowStartOf(const std::vector<std::string>& arguments) {
    try {
        const Arguments parsed = ParseArguments(arguments);
        if (parsed.mode != Mode::Window) {
            return std::nullopt;
        }
        WindowStart start{parsed.qtOptions, {}};
        for (const std::string& file : parsed.operands) {
            start.logFiles.push_back(QByteArray::fromStdString(file));
        }
        return start;
    } catch (const UsageError&) {
        return std::nullopt;
    }
}

int RunCommandLine(const std::vector<std::string>& arguments, const QLocale& locale, int in, std::FILE* out,
                   std::FILE* err) {
    CheckedOutput output(out);
    CheckedOutput errors(err);
    int status = ExitUsage;
    try {
        status = Run(ParseArguments(arguments), locale, in, output, errors);
    } catch (const UsageError& error) {
        errors.line({"tavrix: ", error.what()});
        errors.line({Said(CommandLineText::tr("Try \"tavrix --help\" for more."))});
    }
    if (!output.flush()) {
        errors.line({"tavrix: ", Said(CommandLineText::tr("write error: %1"), output.reason())});
        status = ExitInputOutput;
    }
    if (!errors.flush() && status == ExitDone) {
        status = ExitInputOutput;
    }
    return status;
}

} // namespace tavrix
