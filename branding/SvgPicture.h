// Pictures drawn from SVG sources at the screen's pixel density, so that
// they stay sharp on scaled screens.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

class QLabel;

namespace tavrix {

// `svgFile` drawn into `size` logical pixels at the application's device
// pixel ratio; a null pixmap when the file cannot be read. Where the build
// drew the picture at that size and ratio already, that is taken instead.
QPixmap RenderSvg(const QString& svgFile, QSize size);

// `svgFile` drawn into `size` logical pixels at pixel ratio `ratio`.
QPixmap RenderSvgAt(const QString& svgFile, QSize size, qreal ratio);

// `svgFile` drawn to fill `pixelSize` device pixels; a null image when the
// file cannot be read. It goes through Qt's SVG image format plug-in, which
// is loaded only when a drawing is first needed: most starts never load it,
// since the pictures the windows show at start were drawn by the build.
QImage DrawSvg(const QString& svgFile, QSize pixelSize);

// Where the build puts a compiled-in picture or icon (":/branding/...",
// ":/icons/...") drawn ahead into `pixelSize` device pixels:
// ":/prerendered/banner-1156x162.rgba" for ":/branding/banner.svg" at twice
// its 578x81; empty for any other file. The file holds the pixels row by
// row in PrerenderedFormat, nothing else: the format pixmaps keep, so that
// making one copies the pixels rather than converting each. Its byte order
// is the machine's, which for pictures drawn by the build is the program's.
// A picture whose words the build drew in one language has that language
// after its name: ":/prerendered/banner.de-578x81.rgba".
QString PrerenderedName(const QString& svgFile, QSize pixelSize, const QString& language = {});
inline constexpr QImage::Format PrerenderedFormat = QImage::Format_ARGB32_Premultiplied;
inline constexpr int PrerenderedBytesPerPixel = 4;

// The pixels the build drew ahead for `svgFile` at `pixelSize`, used where
// they lie in the program (no decoding at all: a PNG's would cost more
// than drawing the SVG), or unpacked where the build compressed them; a
// null image where the build drew none.
QImage PrerenderedPixels(const QString& svgFile, QSize pixelSize, const QString& language = {});

// The picture the build drew ahead for `svgFile` at `size` logical pixels
// and the application's pixel ratio (with its words in `language`, if
// given); a null pixmap where it drew none.
QPixmap PrerenderedPicture(const QString& svgFile, QSize size, const QString& language = {});

// Gives `label` the picture and sizes the label to it, as a picture control
// that sizes itself does.
void ShowPicture(QLabel& label, const QPixmap& picture);

} // namespace tavrix
