// Where a person clicks a calculator key: the middle of its face on the
// keypad picture.
#pragma once

#include "CalculatorKeys.h"

#include <QPoint>

#include <cstddef>

namespace tavrix {

inline QPoint KeyCentre(int code) {
    const KeyBand column = KeyColumnBands[static_cast<std::size_t>(code % 10)];
    const KeyBand row = KeyRowBands[static_cast<std::size_t>(code / 10)];
    return {(column.from + column.to) / 2, (row.from + row.to) / 2};
}

} // namespace tavrix
