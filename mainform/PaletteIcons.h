// The program's icons and glyphs are outlined in one dark slate colour,
// which vanishes on a dark desktop. There the outline takes the colour of
// the palette's text instead; fills and accents keep theirs.
#pragma once

#include <QIcon>
#include <QPalette>

namespace tavrix {

// The slate every icon is outlined in.
inline constexpr QRgb IconOutlineColour = 0x2d3e50;

// Whether `palette` draws light text on a dark window.
bool IsDarkPalette(const QPalette& palette);

// `icon` as drawn `size` large, for screens of scale 1 and 2, with its
// outline in `palette`'s window text colour when the palette is dark;
// `icon` itself on a light palette.
QIcon IconForPalette(const QIcon& icon, QSize size, const QPalette& palette);

} // namespace tavrix
