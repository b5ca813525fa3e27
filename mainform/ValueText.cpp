#include "ValueText.h"

#include "LocaleNumberFormat.h"
#include "ShownCategoryNames.h"
#include "UnitIdentities.h"
#include "UnitSearch.h"
#include "Utf8Text.h"
#include "ValueFieldLimits.h"

#include <QCoreApplication>
#include <QStringList>

namespace tavrix {

namespace {

constexpr DigitLimits FieldLimits{MaxPreDecimalDigits, MaxPostDecimalDigits};

class ValueTexts {
    Q_DECLARE_TR_FUNCTIONS(ValueTexts)
};

QString ShownUnit(UnitIndex unit, Spelling spelling) {
    return FromUtf8(VisibleName(unit, spelling));
}

QString PartSymbols(const CompoundUnit& compound) {
    QStringList symbols;
    for (const CompoundPart& part : compound.parts) {
        symbols << FromUtf8(part.symbol);
    }
    return symbols.join(QStringLiteral(", "));
}

// A message names what was typed, cut short: a field or an argument may hold
// tens of thousands of characters.
QString CutShort(const QString& typed) {
    constexpr qsizetype MostShown = 60;
    if (typed.size() <= MostShown) {
        return typed;
    }
    const qsizetype cut = typed.at(MostShown - 1).isHighSurrogate() ? MostShown - 1 : MostShown;
    return typed.left(cut) + QChar(0x2026);
}

} // namespace

ValueReading ReadValueText(const QString& text, UnitIndex unit, Spelling spelling, QChar separator) {
    const std::string separatorText = QString(separator).toStdString();
    if (const CompoundUnit* compound = CompoundOf(unit)) {
        return ReadCompoundValue(text.toStdString(), *compound, spelling, separatorText, FieldLimits);
    }
    if (IsColonForm(text.toStdString())) {
        // A temperature's minus stands for its whole value: -2:30 is -2.5.
        const bool negative = ValueShapeOf(unit).allowMinus && text.startsWith(u'-');
        ValueReading reading =
            ReadColonValue((negative ? text.mid(1) : text).toStdString(), separatorText, FieldLimits);
        if (negative && reading.value) {
            reading.value = -*reading.value;
        }
        return reading;
    }
    bool readable = false;
    const double value = ReadEditValue(text, readable, true, true, separator);
    if (!readable) {
        return {std::nullopt, ValueProblem::Unreadable, {}, NoUnit};
    }
    return {value, ValueProblem::None, {}, NoUnit};
}

QString PlainNumberText(double value, const NumberFormat& format) {
    QString text = QString::fromStdString(FormatNumber(value, MaxPostDecimalDigits, FormatFixed, format));
    const QString separator = QString::fromStdString(format.decimalSeparator);
    if (text.contains(separator)) {
        while (text.endsWith(u'0')) {
            text.chop(1);
        }
        if (text.endsWith(separator)) {
            text.chop(separator.size());
        }
    }
    return text;
}

QString ValueFieldText(double value, UnitIndex unit, int decimals, const NumberFormat& format) {
    if (const CompoundUnit* compound = CompoundOf(unit)) {
        return QString::fromStdString(FormatCompoundValue(value, *compound, decimals, false, format, true));
    }
    return QString::fromStdString(FormatNumber(value, decimals, FormatFixed, format));
}

ValueShape ValueShapeOf(UnitIndex unit) {
    ValueShape shape;
    shape.allowMinus = unit::Temperatures.contains(unit);
    shape.allowColon = true;
    if (const CompoundUnit* compound = CompoundOf(unit)) {
        shape.allowColon = compound->inSixtieths;
        for (const QChar c : FromUtf8(compound->writtenWith)) {
            if (!shape.partCharacters.contains(c)) {
                shape.partCharacters += c;
            }
        }
    }
    return shape;
}

QString ConversionLine(const QString& value, const QString& fromName, const QString& equals,
                       const QString& result, const QString& toName, UnitIndex from, UnitIndex to) {
    const QChar space(' ');
    const QString fromPart = CompoundOf(from) != nullptr ? value : value + space + fromName;
    const QString toPart = CompoundOf(to) != nullptr ? result : result + space + toName;
    return fromPart + space + equals + space + toPart;
}

QString ValueProblemMessage(const ValueReading& reading, const QString& typedInFull, UnitIndex unit,
                            Spelling spelling, const NumberFormat& format) {
    const QString typed = CutShort(typedInFull);
    const CompoundUnit* compound = CompoundOf(unit);
    const QString part = CutShort(FromUtf8(reading.part));
    const QString unitName = unit < UnitCount ? ShownUnit(unit, spelling) : QString();
    switch (reading.problem) {
    case ValueProblem::None:
        return {};
    case ValueProblem::Unreadable:
        if (compound == nullptr && (unitName.isEmpty() || !IsColonForm(typed.toStdString()))) {
            return {};
        }
        return compound == nullptr
                   ? ValueTexts::tr(
                         "\"%1\" is not a value in %2: in the colon form it is written as, for example, "
                         "\"2:15\" for 2 and 15/60.")
                         .arg(typed, unitName)
                   : ValueTexts::tr("\"%1\" is not a value in %2: it is written as, for example, \"%3\".")
                         .arg(typed, unitName,
                              QString::fromStdString(
                                  FormatCompoundValue(compound->exampleValue, *compound, 0, false, format)));
    case ValueProblem::OtherCategory:
        return ValueTexts::tr("\"%1\" is a unit of %2, not of %3: all parts of a value are of one quantity.")
            .arg(part, ShownCategoryName(CategoryOfUnit(reading.partUnit)),
                 ShownCategoryName(CategoryOfUnit(unit)));
    case ValueProblem::NotAPart:
        return ValueTexts::tr("\"%1\" is not one of the parts of %2 (%3).")
            .arg(part, unitName, compound ? PartSymbols(*compound) : QString());
    case ValueProblem::NegativePart:
        return ValueTexts::tr("\"%1\": no part of a value can be negative.").arg(part);
    case ValueProblem::PastFiftyNine:
        return ValueTexts::tr("\"%1\" is too many minutes or seconds: in the colon form they go up to 59.")
            .arg(part);
    case ValueProblem::RepeatedPart:
        return ValueTexts::tr("\"%1\" comes twice: each part of a value is written once.").arg(part);
    case ValueProblem::TooManyParts:
        return compound == nullptr
                   ? ValueTexts::tr("\"%1\" has too many parts: the colon form has at most three.").arg(typed)
                   : ValueTexts::tr("\"%1\" has more parts than %2 (%3).")
                         .arg(typed, unitName, PartSymbols(*compound));
    case ValueProblem::DecimalsBeforeLast:
        return ValueTexts::tr("\"%1\": in the colon form only the last part may have decimals.").arg(part);
    case ValueProblem::UnitUnclear:
        return IsColonForm(typed.toStdString())
                   ? ValueTexts::tr(
                         "\"%1\" could be hours and minutes or minutes and seconds: name its unit.")
                         .arg(typed)
                   : ValueTexts::tr("\"%1\" does not say which unit it is in: name its unit.").arg(typed);
    case ValueProblem::TooManyDigits:
        return ValueTexts::tr(
                   "\"%1\" has a part with too many digits (at most %2 before the decimal separator "
                   "and %3 after it).")
            .arg(typed)
            .arg(MaxPreDecimalDigits)
            .arg(MaxPostDecimalDigits);
    }
    return {};
}

} // namespace tavrix
