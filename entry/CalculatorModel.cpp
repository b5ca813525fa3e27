#include "CalculatorModel.h"

#include "CalculatorKeys.h"
#include "CalculatorNumberText.h"
#include "LocaleNumberFormat.h"
#include "OV4_Input_Validation.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tavrix {

namespace {

QString Translated(const char* message) {
    return QCoreApplication::translate("tavrix::TCalculatorModel", message);
}

PendingOperation OperationOfKey(int code) {
    switch (code) {
    case KeyMultiply:
        return PendingOperation::Multiply;
    case KeyDivide:
        return PendingOperation::Divide;
    case KeyAdd:
        return PendingOperation::Add;
    default:
        return PendingOperation::Subtract;
    }
}

bool IsBinaryOperation(PendingOperation operation) {
    return operation != PendingOperation::None && operation != PendingOperation::OneOperandDone;
}

double WorkOut(PendingOperation operation, double first, double second) {
    switch (operation) {
    case PendingOperation::Multiply:
        return first * second;
    case PendingOperation::Divide:
        return second != 0 ? first / second : 0;
    case PendingOperation::Add:
        return first + second;
    case PendingOperation::Subtract:
        return first - second;
    default:
        return second;
    }
}

} // namespace

void TCalculatorModel::setDisplay(const QString& text, int caret) {
    display_ = text;
    caret_ = std::clamp(caret, 0, static_cast<int>(text.size()));
}

QString TCalculatorModel::memoryText() const {
    return CalculatorDisplayText(calcMemory_, format_);
}

TCalculatorModel::Reading TCalculatorModel::readDisplay(bool allowZero, bool allowNegative) const {
    bool valid = false;
    const double value = ReadEditValue(display_, valid, allowZero, allowNegative, decimalSeparator());
    return {valid, value};
}

// A shown number puts the caret behind it, so digits that join it append.
void TCalculatorModel::showNumber(double value) {
    const QString text = CalculatorDisplayText(value, format_);
    setDisplay(text, static_cast<int>(text.size()));
}

void TCalculatorModel::mirrorCalcValue() {
    currentValueText_ = CalculatorDisplayText(calcValue_, format_);
}

void TCalculatorModel::InsertAtCaret(const QString& text) {
    display_.insert(caret_, text);
    caret_ += static_cast<int>(text.size());
}

// An emptied display shows 0 and, like after CE, the next digit replaces that
// 0 rather than joining it.
void TCalculatorModel::DeleteBeforeCaret() {
    if (caret_ < 1) {
        return;
    }
    display_.remove(caret_ - 1, 1);
    --caret_;
    if (display_.isEmpty()) {
        setDisplay(QStringLiteral("0"), 1);
        startNewEntry_ = true;
    }
}

// A new number replaces the display. One begun with the separator gets its
// leading zero, so that ".5" typed after a result reads 0.5, not 5.
void TCalculatorModel::beginNewEntry(bool withSeparator) {
    setDisplay(withSeparator ? QStringLiteral("0") : QString(), withSeparator ? 1 : 0);
    startNewEntry_ = false;
}

void TCalculatorModel::takePastedDisplay(const QString& text, int caret) {
    setDisplay(text, caret);
    startNewEntry_ = false;
}

void TCalculatorModel::prepareTypedCharacter(QChar character) {
    // Only the digits the key filter admits: any other digit would be
    // swallowed after it had cleared the display.
    const bool digit = character >= QLatin1Char('0') && character <= QLatin1Char('9');
    const bool separator = character == decimalSeparator();
    if (startNewEntry_ && (digit || separator)) {
        beginNewEntry(separator);
    }
}

QString TCalculatorModel::PressKey(int code, QChar text) {
    const bool startsANumber = IsDigitKey(code) || code == KeyDecimalSeparator;
    if (pending_ != PendingOperation::OneOperandDone && startsANumber && startNewEntry_) {
        beginNewEntry(code == KeyDecimalSeparator);
    }
    if (IsDigitKey(code)) {
        InsertAtCaret(QString(text));
        return {};
    }
    switch (code) {
    case KeyDecimalSeparator:
        if (!display_.contains(QString(decimalSeparator()))) {
            InsertAtCaret(QString(decimalSeparator()));
        }
        return {};
    case KeyBackSpace:
        DeleteBeforeCaret();
        return {};
    case KeyClearEntry:
        showNumber(0);
        if (pending_ != PendingOperation::OneOperandDone) {
            startNewEntry_ = true;
        }
        return {};
    case KeyClear:
        calcValue_ = 0;
        showNumber(0);
        startNewEntry_ = true;
        pending_ = PendingOperation::None;
        mirrorCalcValue();
        return {};
    case KeyMemoryClear:
        calcMemory_ = 0;
        return {};
    case KeyMemoryRecall:
        showNumber(calcMemory_);
        startNewEntry_ = false;
        return {};
    case KeyMemoryStore:
        if (const Reading reading = readDisplay(true, true); reading.valid) {
            calcMemory_ = reading.value;
        }
        return {};
    case KeyMemoryAdd:
        return addToMemory();
    case KeyMultiply:
    case KeyDivide:
    case KeyAdd:
    case KeySubtract:
        startOperation(code, text);
        return {};
    case KeyEquals:
        return equals(text);
    case KeySignChange:
        changeSign();
        return {};
    case KeySquareRoot:
        return SquareRootOfDisplay();
    case KeyReciprocal:
        return reciprocalOfDisplay();
    case KeyPi:
        showPi();
        return {};
    default:
        return {};
    }
}

QString TCalculatorModel::addToMemory() {
    const Reading reading = readDisplay(true, true);
    if (!reading.valid) {
        return {};
    }
    const double sum = calcMemory_ + reading.value;
    if (!std::isfinite(sum)) {
        return Translated(ResultOutOfRangeMessage);
    }
    calcMemory_ = sum;
    return {};
}

// A pending operation is replaced, not worked out: the display becomes the
// first operand of the new one.
void TCalculatorModel::startOperation(int code, QChar text) {
    const Reading reading = readDisplay(true, true);
    if (pending_ == PendingOperation::None && reading.valid) {
        calcValue_ = reading.value;
    }
    mirrorCalcValue();
    operationSign_ = QString(text);
    pending_ = OperationOfKey(code);
    if (reading.valid) {
        calcValue_ = reading.value;
    }
    // Even an unreadable display gives way to the next digit.
    startNewEntry_ = true;
}

// A result too large is refused, and "=" then ends the operation as it
// does when the display cannot be read: the shown number stays.
QString TCalculatorModel::equals(QChar text) {
    QString message;
    if (const Reading reading = readDisplay(true, true); reading.valid) {
        const double result = WorkOut(pending_, calcValue_, reading.value);
        if (std::isfinite(result)) {
            calcValue_ = result;
            showNumber(result);
        } else {
            message = Translated(ResultOutOfRangeMessage);
        }
    }
    startNewEntry_ = true;
    pending_ = PendingOperation::None;
    operationSign_ = QString(text);
    mirrorCalcValue();
    return message;
}

void TCalculatorModel::changeSign() {
    const Reading reading = readDisplay(true, true);
    showNumber(reading.valid ? -reading.value : reading.value);
    pending_ = PendingOperation::OneOperandDone;
}

QString TCalculatorModel::SquareRootOfDisplay() {
    pending_ = PendingOperation::OneOperandDone;
    const Reading reading = readDisplay(true, false);
    if (!reading.valid) {
        return Translated(NegativeSquareRootMessage);
    }
    calcValue_ = std::sqrt(reading.value);
    showNumber(calcValue_);
    return {};
}

// A reciprocal too large is refused, yet the key has acted as a one-operand key.
QString TCalculatorModel::reciprocalOfDisplay() {
    pending_ = PendingOperation::OneOperandDone;
    const Reading reading = readDisplay(false, true);
    if (!reading.valid) {
        showNumber(reading.value);
    } else if (const double reciprocal = 1 / reading.value; std::isfinite(reciprocal)) {
        calcValue_ = reciprocal;
        showNumber(reciprocal);
    } else {
        return Translated(ResultOutOfRangeMessage);
    }
    return {};
}

void TCalculatorModel::showPi() {
    if (IsBinaryOperation(pending_)) {
        if (const Reading reading = readDisplay(true, true); reading.valid) {
            calcValue_ = reading.value;
        }
    }
    showNumber(std::numbers::pi);
    mirrorCalcValue();
}

void TCalculatorModel::beginOpening(double memory, const NumberFormat& format) {
    format_ = format;
    calcAccepted_ = false;
    calcMemory_ = memory;
    startNewEntry_ = true;
    pending_ = PendingOperation::None;
}

QChar TCalculatorModel::decimalSeparator() const {
    return DecimalSeparatorOf(format_);
}

void TCalculatorModel::acceptIfComplete() {
    calcAccepted_ = pending_ == PendingOperation::None || pending_ == PendingOperation::OneOperandDone;
}

} // namespace tavrix
