#include "Widgets.h"

#include <QApplication>
#include <QPixmap>
#include <QTest>

#include <gtest/gtest.h>

namespace tavrix {

namespace {

QString NameOf(const QObject& object) {
    const QString name = object.objectName();
    return QString::fromLatin1(object.metaObject()->className()) + QStringLiteral(" \"") + name +
           QStringLiteral("\"");
}

bool CheckVisible(const QWidget& widget) {
    if (widget.isVisible())
        return true;
    ADD_FAILURE() << "cannot click " << NameOf(widget).toStdString()
                  << ": it is not visible (is its window shown?)";
    return false;
}

QWidget* FocusedControl(QWidget& window) {
    QWidget* focused = window.focusWidget();
    if (!focused)
        ADD_FAILURE() << "no control of " << NameOf(window).toStdString() << " has the keyboard focus";
    return focused;
}

} // namespace

void ReportMissingControl(const QObject& root, const QString& objectName, const char* typeName) {
    QStringList sameName;
    for (const QObject* child : root.findChildren<QObject*>(objectName))
        sameName += QString::fromLatin1(child->metaObject()->className());
    QString message = QStringLiteral("no %1 named \"%2\" in %3")
                          .arg(QString::fromLatin1(typeName), objectName, NameOf(root));
    if (!sameName.isEmpty())
        message += QStringLiteral(" (that name belongs to: %1)").arg(sameName.join(QStringLiteral(", ")));
    throw MissingControl(message.toStdString());
}

void Click(QWidget& widget, Qt::MouseButton button) {
    ClickAt(widget, widget.rect().center(), button);
}

void ClickAt(QWidget& widget, QPoint point, Qt::MouseButton button) {
    if (CheckVisible(widget))
        QTest::mouseClick(&widget, button, Qt::NoModifier, point);
}

void TypeText(QWidget& widget, const QString& text) {
    QTest::keyClicks(&widget, text);
}

void PressKey(QWidget& widget, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(&widget, key, modifiers);
}

void TypeIntoFocus(QWidget& window, const QString& text) {
    if (QWidget* focused = FocusedControl(window))
        TypeText(*focused, text);
}

void PressKeyInFocus(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    if (QWidget* focused = FocusedControl(window))
        PressKey(*focused, key, modifiers);
}

bool GrabToPng(QWidget& widget, const QString& pngPath) {
    return widget.grab().save(pngPath, "PNG");
}

} // namespace tavrix
