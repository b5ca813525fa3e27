// Pictures drawn from SVG sources at the screen's pixel density, so that
// they stay sharp on scaled screens.
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

class QLabel;

namespace tavrix {

// `svgFile` drawn into `size` logical pixels at the application's device
// pixel ratio; a null pixmap when the file cannot be read.
QPixmap RenderSvg(const QString& svgFile, QSize size);

// Gives `label` the picture and sizes the label to it, as a picture control
// that sizes itself does.
void ShowPicture(QLabel& label, const QPixmap& picture);
void ShowSvgPicture(QLabel& label, const QString& svgFile, QSize size);

} // namespace tavrix
