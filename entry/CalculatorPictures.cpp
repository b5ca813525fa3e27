#include "CalculatorPictures.h"

#include "CalculatorKeys.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace tavrix {

namespace {

struct FaceColours {
    QColor top;
    QColor bottom;
    QColor text;
};

FaceColours ColoursOf(KeyKind kind) {
    switch (kind) {
    case KeyKind::Digit:
    case KeyKind::DecimalSeparator:
        return {QColor(0xfd, 0xfd, 0xfd), QColor(0xdc, 0xdf, 0xe4), QColor(0x1e, 0x22, 0x28)};
    case KeyKind::Operation:
        return {QColor(0xe2, 0xed, 0xfc), QColor(0x9f, 0xbf, 0xec), QColor(0x10, 0x37, 0x78)};
    case KeyKind::Equals:
        return {QColor(0xff, 0xe4, 0xbd), QColor(0xf4, 0xa7, 0x4a), QColor(0x6b, 0x32, 0x00)};
    case KeyKind::Memory:
        return {QColor(0xe3, 0xf4, 0xe1), QColor(0xa3, 0xd3, 0x9c), QColor(0x17, 0x55, 0x15)};
    case KeyKind::Clear:
        return {QColor(0xff, 0xe0, 0xdc), QColor(0xee, 0x9a, 0x8f), QColor(0x86, 0x14, 0x0a)};
    case KeyKind::Function:
    case KeyKind::None:
    default:
        return {QColor(0xef, 0xe8, 0xf7), QColor(0xc6, 0xb4, 0xe2), QColor(0x42, 0x23, 0x70)};
    }
}

constexpr qreal FaceRadius = 4;

// The captions are drawn in an outline font, which stays sharp at any scale
// (the window's bitmap font has glyphs for one size only).
QFont CaptionFont() {
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    return font;
}

// The rectangle covering the pixels from..to on both axes, with its outline
// on pixel centres so that a one-pixel pen stays inside them.
QRectF PixelBox(KeyBand columns, KeyBand rows) {
    return QRectF(columns.from + 0.5, rows.from + 0.5, columns.to - columns.from, rows.to - rows.from);
}

void PaintRaisedFace(QPainter& painter, const QRectF& box, const FaceColours& colours) {
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, colours.top);
    fill.setColorAt(1, colours.bottom);
    painter.setPen(QPen(colours.bottom.darker(150), 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(box, FaceRadius, FaceRadius);
    // A highlight along the top edge gives the face its lift.
    painter.setPen(QPen(QColor(255, 255, 255, 170), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(box.left() + FaceRadius, box.top() + 1),
                     QPointF(box.right() - FaceRadius, box.top() + 1));
}

// A caption too wide for its face is broken where a new word begins
// ("BackSpace" gives "Back" over "Space") and set smaller until it fits.
void PaintCaption(QPainter& painter, const QRectF& box, const QString& caption, QFont font,
                  const QColor& colour) {
    QStringList lines{caption};
    font.setBold(true);
    const qreal room = box.width() - 4;
    if (QFontMetricsF(font).horizontalAdvance(caption) > room) {
        for (qsizetype i = 1; i < caption.size(); ++i) {
            if (caption[i].isUpper() && caption[i - 1].isLower()) {
                lines = QStringList{caption.left(i), caption.mid(i)};
                break;
            }
        }
        font.setBold(false);
    }
    const auto widest = [&] {
        qreal width = 0;
        for (const QString& line : lines) {
            width = std::max(width, QFontMetricsF(font).horizontalAdvance(line));
        }
        return width;
    };
    while (
        font.pixelSize() > 7 &&
        (widest() > room || QFontMetricsF(font).height() * static_cast<qreal>(lines.size()) > box.height())) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignCenter, lines.join(QLatin1Char('\n')));
}

} // namespace

void PaintKeyPad(QPainter& painter, QChar separator) {
    const QFont font = CaptionFont();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (std::size_t row = 0; row < KeyRowBands.size(); ++row) {
        for (std::size_t column = 0; column < KeyColumnBands.size(); ++column) {
            const int code = static_cast<int>(10 * row + column);
            const QString caption = ShownKeyCaption(code, separator);
            if (caption.isEmpty()) {
                continue;
            }
            const QRectF box = PixelBox(KeyColumnBands[column], KeyRowBands[row]);
            const FaceColours colours = ColoursOf(KindOfKey(code));
            PaintRaisedFace(painter, box, colours);
            PaintCaption(painter, box, caption, font, colours.text);
        }
    }
    // The memory well spans the three empty cells of the bottom row.
    const KeyBand wellColumns{KeyColumnBands[0].from, KeyColumnBands[2].to};
    const QRectF well = PixelBox(wellColumns, KeyRowBands.back());
    painter.setPen(QPen(QColor(0x8c, 0x92, 0x9a), 1));
    painter.setBrush(QColor(0xee, 0xf6, 0xe6));
    painter.drawRoundedRect(well, 3, 3);
    painter.setPen(QPen(QColor(0, 0, 0, 40), 1));
    painter.drawLine(QPointF(well.left() + 3, well.top() + 1), QPointF(well.right() - 3, well.top() + 1));
    QFont marker = font;
    marker.setBold(true);
    painter.setFont(marker);
    painter.setPen(QColor(0x8a, 0x94, 0x80));
    painter.drawText(well.adjusted(5, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("M"));
}

void PaintOkButton(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = PixelBox({0, OkButtonWidth - 1}, {0, OkButtonHeight - 1});
    const FaceColours colours{QColor(0x7e, 0xd3, 0x6f), QColor(0x2f, 0x8f, 0x2a), QColor(Qt::white)};
    PaintRaisedFace(painter, box, colours);
    QFont bold = CaptionFont();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(colours.text);
    painter.drawText(box, Qt::AlignCenter, QStringLiteral("OK"));
}

void PaintSignOutline(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = PixelBox({0, SignOutlineSize - 1}, {0, SignOutlineSize - 1});
    painter.setPen(QPen(QColor(0x8c, 0x92, 0x9a), 1));
    painter.setBrush(QColor(0xfb, 0xfc, 0xf8));
    painter.drawRoundedRect(box, 3, 3);
    painter.setPen(QPen(QColor(0, 0, 0, 40), 1));
    painter.drawLine(QPointF(box.left() + 3, box.top() + 1), QPointF(box.right() - 3, box.top() + 1));
}

TCalculatorPicture::TCalculatorPicture(QWidget* parent, QSize size, Painting painting)
    : QWidget(parent), painting_(std::move(painting)) {
    setFixedSize(size);
}

void TCalculatorPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painting_(painter);
}

void TCalculatorPicture::mousePressEvent(QMouseEvent* event) {
    emit mouseDown(event->button(), event->position().toPoint());
}

} // namespace tavrix
