#include "NumericField.h"

#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>

#include <optional>
#include <utility>

namespace tavrix {

namespace {

bool IsControlCharacter(QChar c) {
    return c.category() == QChar::Other_Control;
}

// What the key would type, as the rules see it, or nothing for a key that
// carries no text. Escape and Delete attach control characters on some
// platforms, but they are editing and dialog keys, not text.
std::optional<QChar> TypedCharacter(const QKeyEvent& key) {
    if ((key.modifiers() & Qt::ControlModifier) && key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z)
        return QChar(key.key() - Qt::Key_A + 1);
    const QString text = key.text();
    if (text.isEmpty())
        return std::nullopt;
    if (text.size() != 1)
        return QChar::ReplacementCharacter; // never part of a number
    const QChar typed = text.front();
    const bool typedByItsOwnKey = typed == QChar(8) || typed == QChar(9) || typed == QChar(13);
    if (IsControlCharacter(typed) && !typedByItsOwnKey)
        return std::nullopt;
    return typed;
}

// Where the rules take the caret: the start of a selection, as the digit
// would replace it from there.
int CaretPosition(const QLineEdit& field) {
    return field.hasSelectedText() ? field.selectionStart() : field.cursorPosition();
}

} // namespace

NumericKeyFilter::NumericKeyFilter(QLineEdit& field, Desktop& desktop, std::function<bool()> allowMinus,
                                   int maxPreDecimal, int maxPostDecimal)
    : QObject(&field), field_(field), desktop_(desktop), allowMinus_(std::move(allowMinus)),
      maxPreDecimal_(maxPreDecimal), maxPostDecimal_(maxPostDecimal) {
    // Keys then arrive as key events, which the rules see, instead of as
    // composed text.
    field_.setAttribute(Qt::WA_InputMethodEnabled, false);
    field_.installEventFilter(this);
}

bool NumericKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &field_)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        return swallowKey(*static_cast<QKeyEvent*>(event));
    case QEvent::ContextMenu:
        showMenuWithoutPaste(*static_cast<QContextMenuEvent*>(event));
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        // The middle button pastes the X11 selection.
        return static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        event->ignore();
        return true;
    case QEvent::InputMethod:
        return !static_cast<QInputMethodEvent*>(event)->commitString().isEmpty();
    default:
        return false;
    }
}

bool NumericKeyFilter::swallowKey(const QKeyEvent& key) {
    if (key.matches(QKeySequence::Paste))
        return true;
    const std::optional<QChar> typed = TypedCharacter(key);
    if (!typed)
        return false;
    const KeyVerdict verdict = FilterNumericKey(field_.text(), CaretPosition(field_), *typed, allowMinus_(),
                                                maxPreDecimal_, maxPostDecimal_);
    if (verdict.limitReached != DigitLimit::None)
        desktop_.showInformation(DigitLimitMessage(verdict.limitReached));
    return !verdict.stands();
}

// The field's usual editing commands, less Paste. QLineEdit's own menu can't
// be trimmed reliably: its actions carry neither names nor shortcuts.
void NumericKeyFilter::showMenuWithoutPaste(const QContextMenuEvent& event) {
    auto* menu = new QMenu(&field_);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const bool editable = !field_.isReadOnly();
    const bool selected = field_.hasSelectedText();
    QLineEdit* const field = &field_;

    if (editable) {
        menu->addAction(tr("&Undo"), field, &QLineEdit::undo)->setEnabled(field_.isUndoAvailable());
        menu->addAction(tr("&Redo"), field, &QLineEdit::redo)->setEnabled(field_.isRedoAvailable());
        menu->addSeparator();
        menu->addAction(tr("Cu&t"), field, &QLineEdit::cut)->setEnabled(selected);
    }
    menu->addAction(tr("&Copy"), field, &QLineEdit::copy)->setEnabled(selected);
    if (editable)
        menu->addAction(tr("Delete"), field, &QLineEdit::del)->setEnabled(selected);
    menu->addSeparator();
    menu->addAction(tr("Select All"), field, &QLineEdit::selectAll)->setEnabled(!field_.text().isEmpty());
    menu->popup(event.globalPos());
}

double ReadEditValue(const QLineEdit& field, bool& valid, bool allowZero, bool allowNegative) {
    return ReadEditValue(field.text(), valid, allowZero, allowNegative);
}

} // namespace tavrix
