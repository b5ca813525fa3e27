#include "NumericField.h"

#include "LocaleNumberFormat.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
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

NumericKeyFilter::NumericKeyFilter(QLineEdit& field, Desktop& desktop, std::function<ValueShape()> shape,
                                   int maxPreDecimal, int maxPostDecimal)
    : QObject(&field), field_(field), desktop_(desktop), shape_(std::move(shape)),
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
        showEditMenu(*static_cast<QContextMenuEvent*>(event));
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        // The middle button pastes the X11 selection where it is released.
        const auto& mouse = *static_cast<QMouseEvent*>(event);
        if (mouse.button() != Qt::MiddleButton)
            return false;
        const QClipboard& clipboard = *QGuiApplication::clipboard();
        if (event->type() == QEvent::MouseButtonRelease && clipboard.supportsSelection() &&
            !field_.isReadOnly())
            paste(clipboard.text(QClipboard::Selection), field_.cursorPositionAt(mouse.position().toPoint()));
        return true;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto& drag = *static_cast<QDropEvent*>(event);
        if (drag.mimeData()->hasText() && !field_.isReadOnly())
            drag.acceptProposedAction();
        else
            drag.ignore();
        return true;
    }
    case QEvent::Drop: {
        auto& drop = *static_cast<QDropEvent*>(event);
        // Copied, never moved: the text a drag takes away is the source's business.
        drop.setDropAction(Qt::CopyAction);
        if (!field_.isReadOnly() &&
            paste(drop.mimeData()->text(), field_.cursorPositionAt(drop.position().toPoint())))
            drop.accept();
        else
            drop.ignore();
        return true;
    }
    case QEvent::InputMethod:
        return !static_cast<QInputMethodEvent*>(event)->commitString().isEmpty();
    default:
        return false;
    }
}

bool NumericKeyFilter::swallowKey(const QKeyEvent& key) {
    if (key.matches(QKeySequence::Paste)) {
        if (!field_.isReadOnly())
            paste(QGuiApplication::clipboard()->text());
        return true;
    }
    // Selecting the whole field changes no text: the field does it.
    if (key.matches(QKeySequence::SelectAll))
        return false;
    const std::optional<QChar> typed = TypedCharacter(key);
    if (!typed)
        return false;
    const KeyVerdict verdict =
        FilterValueKey(field_.text(), CaretPosition(field_), *typed, shape_(), maxPreDecimal_,
                       maxPostDecimal_, DecimalSeparatorOf(desktop_.locale()));
    if (verdict.limitReached != DigitLimit::None)
        desktop_.showInformation(DigitLimitMessage(verdict.limitReached));
    return !verdict.stands();
}

bool NumericKeyFilter::paste(const QString& text, std::optional<int> caret) {
    if (pasteReplacesText_ && pasteReplacesText_())
        field_.selectAll();
    else if (caret)
        field_.setCursorPosition(*caret);
    const int start = field_.hasSelectedText() ? field_.selectionStart() : field_.cursorPosition();
    const int length = field_.hasSelectedText() ? static_cast<int>(field_.selectedText().size()) : 0;
    const PasteVerdict verdict =
        FilterPastedValue(field_.text(), start, length, text, shape_(), maxPreDecimal_, maxPostDecimal_,
                          DecimalSeparatorOf(desktop_.locale()));
    if (verdict.limitReached != DigitLimit::None)
        desktop_.showInformation(DigitLimitMessage(verdict.limitReached));
    if (verdict.foreignSeparator)
        desktop_.showInformation(
            ForeignSeparatorMessage(text.trimmed(), DecimalSeparatorOf(desktop_.locale())));
    if (!verdict.accepted())
        return false;
    field_.insert(verdict.inserted);
    emit pasted();
    return true;
}

// The field's usual editing commands, with a Paste that goes through the
// rules. QLineEdit's own menu can't be trimmed reliably: its actions carry
// neither names nor shortcuts.
void NumericKeyFilter::showEditMenu(const QContextMenuEvent& event) {
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
    if (editable) {
        menu->addAction(tr("&Paste"), this, [this] { paste(QGuiApplication::clipboard()->text()); })
            ->setEnabled(!QGuiApplication::clipboard()->text().isEmpty());
        menu->addAction(tr("Delete"), field, &QLineEdit::del)->setEnabled(selected);
    }
    menu->addSeparator();
    menu->addAction(tr("Select All"), field, &QLineEdit::selectAll)->setEnabled(!field_.text().isEmpty());
    menu->popup(event.globalPos());
}

} // namespace tavrix
