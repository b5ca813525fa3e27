#include "Utf8.h"

#include <algorithm>
#include <array>

namespace tavrix {

namespace {

bool IsContinuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// A character is at most this many bytes long.
constexpr std::size_t LongestCharacter = 4;

} // namespace

Utf8Character Utf8CharacterAt(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0x80           ? 1
                               : (lead >> 5) == 0x6  ? 2
                               : (lead >> 4) == 0xE  ? 3
                               : (lead >> 3) == 0x1E ? 4
                                                     : 0;
    if (length == 0 || at + length > text.size()) {
        return {};
    }
    auto code = static_cast<char32_t>(length == 1 ? lead : lead & (0x7F >> length));
    for (std::size_t next = 1; next < length; ++next) {
        if (!IsContinuation(text[at + next])) {
            return {};
        }
        code = (code << 6) | (static_cast<unsigned char>(text[at + next]) & 0x3F);
    }
    constexpr std::array<char32_t, LongestCharacter + 1> Smallest{0, 0, 0x80, 0x800, 0x10000};
    if (code < Smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return {};
    }
    return {code, length};
}

bool IsUtf8(std::string_view bytes) {
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = Utf8CharacterAt(bytes, at).length;
        if (length == 0) {
            return false;
        }
        at += length;
    }
    return true;
}

std::size_t CharacterCount(std::string_view utf8) {
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return !IsContinuation(c); }));
}

std::size_t Utf8CutBefore(std::string_view text, std::size_t bytes) {
    if (bytes >= text.size()) {
        return text.size();
    }
    // Further continuation bytes belong to no character, and are cut between.
    std::size_t cut = bytes;
    while (cut > 0 && bytes - cut < LongestCharacter - 1 && IsContinuation(text[cut])) {
        --cut;
    }
    return IsContinuation(text[cut]) ? bytes : cut;
}

} // namespace tavrix
