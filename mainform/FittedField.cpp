#include "FittedField.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace tavrix {

namespace {

constexpr qreal SmallestScale = 2.0 / 3.0;
// Sizes are tried in these steps, so that the text never touches the edge.
constexpr qreal PointStep = 0.25;

qreal TextRoom(const QLineEdit& field) {
    QStyleOptionFrame option;
    option.initFrom(&field);
    option.lineWidth =
        field.hasFrame() ? field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field) : 0;
    const QRect contents = field.style()->subElementRect(QStyle::SE_LineEditContents, &option, &field);
    const QMargins margins = field.textMargins();
    // The field keeps a margin of two pixels each side inside its contents.
    constexpr int InnerMargins = 4;
    return contents.width() - margins.left() - margins.right() - InnerMargins;
}

} // namespace

void FitFieldFontToText(QLineEdit& field, const QFont& font) {
    QFont fitted = font;
    const qreal room = TextRoom(field);
    const qreal smallest = font.pointSizeF() * SmallestScale;
    while (QFontMetricsF(fitted).horizontalAdvance(field.text()) > room &&
           fitted.pointSizeF() - PointStep >= smallest) {
        fitted.setPointSizeF(fitted.pointSizeF() - PointStep);
    }
    if (fitted == font) {
        field.setFont(QFont()); // the window's again, as it changes
    } else if (fitted != field.font()) {
        field.setFont(fitted);
    }
}

} // namespace tavrix
