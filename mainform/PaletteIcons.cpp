#include "PaletteIcons.h"

#include <QImage>
#include <QPixmap>

namespace tavrix {

namespace {

// The outline's pixels, antialiased edges included (the icons are drawn on
// a transparent ground, so an edge differs only in its alpha).
QPixmap Recoloured(const QPixmap& pixmap, QColor outline) {
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & RGB_MASK) == IconOutlineColour) {
                line[x] = qRgba(outline.red(), outline.green(), outline.blue(), qAlpha(line[x]));
            }
        }
    }
    QPixmap recoloured = QPixmap::fromImage(image);
    recoloured.setDevicePixelRatio(pixmap.devicePixelRatio());
    return recoloured;
}

} // namespace

bool IsDarkPalette(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() < palette.color(QPalette::WindowText).lightness();
}

QIcon IconForPalette(const QIcon& icon, QSize size, const QPalette& palette) {
    if (!IsDarkPalette(palette) || icon.isNull()) {
        return icon;
    }
    QIcon readable;
    for (const qreal scale : {1.0, 2.0}) {
        for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
            readable.addPixmap(
                Recoloured(icon.pixmap(size, scale, mode), palette.color(QPalette::WindowText)), mode);
        }
    }
    return readable;
}

} // namespace tavrix
