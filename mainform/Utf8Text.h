// The catalogue's names are UTF-8 text views; the windows and the command
// line turn them into Qt strings this one way.
#pragma once

#include <QString>

#include <string_view>

namespace tavrix {

inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace tavrix
