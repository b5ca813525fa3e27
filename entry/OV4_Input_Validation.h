// The rules by which numeric fields accept what the person types, and the
// reading of such a field's text as a number. Pure text-and-caret logic: the
// widgets apply it (NumericKeyFilter in NumericField.h), so every rule is
// testable headless.
//
// Every rule takes the decimal separator of the person's regional settings
// (DecimalSeparatorOf in LocaleNumberFormat.h) from its caller.
#pragma once

#include <QChar>
#include <QString>

namespace tavrix {

enum class DigitLimit { None, PreDecimal, PostDecimal };

// The message for a limit that a key ran into, shown when a digit would
// overfill the part before or behind the separator; empty for None.
QString DigitLimitMessage(DigitLimit limit);

struct KeyVerdict {
    // The key as it stands, or QChar(0) when it is swallowed.
    QChar character;
    // The digit limit the key ran into; the caller shows its message.
    DigitLimit limitReached = DigitLimit::None;

    bool stands() const { return !character.isNull(); }
};

// Decides what becomes of `key` typed into a field holding `text` with the
// caret after `caret` characters (the start of a selection, which is not
// subtracted). Accepted: backspace, tab, carriage return, the digits, one
// decimal separator and, when `allowMinus`, one minus sign anywhere. Every
// other key, and a second separator or minus, is swallowed without a message;
// a digit that would make more than `maxPreDecimal` characters in front of
// the separator (a minus sign counts) or more than `maxPostDecimal` behind it
// is swallowed with a message.
KeyVerdict FilterNumericKey(const QString& text, int caret, QChar key, bool allowMinus, int maxPreDecimal,
                            int maxPostDecimal, QChar separator);

struct PasteVerdict {
    // What goes into the field in place of the selection: the pasted text
    // with blanks around it dropped; empty when the paste is refused.
    QString inserted;
    // The digit limit the paste ran into; the caller shows its message.
    DigitLimit limitReached = DigitLimit::None;
    // The text would be a number but for a separator that numbers are not
    // written with here: a thousands separator, or the decimal separator of
    // other regional settings ("1,234" where the separator is "."). Which
    // was meant can't be told, so it is refused rather than misread; the
    // caller shows ForeignSeparatorMessage.
    bool foreignSeparator = false;

    bool accepted() const { return !inserted.isEmpty(); }
};

// Decides a paste of `pasted` over the `selectionLength` characters from
// `selectionStart` of `text` (a length of 0 inserts at the caret). It is
// accepted exactly when the text it makes could have been typed: only
// digits, one decimal separator and, when `allowMinus`, one minus sign; at
// most `maxPreDecimal` characters in front of the separator (a minus sign
// counts) and `maxPostDecimal` behind it.
PasteVerdict FilterPastedText(const QString& text, int selectionStart, int selectionLength,
                              const QString& pasted, bool allowMinus, int maxPreDecimal, int maxPostDecimal,
                              QChar separator);

// What a field's value may be written with beside the digits and the
// decimal separator. The main window's value field takes the colon form
// ("2:15") and, for a compound unit, the words and signs of its parts
// ("5 ft 11 in", "40°26′"); the calculator's display takes a plain number.
struct ValueShape {
    bool allowMinus = false;
    bool allowColon = false; // up to two colons
    QString partCharacters;  // each may be typed anywhere, as often as wanted

    bool plain() const { return !allowColon && partCharacters.isEmpty(); }
};

// FilterNumericKey for a field of that shape: a part character and a colon
// (while fewer than two are there) stand; any other key is judged by
// FilterNumericKey within the number the caret is in, so that each number
// of the value has one decimal separator and the digit limits.
KeyVerdict FilterValueKey(const QString& text, int caret, QChar key, const ValueShape& shape,
                          int maxPreDecimal, int maxPostDecimal, QChar separator);

// FilterPastedText for a field of that shape: the text it makes holds only
// what could have been typed, and each of its numbers keeps the limits.
PasteVerdict FilterPastedValue(const QString& text, int selectionStart, int selectionLength,
                               const QString& pasted, const ValueShape& shape, int maxPreDecimal,
                               int maxPostDecimal, QChar separator);

// Why a number holding a foreign separator is refused, naming the separator
// that numbers are written with here.
QString ForeignSeparatorMessage(const QString& number, QChar separator);

// Turns the first "," into "." where `separator` is ".", and the first "."
// into "," where it is ","; other separators leave the text alone.
void NormaliseDecimalSeparator(QString& text, QChar separator);

// True when every character is a digit, the minus sign or `separator` (so
// also for an empty text).
bool IsNumberText(const QString& text, QChar separator);

// The number a field's text stands for: an optional leading minus, digits and
// at most one decimal separator, at least one digit. Anything else, and a
// number too large for a double, gives `valid` false and -1. A readable zero
// with `allowZero` false, or a negative number with `allowNegative` false,
// gives `valid` false but still the number read.
double ReadEditValue(const QString& text, bool& valid, bool allowZero, bool allowNegative, QChar separator);

} // namespace tavrix
