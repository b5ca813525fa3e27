#include "TerminalText.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace tavrix {

namespace {

struct Character {
    char32_t code = 0;
    std::size_t length = 0; // 0 where no well-formed character starts
};

Character Utf8CharacterAt(std::string_view text, std::size_t at) {
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
        const auto byte = static_cast<unsigned char>(text[at + next]);
        if ((byte & 0xC0) != 0x80) {
            return {};
        }
        code = (code << 6) | (byte & 0x3F);
    }
    constexpr std::array<char32_t, 5> Smallest{0, 0, 0x80, 0x800, 0x10000};
    if (code < Smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return {};
    }
    return {code, length};
}

} // namespace

std::string ShownOnTerminal(std::string_view bytes) {
    std::string shown;
    for (std::size_t at = 0; at < bytes.size();) {
        const Character character = Utf8CharacterAt(bytes, at);
        const bool stray = character.length == 0;
        if (!stray && character.code >= 0x20 && (character.code < 0x7F || character.code > 0x9F)) {
            shown += bytes.substr(at, character.length);
        } else {
            // A stray byte is shown as itself, a control character by its code.
            std::array<char, 8> escape{};
            std::snprintf(
                escape.data(), escape.size(), stray || character.code < 0x80 ? "\\x%02X" : "\\u%04X",
                stray ? static_cast<unsigned char>(bytes[at]) : static_cast<unsigned>(character.code));
            shown += escape.data();
        }
        at += std::max<std::size_t>(1, character.length);
    }
    return shown;
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

} // namespace tavrix
