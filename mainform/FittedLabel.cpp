#include "FittedLabel.h"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

namespace tavrix {

void FitLabelToText(const LabelPlace& place) {
    QLabel& label = *place.label;
    const QMargins frame =
        label.contentsMargins() + QMargins(label.margin(), label.margin(), label.margin(), label.margin());
    const QFontMetrics metrics = label.fontMetrics();
    const int neededWidth = metrics.horizontalAdvance(label.text()) + frame.left() + frame.right();
    const int neededHeight = metrics.height() + frame.top() + frame.bottom();

    QRect bounds = place.prescribed;
    int missing = neededWidth - bounds.width();
    const auto growLeft = [&] {
        const int step = std::clamp(missing, 0, bounds.left() - place.leftmost);
        bounds.setLeft(bounds.left() - step);
        missing -= step;
    };
    const auto growRight = [&] {
        const int step = std::clamp(missing, 0, place.rightEnd - (bounds.right() + 1));
        bounds.setRight(bounds.right() + step);
        missing -= step;
    };
    if (place.growsLeftFirst) {
        growLeft();
        growRight();
    } else {
        growRight();
        growLeft();
    }
    if (neededHeight > bounds.height()) {
        bounds.setTop(bounds.bottom() + 1 - neededHeight);
    }
    label.setGeometry(bounds);
}

} // namespace tavrix
