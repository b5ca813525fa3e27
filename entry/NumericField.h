// The input rules applied to a real field: every key typed into a QLineEdit
// (or a TRightEdit) passes FilterValueKey before the field sees it, and
// text that arrives without being typed passes FilterPastedValue.
#pragma once

#include "Desktop.h"
#include "OV4_Input_Validation.h"

#include <QObject>

#include <functional>
#include <optional>

class QContextMenuEvent;
class QKeyEvent;
class QLineEdit;

namespace tavrix {

// Installed on one field for the field's lifetime (the field owns it); the
// desktop must outlive the field. The decimal separator is the desktop
// locale's, asked at every key.
//
// - A key the rules swallow never reaches the field; a digit-limit message is
//   shown through the desktop's information box.
// - Keys that carry no text (arrows, Home, Delete, Escape ...) pass untouched.
// - Ctrl with a letter counts as its control character (Ctrl+V is 22), which
//   the rules swallow, whatever text the platform attaches; but Select All
//   (Ctrl+A) reaches the field and selects its whole text.
// - Text pasted by Ctrl+V, Shift+Insert, the context menu's Paste, the
//   middle mouse button (the X11 selection) or dropped on the field goes in
//   whole when the text it makes could have been typed, and is refused
//   whole otherwise (FilterPastedValue), with the digit-limit message where
//   a limit was the reason. Input-method commits are swallowed.
class NumericKeyFilter : public QObject {
    Q_OBJECT

public:
    // `shape` is asked afresh at every key: the main window allows the
    // minus sign only while the from-unit is a temperature, and the words of
    // a compound unit's parts only while it is one.
    NumericKeyFilter(QLineEdit& field, Desktop& desktop, std::function<ValueShape()> shape, int maxPreDecimal,
                     int maxPostDecimal);

    // Asked at each paste: when it says so, a paste replaces the field's
    // whole text, as the calculator's next number replaces a shown result.
    void setPasteReplacesText(std::function<bool()> replaces) { pasteReplacesText_ = std::move(replaces); }

signals:
    // A paste went into the field.
    void pasted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // True when the key is to be kept from the field.
    bool swallowKey(const QKeyEvent& key);
    void showEditMenu(const QContextMenuEvent& event);
    // Pastes `text` over the selection, or at `caret` when one is given.
    // Returns whether it went in.
    bool paste(const QString& text, std::optional<int> caret = std::nullopt);

    QLineEdit& field_;
    Desktop& desktop_;
    std::function<ValueShape()> shape_;
    std::function<bool()> pasteReplacesText_;
    int maxPreDecimal_;
    int maxPostDecimal_;
};

} // namespace tavrix
