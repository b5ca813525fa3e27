// Reading UTF-8 text a character at a time, as the unit names and everything
// the program is given from outside are written.
#pragma once

#include <cstddef>
#include <string_view>

namespace tavrix {

struct Utf8Character {
    char32_t code = 0;
    std::size_t length = 0; // 0 where no well-formed character starts
};

// The character starting at byte `at` of `text`; none (length 0) at a stray
// continuation byte, an overlong form, a surrogate, a value past U+10FFFF
// or a character cut short by the end of `text`.
Utf8Character Utf8CharacterAt(std::string_view text, std::size_t at);

// True when every character of `bytes` is well-formed UTF-8.
bool IsUtf8(std::string_view bytes);

// How many characters `utf8` holds, its bytes being well-formed UTF-8.
std::size_t CharacterCount(std::string_view utf8);

// Where `text` may be cut at most `bytes` bytes in without splitting a
// character: `bytes` itself, or the start of the character it falls in.
std::size_t Utf8CutBefore(std::string_view text, std::size_t bytes);

} // namespace tavrix
