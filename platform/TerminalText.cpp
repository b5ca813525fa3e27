#include "TerminalText.h"

#include "Utf8.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace tavrix {

std::string ShownOnTerminal(std::string_view bytes) {
    std::string shown;
    for (std::size_t at = 0; at < bytes.size();) {
        const Utf8Character character = Utf8CharacterAt(bytes, at);
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

} // namespace tavrix
