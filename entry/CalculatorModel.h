// The calculator's arithmetic and display, without any window: the window
// passes clicks and typed characters in and shows what the model holds.
#pragma once

#include "Tavrix_Units.h"

#include <QString>

#include <cstdint>

namespace tavrix {

enum class PendingOperation : std::uint8_t {
    None = 0,
    Multiply = 1,
    Divide = 2,
    Add = 3,
    Subtract = 4,
    // A one-operand key (sign change, square root, reciprocal) has just acted.
    OneOperandDone = 6,
};

// Texts the calculator shows the person in an information box, in English;
// PressKey gives them in the person's language.
inline constexpr const char* NegativeSquareRootMessage =
    QT_TRANSLATE_NOOP("tavrix::TCalculatorModel", "A negative number does not have a square root.");
inline constexpr const char* ResultOutOfRangeMessage =
    QT_TRANSLATE_NOOP("tavrix::TCalculatorModel",
                      "The result is too large for the calculator. The calculation was not carried out.");

class TCalculatorModel {
public:
    // Performs one key. `text` is the first character of the key's caption
    // from the keypad, or the typed character from the keyboard. Returns the
    // message to show the person, empty when there is none.
    QString PressKey(int code, QChar text);

    // A character typed into the display, before the key filter sees it: a
    // digit or the separator starts a new entry when one is due.
    void prepareTypedCharacter(QChar character);

    // The window is opening with the memory read from its file: nothing is
    // accepted yet and no operation is pending. Numbers are written and read
    // with the separators of `format` until the next opening.
    void beginOpening(double memory, const NumberFormat& format);
    // The decimal separator as typed and shown on its key.
    QChar decimalSeparator() const;
    // OK: the value counts as accepted unless an operation waits for its
    // second operand.
    void acceptIfComplete();

    double CalcValue() const { return calcValue_; }
    double CalcMemory() const { return calcMemory_; }
    PendingOperation pending() const { return pending_; }
    bool StartNewEntry() const { return startNewEntry_; }
    bool CalcAccepted() const { return calcAccepted_; }

    // The display is the person's too: the window hands its edits back here.
    const QString& displayText() const { return display_; }
    int caret() const { return caret_; }
    void setDisplay(const QString& text, int caret);
    // The display after a paste: the entry it holds is under way, so the
    // next digit joins it.
    void takePastedDisplay(const QString& text, int caret);

    QString memoryText() const;
    // The sign of the pending operation, or "=" after a result.
    const QString& operationSign() const { return operationSign_; }
    void clearOperationSign() { operationSign_.clear(); }
    // The copy of CalcValue kept in the hidden label, refreshed where the
    // keys say so.
    const QString& currentValueText() const { return currentValueText_; }

private:
    struct Reading {
        bool valid;
        double value;
    };
    Reading readDisplay(bool allowZero, bool allowNegative) const;
    void showNumber(double value);
    void beginNewEntry(bool withSeparator);
    void InsertAtCaret(const QString& text);
    void DeleteBeforeCaret();
    void startOperation(int code, QChar text);
    QString equals(QChar text);
    QString SquareRootOfDisplay();
    QString reciprocalOfDisplay();
    QString addToMemory();
    void changeSign();
    void showPi();
    void mirrorCalcValue();

    NumberFormat format_;
    double calcValue_ = 0;
    double calcMemory_ = 0;
    PendingOperation pending_ = PendingOperation::None;
    bool startNewEntry_ = true;
    bool calcAccepted_ = false;
    QString display_ = QStringLiteral("0");
    int caret_ = 1;
    QString operationSign_;
    QString currentValueText_ = QStringLiteral("0");
};

} // namespace tavrix
