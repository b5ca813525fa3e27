#include "SvgPicture.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>

namespace tavrix {

QPixmap RenderSvg(const QString& svgFile, QSize size) {
    QSvgRenderer renderer(svgFile);
    if (!renderer.isValid())
        return {};
    const qreal ratio = qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap picture(size * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return picture;
}

void ShowPicture(QLabel& label, const QPixmap& picture) {
    label.setPixmap(picture);
    if (!picture.isNull())
        label.resize(picture.deviceIndependentSize().toSize());
}

void ShowSvgPicture(QLabel& label, const QString& svgFile, QSize size) {
    ShowPicture(label, RenderSvg(svgFile, size));
}

} // namespace tavrix
