// The calculator's keys: their codes, where they lie on the keypad picture and
// what their faces say. The picture is cut into row and column bands; a key's
// code is 10 x row + column.
#pragma once

#include <QString>

#include <array>

namespace tavrix {

enum CalcKeyCode : int {
    NoKey = -1,
    KeyMemoryClear = 0,
    Key7 = 1,
    Key8 = 2,
    Key9 = 3,
    KeyClearEntry = 4,
    KeyClear = 5,
    KeyMemoryRecall = 10,
    Key4 = 11,
    Key5 = 12,
    Key6 = 13,
    KeyMultiply = 14,
    KeyDivide = 15,
    KeyMemoryStore = 20,
    Key1 = 21,
    Key2 = 22,
    Key3 = 23,
    KeyAdd = 24,
    KeySubtract = 25,
    KeyMemoryAdd = 30,
    Key0 = 31,
    KeyDecimalSeparator = 32,
    KeySignChange = 33,
    KeyBackSpace = 34,
    KeyEquals = 35,
    KeyPi = 43,
    KeySquareRoot = 44,
    KeyReciprocal = 45,
};

// One band of the keypad picture, both ends inclusive.
struct KeyBand {
    int from;
    int to;
};

inline constexpr int KeyPadWidth = 219;
inline constexpr int KeyPadHeight = 159;
inline constexpr std::array<KeyBand, 6> KeyColumnBands{
    {{0, 30}, {40, 70}, {76, 106}, {112, 142}, {152, 182}, {188, 218}}};
inline constexpr std::array<KeyBand, 5> KeyRowBands{{{0, 26}, {32, 58}, {65, 91}, {97, 123}, {129, 155}}};

// The code of the band cell under (x, y) in picture coordinates, or NoKey when
// the point lies between or outside the bands. The cell may hold no key (40 to 42).
int KeyAtPoint(int x, int y);

// The face text of a key; the decimal-separator key shows `separator`.
// Empty for a code that is no key. Its first character is what the key
// types.
QString KeyCaption(int code, QChar separator);

// The caption as the keypad shows it, in the person's language (only words
// are translated: "BackSpace").
QString ShownKeyCaption(int code, QChar separator);

// The kinds of key, which the keypad picture colours apart.
enum class KeyKind { None, Digit, DecimalSeparator, Operation, Equals, Memory, Clear, Function };
KeyKind KindOfKey(int code);

bool IsDigitKey(int code);

} // namespace tavrix
