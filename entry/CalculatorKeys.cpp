#include "CalculatorKeys.h"

#include <QCoreApplication>

namespace tavrix {

namespace {

struct KeyFace {
    int code;
    const char* caption; // null for the separator key, whose face follows the locale
    KeyKind kind;
};

constexpr std::array<KeyFace, 27> KeyFaces{{
    {KeyMemoryClear, "MC", KeyKind::Memory},
    {Key7, "7", KeyKind::Digit},
    {Key8, "8", KeyKind::Digit},
    {Key9, "9", KeyKind::Digit},
    {KeyClearEntry, "CE", KeyKind::Clear},
    {KeyClear, "C", KeyKind::Clear},
    {KeyMemoryRecall, "MR", KeyKind::Memory},
    {Key4, "4", KeyKind::Digit},
    {Key5, "5", KeyKind::Digit},
    {Key6, "6", KeyKind::Digit},
    {KeyMultiply, "x", KeyKind::Operation},
    {KeyDivide, "/", KeyKind::Operation},
    {KeyMemoryStore, "MS", KeyKind::Memory},
    {Key1, "1", KeyKind::Digit},
    {Key2, "2", KeyKind::Digit},
    {Key3, "3", KeyKind::Digit},
    {KeyAdd, "+", KeyKind::Operation},
    {KeySubtract, "-", KeyKind::Operation},
    {KeyMemoryAdd, "M+", KeyKind::Memory},
    {Key0, "0", KeyKind::Digit},
    {KeyDecimalSeparator, nullptr, KeyKind::DecimalSeparator},
    {KeySignChange, "+/-", KeyKind::Function},
    // A caption too wide for its face breaks where a capital follows a small
    // letter, as in "BackSpace": translations may use that too.
    {KeyBackSpace, QT_TRANSLATE_NOOP("tavrix::CalculatorKeys", "BackSpace"), KeyKind::Clear},
    {KeyEquals, "=", KeyKind::Equals},
    {KeyPi, "Pi", KeyKind::Function},
    {KeySquareRoot, "SR", KeyKind::Function},
    {KeyReciprocal, "1/x", KeyKind::Function},
}};

const KeyFace* FindKey(int code) {
    for (const KeyFace& face : KeyFaces) {
        if (face.code == code) {
            return &face;
        }
    }
    return nullptr;
}

template <std::size_t N> int BandIndex(const std::array<KeyBand, N>& bands, int position) {
    for (std::size_t i = 0; i < N; ++i) {
        if (position >= bands[i].from && position <= bands[i].to) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace

int KeyAtPoint(int x, int y) {
    const int column = BandIndex(KeyColumnBands, x);
    const int row = BandIndex(KeyRowBands, y);
    if (column < 0 || row < 0) {
        return NoKey;
    }
    return 10 * row + column;
}

QString KeyCaption(int code, QChar separator) {
    const KeyFace* face = FindKey(code);
    if (face == nullptr) {
        return {};
    }
    return face->caption != nullptr ? QString::fromLatin1(face->caption) : QString(separator);
}

QString ShownKeyCaption(int code, QChar separator) {
    const KeyFace* face = FindKey(code);
    if (face == nullptr || face->caption == nullptr) {
        return KeyCaption(code, separator);
    }
    return QCoreApplication::translate("tavrix::CalculatorKeys", face->caption);
}

KeyKind KindOfKey(int code) {
    const KeyFace* face = FindKey(code);
    return face != nullptr ? face->kind : KeyKind::None;
}

bool IsDigitKey(int code) {
    return KindOfKey(code) == KeyKind::Digit;
}

} // namespace tavrix
