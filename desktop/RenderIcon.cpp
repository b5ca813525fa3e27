// Draws the program's SVG icon as a square PNG of one size, for menus and
// docks that want a bitmap:  RenderIcon <icon.svg> <size> <output.png>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>

namespace {

constexpr int SmallestSize = 16;
constexpr int LargestSize = 1024;

int Fail(const char* what, const char* argument) {
    std::fprintf(stderr, "RenderIcon: %s %s\n", what, argument);
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4)
        return Fail("usage: RenderIcon <icon.svg> <size> <output.png>", "");
    bool isNumber = false;
    const int size = QString::fromLocal8Bit(argv[2]).toInt(&isNumber);
    if (!isNumber || size < SmallestSize || size > LargestSize)
        return Fail("not a size from 16 to 1024 pixels:", argv[2]);
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid())
        return Fail("cannot read the picture", argv[1]);

    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG"))
        return Fail("cannot write", argv[3]);
    return 0;
}
