// A build tool: draws one of the branding pictures at the size the program
// shows it and one pixel density, and writes its raw pixels, so that the
// program takes a finished bitmap at start instead of parsing and drawing
// the SVG.
//   tavrix_render_picture <picture.svg> <width> <height> <ratio> <output.rgba> [<words>]
// With <words>, the picture's words are drawn too: in English for "-",
// else in the language of that translation file (.qm).
// The drawing is the program's own (RenderSvg), with the fonts it finds.
#include "PictureWords.h"
#include "SvgPicture.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

namespace {

int Fail(const char* what, const char* argument) {
    std::fprintf(stderr, "RenderPicture: %s %s\n", what, argument);
    return 1;
}

int Number(const char* text) {
    bool isNumber = false;
    const int number = QString::fromLocal8Bit(text).toInt(&isNumber);
    return isNumber ? number : -1;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 6 && argc != 7)
        return Fail("usage: RenderPicture <picture.svg> <width> <height> <ratio> <output.rgba> [<words>]",
                    "");
    // No display at build time; the text in the pictures needs the fonts all the same.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QSize size(Number(argv[2]), Number(argv[3]));
    const int ratio = Number(argv[4]);
    if (size.width() < 1 || size.height() < 1 || ratio < 1)
        return Fail("not a size and a whole pixel ratio:", argv[2]);
    const QString svgFile = QString::fromLocal8Bit(argv[1]);
    QPixmap picture = tavrix::RenderSvgAt(svgFile, size, ratio);
    if (picture.isNull())
        return Fail("cannot read the picture", argv[1]);
    if (argc == 7) {
        QTranslator translation;
        if (QString::fromLocal8Bit(argv[6]) != QLatin1String("-")) {
            if (!translation.load(QString::fromLocal8Bit(argv[6])) ||
                !QCoreApplication::installTranslator(&translation))
                return Fail("cannot read the translation", argv[6]);
        }
        tavrix::DrawPictureWords(picture, svgFile);
    }
    const QImage pixels = picture.toImage().convertToFormat(tavrix::PrerenderedFormat);
    QFile output(QString::fromLocal8Bit(argv[5]));
    bool written = output.open(QIODevice::WriteOnly | QIODevice::Truncate);
    const auto rowBytes = qint64{pixels.width()} * tavrix::PrerenderedBytesPerPixel;
    for (int row = 0; written && row < pixels.height(); ++row)
        written =
            output.write(reinterpret_cast<const char*>(pixels.constScanLine(row)), rowBytes) == rowBytes;
    if (!written || !output.flush())
        return Fail("cannot write", argv[5]);
    return 0;
}
