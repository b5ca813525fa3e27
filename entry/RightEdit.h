// A one-line field whose text stands flush right, as numbers do on a
// calculator's display.
//
// A QLineEdit is one line by nature: text longer than the field scrolls
// sideways, never wraps. Return and Tab are never taken as text: Return emits
// returnPressed() and is then passed on to the window, so a dialog's default
// button still answers Enter; Tab moves the focus.
#pragma once

#include <QLineEdit>

namespace tavrix {

class TRightEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TRightEdit(QWidget* parent = nullptr);

    // Left, top, width and height in the parent's coordinates, as window
    // layouts give them. Like every resize, the height is capped.
    void setBounds(int left, int top, int width, int height);

    // The tallest the field may be: twice the height of its font, so that it
    // never stands taller than two lines of its own text.
    int heightCap() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    // The cap is the field's maximum height, so setGeometry, resize, layouts
    // and .ui geometry all respect it; it follows every change of the font.
    void applyHeightCap();
};

} // namespace tavrix
