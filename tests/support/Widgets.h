// Driving windows in tests the way a person does: find a control by its
// name, click it, type into it, and take a picture of it to look at.
#pragma once

#include <QObject>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <stdexcept>
#include <string>

namespace tavrix {

// Thrown when a control is not there; GoogleTest reports it as the test's failure.
class MissingControl : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void ReportMissingControl(const QObject& root, const QString& objectName, const char* typeName);

// The child (at any depth) of `root` of type T named `objectName`:
// Find<QPushButton>(window, "BitBtnCalulateResult").
template <typename T> T& Find(const QObject& root, const QString& objectName) {
    if (T* found = root.findChild<T*>(objectName))
        return *found;
    ReportMissingControl(root, objectName, T::staticMetaObject.className());
}

// A left click (or `button`) in the middle of `widget`, or at `point` in its
// coordinates. Fails the test instead when the widget is not visible: a
// person cannot click what is not on the screen.
void Click(QWidget& widget, Qt::MouseButton button = Qt::LeftButton);
void ClickAt(QWidget& widget, QPoint point, Qt::MouseButton button = Qt::LeftButton);

// Key presses into `widget`, one key event pair per character.
void TypeText(QWidget& widget, const QString& text);
void PressKey(QWidget& widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// The same into the control of `window` that has the keyboard focus.
void TypeIntoFocus(QWidget& window, const QString& text);
void PressKeyInFocus(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Saves what `widget` shows as a PNG file; false when it cannot be written.
bool GrabToPng(QWidget& widget, const QString& pngPath);

} // namespace tavrix
