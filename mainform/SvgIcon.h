// Icons drawn from SVG sources only when first drawn, at the size and pixel
// density they are drawn at. Qt's own SVG icons read and check each file as
// the icon is made, which at start-up costs more than drawing them later.
#pragma once

#include <QIcon>
#include <QString>

namespace tavrix {

// `svgFile`'s icon, sharp at any size and screen scale; each size is drawn
// once and kept.
QIcon SvgIcon(const QString& svgFile);

} // namespace tavrix
