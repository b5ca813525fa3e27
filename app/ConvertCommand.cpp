#include "ConvertCommand.h"

#include "CommandLineText.h"

#include "AsciiText.h"
#include "ConversionRules.h"
#include "DefaultSpelling.h"
#include "ExitStatus.h"
#include "LocaleNumberFormat.h"
#include "OV4_Input_Validation.h"
#include "RefusalTexts.h"
#include "TerminalText.h"
#include "UnitSearch.h"
#include "Utf8Text.h"
#include "ValueFieldLimits.h"
#include "ValueText.h"
#include "ValueWithUnits.h"

#include <QLocale>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include <unistd.h>

namespace tavrix {

namespace {

// As the window starts without settings: 6 decimals, fixed notation.
constexpr int DefaultDecimals = 6;
// An ambiguous name lists this many of the units it could mean.
constexpr std::size_t MaxCandidatesShown = 10;
// A name that matches nothing suggests this many close ones.
constexpr std::size_t CloseNamesShown = 3;
// A line of input longer than this holds no value the field could take.
constexpr std::size_t MaxValueLineBytes = 4096;
constexpr std::size_t ReadChunkBytes = 64 * 1024;

std::string CategoryName(int category) {
    return std::string(CategoryNames.at(static_cast<std::size_t>(category)));
}

// One "unit — category" a line, as the window's unit finder lists them.
std::string UnitLines(const std::vector<UnitIndex>& units, Spelling spelling, std::size_t most) {
    std::string lines;
    for (std::size_t shown = 0; shown < std::min(units.size(), most); ++shown) {
        lines += "\n  " + std::string(VisibleName(units[shown], spelling)) + " \u2014 " +
                 CategoryName(CategoryOfUnit(units[shown]));
    }
    if (units.size() > most) {
        lines += "\n  " + Said(CommandLineText::tr("... and %1 more"), std::to_string(units.size() - most));
    }
    return lines;
}

UsageError NoUnitMatches(std::string_view typed, Spelling spelling) {
    std::string message = Said(CommandLineText::tr("no unit matches %1"), Quoted(typed));
    const std::vector<UnitIndex> close = UnitsCloseTo(typed, spelling, CloseNamesShown);
    if (!close.empty()) {
        message += Said(CommandLineText::tr("; close names:")) + UnitLines(close, spelling, CloseNamesShown);
    }
    return UsageError(message);
}

UsageError Ambiguous(std::string_view typed, const std::vector<UnitIndex>& candidates, Spelling spelling) {
    return UsageError(Said(CommandLineText::tr("%1 could be any of these units:"), Quoted(typed)) +
                      UnitLines(candidates, spelling, MaxCandidatesShown));
}

UnitPair SettledPair(std::string_view from, std::string_view to, Spelling spelling) {
    const UnitPair pair = FindUnitPair(from, to, spelling);
    switch (pair.verdict) {
    case PairVerdict::Found:
        return pair;
    case PairVerdict::FromUnknown:
        throw NoUnitMatches(from, spelling);
    case PairVerdict::ToUnknown:
        throw NoUnitMatches(to, spelling);
    case PairVerdict::FromAmbiguous:
        throw Ambiguous(from, pair.candidates, spelling);
    case PairVerdict::ToAmbiguous:
        throw Ambiguous(to, pair.candidates, spelling);
    case PairVerdict::DifferentCategories:
        break;
    }
    throw UsageError(Said(CommandLineText::tr("%1 is a unit of %2 and %3 one of %4: they do not convert"),
                          Quoted(VisibleName(pair.from, spelling)), CategoryName(CategoryOfUnit(pair.from)),
                          Quoted(VisibleName(pair.to, spelling)), CategoryName(CategoryOfUnit(pair.to))));
}

// A value as the value field would hold it once typed, and its number; or
// why it is none, and whether that is a mistake in the arguments or a value
// refused.
struct TypedValue {
    QString text;
    double value = 0;
    std::string problem;
    bool refused = false;
};

TypedValue ReadValue(std::string_view typed, QChar separator) {
    const QString text = FromUtf8(typed);
    const PasteVerdict verdict =
        FilterPastedText({}, 0, 0, text, true, MaxPreDecimalDigits, MaxPostDecimalDigits, separator);
    if (verdict.limitReached != DigitLimit::None) {
        return {{},
                0,
                Said(CommandLineText::tr("%1 has too many digits (a value has at most %2 digits before the "
                                         "decimal separator and %3 after it)"),
                     Quoted(typed), std::to_string(MaxPreDecimalDigits),
                     std::to_string(MaxPostDecimalDigits))};
    }
    if (verdict.foreignSeparator) {
        return {{}, 0, ForeignSeparatorMessage(FromUtf8(ShownOnTerminal(typed)), separator).toStdString()};
    }
    bool readable = false;
    const double value = ReadEditValue(verdict.inserted, readable, true, true, separator);
    if (!verdict.accepted() || !readable) {
        return {{},
                0,
                Said(CommandLineText::tr("%1 is not a number written with \"%2\" as its decimal separator"),
                     Quoted(typed), QString(separator).toStdString())};
    }
    return {verdict.inserted, value, {}};
}

// A refused value is one that could have been meant, but not converted
// ("-5 ft", "1:75:00"); the others are not written as values at all.
bool IsRefusal(ValueProblem problem) {
    switch (problem) {
    case ValueProblem::NegativePart:
    case ValueProblem::PastFiftyNine:
    case ValueProblem::RepeatedPart:
    case ValueProblem::TooManyParts:
    case ValueProblem::DecimalsBeforeLast:
        return true;
    default:
        return false;
    }
}

// A value read as written with its units: the text is the value as the
// window writes one of its unit (a compound value's parts, named).
TypedValue FromReading(const ValueReading& reading, std::string_view typed, UnitIndex unit, Spelling spelling,
                       const NumberFormat& format) {
    if (!reading.value) {
        QString message =
            ValueProblemMessage(reading, FromUtf8(ShownOnTerminal(typed)), unit, spelling, format);
        if (message.isEmpty()) {
            message =
                FromUtf8(Said(CommandLineText::tr("%1 is not a value written with its unit"), Quoted(typed)));
        }
        return {{}, 0, message.toStdString(), IsRefusal(reading.problem)};
    }
    const QString text = CompoundOf(unit) != nullptr
                             ? ValueFieldText(*reading.value, unit, WorkedOutValueDecimals, format)
                             : FromUtf8(typed);
    return {text, *reading.value, {}, false};
}

// A value for `from`: a compound unit's as written with its parts, a plain
// unit's number or its colon form.
TypedValue ReadValueFor(std::string_view typed, UnitIndex from, Spelling spelling,
                        const NumberFormat& format) {
    const QChar separator = DecimalSeparatorOf(format);
    if (CompoundOf(from) == nullptr && !IsColonForm(typed)) {
        return ReadValue(typed, separator);
    }
    return FromReading(ReadValueText(FromUtf8(typed), from, spelling, separator), typed, from, spelling,
                       format);
}

// Everything about the conversion but the value.
struct Conversion {
    ConversionRequest request;
    // The window's labels show the names as the catalogue has them.
    std::string_view fromName;
    std::string_view toName;
    bool log = false;
};

// The line a converted value prints, or the messages that say why it has none.
struct Converted {
    std::string line;
    std::vector<std::string> problems;
};

Converted ConvertValue(Conversion conversion, const TypedValue& value) {
    if (!value.problem.empty()) {
        return {{}, {value.problem}};
    }
    conversion.request.value = value.value;
    const ConversionOutcome outcome = ConvertForDisplay(conversion.request);
    if (outcome.refusal != Refusal::None) {
        std::vector<std::string> problems;
        const QString fieldText = RefusalFieldText(outcome.refusal);
        if (!fieldText.isEmpty()) {
            problems.push_back(fieldText.toStdString());
        }
        problems.push_back(RefusalMessage(outcome.refusal, FromUtf8(conversion.fromName)).toStdString());
        return {{}, problems};
    }
    if (conversion.log) {
        return {ConversionLine(value.text, FromUtf8(conversion.fromName), QStringLiteral("="),
                               QString::fromStdString(outcome.resultText), FromUtf8(conversion.toName),
                               conversion.request.from, conversion.request.to)
                    .toStdString(),
                {}};
    }
    return {outcome.resultText, {}};
}

// Converts each line of `in` as it comes: one output line a line, empty for
// a value that gives no result, whose message names the line. What is
// converted reaches the output before the next input is waited for.
int ConvertLines(const Conversion& conversion, Spelling spelling, int in, CheckedOutput& out,
                 CheckedOutput& err) {
    bool allConverted = true;
    std::size_t lineNumber = 0;
    const auto convertLine = [&](std::string_view line, bool overlong) {
        ++lineNumber;
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        const TypedValue value =
            overlong ? TypedValue{{},
                                  0,
                                  Said(CommandLineText::tr("the line is longer than %1 bytes"),
                                       std::to_string(MaxValueLineBytes))}
                     : ReadValueFor(line, conversion.request.from, spelling, conversion.request.format);
        const Converted converted = ConvertValue(conversion, value);
        out.line({converted.line});
        for (const std::string& problem : converted.problems) {
            err.line(
                {"tavrix: ", Said(CommandLineText::tr("line %1: %2"), std::to_string(lineNumber), problem)});
            allConverted = false;
        }
    };

    std::string pending; // the line read so far
    bool tooLong = false;
    const auto take = [&](std::string_view part) {
        tooLong = tooLong || pending.size() + part.size() > MaxValueLineBytes;
        if (!tooLong) {
            pending += part;
        }
    };
    std::vector<char> chunk(ReadChunkBytes);
    while (out.flush()) {
        const ssize_t got = read(in, chunk.data(), chunk.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            err.line(
                {"tavrix: ", Said(CommandLineText::tr("cannot read the values: %1"), std::strerror(errno))});
            return ExitInputOutput;
        }
        if (got == 0) {
            break;
        }
        std::string_view rest(chunk.data(), static_cast<std::size_t>(got));
        for (std::size_t end = rest.find('\n'); end != std::string_view::npos; end = rest.find('\n')) {
            take(rest.substr(0, end));
            convertLine(pending, tooLong);
            pending.clear();
            tooLong = false;
            rest.remove_prefix(end + 1);
        }
        take(rest);
    }
    if (!pending.empty() || tooLong) {
        convertLine(pending, tooLong);
    }
    return allConverted ? ExitDone : ExitRefused;
}

} // namespace

// `--convert "5 ft 11 in" cm`: the value names its unit, and the unit to
// convert to is found with it.
UnitPair PairOfValueWithUnits(const ValueWithUnits& written, std::string_view to, Spelling spelling) {
    if (written.compound != NoUnit) {
        return SettledPair(VisibleName(written.compound, spelling), to, spelling);
    }
    return SettledPair(written.unitText, to, spelling);
}

int RunConvert(const Arguments& arguments, const QLocale& locale, int in, CheckedOutput& out,
               CheckedOutput& err) {
    const Spelling spelling = arguments.spelling.value_or(DefaultSpelling(locale));
    const NumberFormat format = NumberFormatOf(locale);
    const QChar separator = DecimalSeparatorOf(format);
    const std::vector<std::string>& operands = arguments.operands;
    const std::string& valueText = operands.at(0);
    const bool column = valueText == "-";
    const std::string& toText = operands.back();
    UnitPair pair;
    TypedValue value;
    if (operands.size() == 2) {
        if (column) {
            throw UsageError(Said(CommandLineText::tr(
                "a column of values needs the unit to convert from: --convert - FROM TO")));
        }
        const std::vector<int> likely = CategoriesOfFromUnit(toText, spelling);
        const ValueWithUnits written =
            ReadValueWithUnits(valueText, likely, spelling, QString(separator).toStdString(),
                               {MaxPreDecimalDigits, MaxPostDecimalDigits});
        if (written.compound == NoUnit && written.unitText.empty()) {
            const bool bareNumbers =
                written.reading.problem == ValueProblem::UnitUnclear && !IsColonForm(valueText);
            throw bareNumbers
                ? ConvertNeedsItsOperands()
                : UsageError(FromReading(written.reading, valueText, NoUnit, spelling, format).problem);
        }
        pair = PairOfValueWithUnits(written, toText, spelling);
        value = written.compound != NoUnit
                    ? FromReading(written.reading, valueText, written.compound, spelling, format)
                    : TypedValue{FromUtf8(written.numberText), written.reading.value.value_or(0), {}, false};
    } else {
        // A plain number is read before the units, so its mistake is the one
        // told; a value written otherwise is read as its unit takes it.
        const TypedValue plain = column ? TypedValue{} : ReadValue(valueText, separator);
        const bool writtenWithParts = std::any_of(valueText.begin(), valueText.end(), [](char c) {
            return !(IsAsciiDigit(c) || c == '-' || c == '.' || c == ',');
        });
        if (!plain.problem.empty() && !writtenWithParts) {
            throw UsageError(plain.problem);
        }
        pair = SettledPair(operands.at(1), toText, spelling);
        value = column ? TypedValue{} : ReadValueFor(valueText, pair.from, spelling, format);
    }
    if (!value.problem.empty() && !value.refused) {
        throw UsageError(value.problem);
    }
    const Conversion conversion{{pair.from, pair.to, std::nullopt,
                                 arguments.decimals.value_or(DefaultDecimals),
                                 arguments.format.value_or(FormatFixed), format},
                                UnitNames(spelling).at(pair.from),
                                UnitNames(spelling).at(pair.to),
                                arguments.log};
    if (column) {
        return ConvertLines(conversion, spelling, in, out, err);
    }
    const Converted converted = ConvertValue(conversion, value);
    for (const std::string& problem : converted.problems) {
        err.line({"tavrix: ", problem});
    }
    if (!converted.problems.empty()) {
        return ExitRefused;
    }
    out.line({converted.line});
    return ExitDone;
}

} // namespace tavrix
