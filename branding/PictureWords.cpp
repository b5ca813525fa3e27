#include "PictureWords.h"

#include "SvgPicture.h"
#include "Tavrix_Units.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPixmap>

namespace tavrix {

namespace {

struct PictureWord {
    const char* svgFile; // its file name, wherever it is read from
    // Where the text stands, in the picture's pixels: its baseline, and the
    // point it starts at or is centred on.
    double x;
    double y;
    bool centred;
    // The width it may take (the first line of the splash stays clear of the
    // mark on its left); a longer translation is set smaller.
    double room;
    int pixelSize;
    QRgb colour;
    const char* text;
};

constexpr int MinimumPixelSize = 6;

// clang-format off
constexpr PictureWord Words[] = {
    {"splash.svg",   188, 100, true,  150, 12, 0x33475b, QT_TRANSLATE_NOOP("tavrix::PictureWords", "the desktop unit converter")},
    {"splash.svg",   188, 116, true,  340,  9, 0x5b6b7b, QT_TRANSLATE_NOOP("tavrix::PictureWords", "%1 categories · %2 units · results log · calculator")},
    {"splash.svg",   190, 176, true,  340,  8, 0x7a8a9a, QT_TRANSLATE_NOOP("tavrix::PictureWords", "Click to close")},
    {"banner.svg",    58,  50, false, 112,  9, 0x33475b, QT_TRANSLATE_NOOP("tavrix::PictureWords", "unit converter")},
    {"supplier.svg",  70,  46, false, 268, 10, 0x4a5866, QT_TRANSLATE_NOOP("tavrix::PictureWords", "Provided to you free of charge")},
};
// clang-format on

} // namespace

void DrawPictureWords(QPixmap& picture, const QString& svgFile) {
    if (picture.isNull())
        return;
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const PictureWord& word : Words) {
        if (QFileInfo(svgFile).fileName() != QLatin1String(word.svgFile))
            continue;
        QString text = QCoreApplication::translate("tavrix::PictureWords", word.text);
        if (text.contains(u'%')) // the counts, from the catalogue
            text = text.arg(CategoryCount).arg(UnitCount);
        QFont font(QStringLiteral("DejaVu Sans"));
        // Nothing left to the application's font, so that the build draws
        // the words as the program does.
        font.setHintingPreference(QFont::PreferNoHinting);
        font.setStyleStrategy(QFont::PreferAntialias);
        font.setPixelSize(word.pixelSize);
        while (font.pixelSize() > MinimumPixelSize &&
               QFontMetricsF(font).horizontalAdvance(text) > word.room) {
            font.setPixelSize(font.pixelSize() - 1);
        }
        painter.setFont(font);
        painter.setPen(QColor(word.colour));
        const double left = word.centred ? word.x - QFontMetricsF(font).horizontalAdvance(text) / 2 : word.x;
        painter.drawText(QPointF(left, word.y), text);
    }
}

QPixmap WordedPicture(const QString& svgFile, QSize size, const QString& language) {
    QPixmap picture = PrerenderedPicture(svgFile, size, language);
    if (picture.isNull()) {
        picture = RenderSvg(svgFile, size);
        DrawPictureWords(picture, svgFile);
    }
    return picture;
}

} // namespace tavrix
