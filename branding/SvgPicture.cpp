#include "SvgPicture.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QResource>

namespace tavrix {

QString PrerenderedName(const QString& svgFile, QSize pixelSize, const QString& language) {
    if (!svgFile.startsWith(QStringLiteral(":/branding/")) && !svgFile.startsWith(QStringLiteral(":/icons/")))
        return {};
    return QStringLiteral(":/prerendered/%1%2-%3x%4.rgba")
        .arg(QFileInfo(svgFile).completeBaseName(),
             language.isEmpty() ? QString() : QLatin1Char('.') + language)
        .arg(pixelSize.width())
        .arg(pixelSize.height());
}

QImage PrerenderedPixels(const QString& svgFile, QSize pixelSize, const QString& language) {
    const QString name = PrerenderedName(svgFile, pixelSize, language);
    if (name.isEmpty())
        return {};
    const QResource pixels(name);
    const qint64 bytesPerLine = qint64{pixelSize.width()} * PrerenderedBytesPerPixel;
    if (!pixels.isValid())
        return {};
    if (pixels.compressionAlgorithm() == QResource::NoCompression) {
        if (pixels.size() != bytesPerLine * pixelSize.height())
            return {};
        return QImage(pixels.data(), pixelSize.width(), pixelSize.height(), bytesPerLine, PrerenderedFormat);
    }
    const QByteArray unpacked = pixels.uncompressedData();
    if (unpacked.size() != bytesPerLine * pixelSize.height())
        return {};
    // A copy, since the unpacked bytes go with this call.
    return QImage(reinterpret_cast<const uchar*>(unpacked.constData()), pixelSize.width(), pixelSize.height(),
                  bytesPerLine, PrerenderedFormat)
        .copy();
}

QPixmap PrerenderedPicture(const QString& svgFile, QSize size, const QString& language) {
    const qreal ratio = qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0;
    const int wholeRatio = qRound(ratio);
    // Bitmaps were drawn ahead at whole ratios only.
    if (!qFuzzyCompare(ratio, static_cast<qreal>(wholeRatio)))
        return {};
    const QImage ahead = PrerenderedPixels(svgFile, size * wholeRatio, language);
    if (ahead.isNull())
        return {};
    QPixmap picture = QPixmap::fromImage(ahead);
    picture.setDevicePixelRatio(ratio);
    return picture;
}

QPixmap RenderSvg(const QString& svgFile, QSize size) {
    const QPixmap ahead = PrerenderedPicture(svgFile, size);
    if (!ahead.isNull())
        return ahead;
    const qreal ratio = qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0;
    return RenderSvgAt(svgFile, size, ratio);
}

QPixmap RenderSvgAt(const QString& svgFile, QSize size, qreal ratio) {
    QPixmap picture = QPixmap::fromImage(DrawSvg(svgFile, size * ratio));
    picture.setDevicePixelRatio(ratio);
    return picture;
}

QImage DrawSvg(const QString& svgFile, QSize pixelSize) {
    QImageReader reader(svgFile, QByteArrayLiteral("svg"));
    reader.setScaledSize(pixelSize);
    return reader.read();
}

void ShowPicture(QLabel& label, const QPixmap& picture) {
    label.setPixmap(picture);
    if (!picture.isNull())
        label.resize(picture.deviceIndependentSize().toSize());
}

} // namespace tavrix
