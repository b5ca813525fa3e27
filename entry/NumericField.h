// The input rules applied to a real field: every key typed into a QLineEdit
// (or a TRightEdit) passes FilterNumericKey before the field sees it, and the
// routes by which text could arrive without being typed are closed.
#pragma once

#include "Desktop.h"
#include "OV4_Input_Validation.h"

#include <QObject>

#include <functional>

class QContextMenuEvent;
class QKeyEvent;
class QLineEdit;

namespace tavrix {

// Installed on one field for the field's lifetime (the field owns it); the
// desktop must outlive the field.
//
// - A key the rules swallow never reaches the field; a digit-limit message is
//   shown through the desktop's information box.
// - Keys that carry no text (arrows, Home, Delete, Escape ...) pass untouched.
// - Ctrl with a letter counts as its control character (Ctrl+V is 22), which
//   the rules swallow, whatever text the platform attaches.
// - Pasted and dropped text is refused, not filtered: Shift+Insert and the
//   paste key, the middle mouse button, drops and input-method commits are
//   swallowed, and the context menu offers no Paste.
class NumericKeyFilter : public QObject {
    Q_OBJECT

public:
    // `allowMinus` is asked afresh at every key: the main window allows the
    // minus sign only while the from-unit is a temperature.
    NumericKeyFilter(QLineEdit& field, Desktop& desktop, std::function<bool()> allowMinus, int maxPreDecimal,
                     int maxPostDecimal);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // True when the key is to be kept from the field.
    bool swallowKey(const QKeyEvent& key);
    void showMenuWithoutPaste(const QContextMenuEvent& event);

    QLineEdit& field_;
    Desktop& desktop_;
    std::function<bool()> allowMinus_;
    int maxPreDecimal_;
    int maxPostDecimal_;
};

// ReadEditValue on the field's text.
double ReadEditValue(const QLineEdit& field, bool& valid, bool allowZero, bool allowNegative);

} // namespace tavrix
