#include "RightEdit.h"

#include <QEvent>
#include <QFontMetrics>

namespace tavrix {

TRightEdit::TRightEdit(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    applyHeightCap();
}

void TRightEdit::setBounds(int left, int top, int width, int height) {
    setGeometry(left, top, width, height);
}

// A font given in pixels has its height in pixels, as the window layouts
// state it (11 for the calculator's font). A font given in points has none
// until it meets a screen, so the height it takes there, the line height of
// its metrics, stands in: that is never less than the size in pixels, so the
// cap never cuts text off.
int TRightEdit::heightCap() const {
    const int pixelSize = font().pixelSize();
    const int fontHeight = pixelSize > 0 ? pixelSize : fontMetrics().height();
    return 2 * fontHeight;
}

void TRightEdit::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        applyHeightCap();
    QLineEdit::changeEvent(event);
}

void TRightEdit::applyHeightCap() {
    const int cap = heightCap();
    setMaximumHeight(cap > 0 ? cap : QWIDGETSIZE_MAX);
}

} // namespace tavrix
