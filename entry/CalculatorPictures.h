// The calculator's pictures, drawn at run time so that they are sharp at any
// screen scale and every key face lies exactly inside its band of the keypad.
#pragma once

#include <QWidget>

#include <functional>

class QPainter;

namespace tavrix {

inline constexpr int OkButtonWidth = 32;
inline constexpr int OkButtonHeight = 27;
inline constexpr int SignOutlineSize = 20;

// The keypad: one face per key with its caption, coloured by kind; the
// separator key shows `separator`. The bottom-left corner, where that row has no keys, holds the
// well behind the memory label.
void PaintKeyPad(QPainter& painter, QChar separator);
void PaintOkButton(QPainter& painter);
// A sunken frame that holds the sign of the pending operation.
void PaintSignOutline(QPainter& painter);

// A picture control: draws itself with a painting function, is transparent
// where the picture leaves pixels untouched, and reports mouse presses.
class TCalculatorPicture : public QWidget {
    Q_OBJECT

public:
    using Painting = std::function<void(QPainter&)>;
    TCalculatorPicture(QWidget* parent, QSize size, Painting painting);

signals:
    // Any button; `position` in the picture's own pixels.
    void mouseDown(Qt::MouseButton button, QPoint position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    Painting painting_;
};

} // namespace tavrix
