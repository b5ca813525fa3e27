#include "NumericField.h"
#include "RightEdit.h"
#include "ScriptedDesktop.h"
#include "Tavrix_Units.h"
#include "Widgets.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <functional>

using namespace tavrix;

namespace {

const QString PreDecimalText = QStringLiteral("Maximum number of pre-decimal digits reached.\r\rDelete some "
                                              "pre-decimal digits and then update the value as "
                                              "required.");
const QString PostDecimalText = QStringLiteral("Maximum number of post-decimal digits reached.\r\rDelete "
                                               "some post-decimal digits and then update the value as "
                                               "required.");

// A value field as the main window has it: 12 before, 10 behind the separator.
class NumericFieldTest : public ::testing::Test {
protected:
    ScriptedDesktop desktop;
    bool minusAllowed = false;
    QLineEdit field;
    NumericKeyFilter* filter = new NumericKeyFilter(
        field, desktop, [this] { return ValueShape{minusAllowed, false, {}}; }, 12, 10);
};

TEST_F(NumericFieldTest, TypedTextKeepsOnlyWhatTheRulesAccept) {
    TypeText(field, QStringLiteral("1a2-3.4,5.6 e+7"));
    EXPECT_EQ(field.text(), QStringLiteral("123.4567"));

    minusAllowed = true; // the from-unit became a temperature
    PressKey(field, Qt::Key_Home);
    TypeText(field, QStringLiteral("--"));
    EXPECT_EQ(field.text(), QStringLiteral("-123.4567"));
    EXPECT_TRUE(desktop.calls().empty());
}

TEST_F(NumericFieldTest, EditingKeysStillWork) {
    TypeText(field, QStringLiteral("1234"));
    PressKey(field, Qt::Key_Home);
    PressKey(field, Qt::Key_Delete);
    PressKey(field, Qt::Key_End);
    PressKey(field, Qt::Key_Backspace);
    PressKey(field, Qt::Key_Left);
    TypeText(field, QStringLiteral("9"));
    EXPECT_EQ(field.text(), QStringLiteral("293"));
}

TEST_F(NumericFieldTest, FullIntegerPartShowsItsMessageOncePerRefusedDigit) {
    TypeText(field, QStringLiteral("123456789012"));
    desktop.expectInformation(PreDecimalText);
    PressKey(field, Qt::Key_Home);
    TypeText(field, QStringLiteral("5"));
    desktop.verify();
    ASSERT_EQ(desktop.calls().size(), 1u);
    EXPECT_EQ(desktop.calls()[0].kind, ScriptedDesktop::Kind::Information);
    EXPECT_EQ(field.text(), QStringLiteral("123456789012"));

    PressKey(field, Qt::Key_End);
    TypeText(field, QStringLiteral(".1234567890"));
    desktop.expectInformation(PostDecimalText);
    TypeText(field, QStringLiteral("1"));
    desktop.verify();
    EXPECT_EQ(desktop.calls().size(), 2u);
    EXPECT_EQ(field.text(), QStringLiteral("123456789012.1234567890"));
}

TEST_F(NumericFieldTest, SelectionCountsFromItsStartAndIsNotSubtracted) {
    TypeText(field, QStringLiteral("123456789012.5"));
    // The separator and the "5" selected rightwards: the caret stands behind
    // the separator, the selection starts in front of it.
    field.setSelection(12, 2);
    desktop.expectInformation(PreDecimalText);
    TypeText(field, QStringLiteral("3"));
    desktop.verify();

    field.setText(QStringLiteral("123456789012"));
    field.selectAll(); // the digit would replace all twelve, yet they count
    desktop.expectInformation(PreDecimalText);
    TypeText(field, QStringLiteral("3"));
    EXPECT_EQ(field.text(), QStringLiteral("123456789012"));
}

TEST_F(NumericFieldTest, CommaLocaleTypesAComma) {
    desktop.setLocale(QLocale(QLocale::German, QLocale::Germany));
    TypeText(field, QStringLiteral("1.5,2,5"));
    EXPECT_EQ(field.text(), QStringLiteral("15,25"));
    bool valid = false;
    EXPECT_EQ(ReadEditValue(field.text(), valid, true, true, u','), 15.25);
    EXPECT_TRUE(valid);
}

// Every way of pasting puts a number in whole when the text it makes could
// have been typed, and leaves the field alone otherwise.
TEST_F(NumericFieldTest, PastingByKeyMenuOrDropFollowsTheTypingRules) {
    QClipboard& clipboard = *QGuiApplication::clipboard();
    const auto pasteByMenu = [this] {
        QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(2, 2), field.mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(&field, &request);
        QMenu* menu = field.findChild<QMenu*>();
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions())
            if (action->text() == QStringLiteral("&Paste"))
                action->trigger();
        menu->close();
        delete menu;
    };
    const auto drop = [this](const QString& text) {
        QMimeData dropped;
        dropped.setText(text);
        QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&field, &enter);
        EXPECT_TRUE(enter.isAccepted());
        // At the far right: behind the text.
        QDropEvent dropping(QPointF(field.width() - 2, 2), Qt::CopyAction, &dropped, Qt::LeftButton,
                            Qt::NoModifier);
        QApplication::sendEvent(&field, &dropping);
    };
    field.show();
    struct Route {
        const char* name;
        std::function<void(const QString&)> paste;
    };
    const Route routes[] = {
        {"Ctrl+V",
         [&](const QString& text) {
             clipboard.setText(text);
             PressKey(field, Qt::Key_V, Qt::ControlModifier);
         }},
        {"Shift+Insert",
         [&](const QString& text) {
             clipboard.setText(text);
             PressKey(field, Qt::Key_Insert, Qt::ShiftModifier);
         }},
        {"context menu",
         [&](const QString& text) {
             clipboard.setText(text);
             pasteByMenu();
         }},
        {"drop", drop},
    };
    // A separator that numbers are not written with here is never taken for
    // another: the paste is refused, and the message says which one is.
    const QString foreign = QStringLiteral(
        "\"1,234\" is not a number here: numbers are written with \".\" as the decimal separator and "
        "without thousands separators.");
    for (const Route& route : routes) {
        field.setText(QStringLiteral("12"));
        field.end(false);
        route.paste(QStringLiteral("abc"));
        EXPECT_EQ(field.text(), QStringLiteral("12")) << route.name;
        route.paste(QStringLiteral(".75"));
        EXPECT_EQ(field.text(), QStringLiteral("12.75")) << route.name;
        field.clear();
        desktop.expectInformation(foreign);
        route.paste(QStringLiteral("1,234"));
        desktop.verify();
        EXPECT_EQ(field.text(), QString()) << route.name;
    }

    // Over the digit limit: the limit's message, and nothing pasted.
    field.setText(QStringLiteral("12"));
    field.end(false);
    clipboard.setText(QStringLiteral("34567890123"));
    desktop.expectInformation(PreDecimalText);
    PressKey(field, Qt::Key_V, Qt::ControlModifier);
    desktop.verify();
    EXPECT_EQ(field.text(), QStringLiteral("12"));
}

TEST_F(NumericFieldTest, ContextMenuOffersTheEditingCommands) {
    QGuiApplication::clipboard()->setText(QStringLiteral("999"));
    field.show();
    field.setText(QStringLiteral("12"));
    field.selectAll();
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(2, 2), field.mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(&field, &request);

    QMenu* menu = field.findChild<QMenu*>();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    QStringList offered;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator())
            offered << action->text();
    EXPECT_EQ(offered, (QStringList{"&Undo", "&Redo", "Cu&t", "&Copy", "&Paste", "Delete", "Select All"}));

    menu->actions().at(4)->trigger(); // Copy
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("12"));
    menu->close();
}

TEST(RightEdit, HeightIsCappedAtTwiceThePixelFont) {
    QWidget window;
    auto* edit = new TRightEdit(&window);
    QFont font = edit->font();
    font.setPixelSize(11);
    edit->setFont(font);

    edit->setBounds(12, 8, 145, 40);
    EXPECT_EQ(edit->geometry(), QRect(12, 8, 145, 22));
    edit->setBounds(12, 8, 145, 15);
    EXPECT_EQ(edit->geometry(), QRect(12, 8, 145, 15));
    edit->resize(145, 30);
    EXPECT_EQ(edit->height(), 22);
    edit->setGeometry(0, 0, 50, 22);
    EXPECT_EQ(edit->height(), 22);

    // A font inherited from the window counts as well.
    auto* inheriting = new TRightEdit(&window);
    QFont windowFont = window.font();
    windowFont.setPixelSize(20);
    window.setFont(windowFont);
    inheriting->resize(100, 50);
    EXPECT_EQ(inheriting->height(), 40);
}

TEST(RightEdit, PointFontIsCappedAtTwiceItsLineHeight) {
    TRightEdit edit;
    QFont font = edit.font();
    font.setPointSize(8);
    edit.setFont(font);
    const int lineHeight = QFontMetrics(font).height();
    edit.resize(100, 10 * lineHeight);
    EXPECT_EQ(edit.height(), 2 * lineHeight);
}

TEST(RightEdit, ReturnAndTabInsertNothingAndReturnReachesTheDialog) {
    QDialog dialog;
    auto* edit = new TRightEdit(&dialog);
    auto* button = new QPushButton(QStringLiteral("OK"), &dialog);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(edit);
    layout->addWidget(button);
    button->setDefault(true);
    ScriptedDesktop desktop;
    new NumericKeyFilter(
        *edit, desktop, [] { return ValueShape{}; }, 12, 8);
    QSignalSpy clicked(button, &QPushButton::clicked);
    dialog.show();
    edit->setFocus();

    TypeText(*edit, QStringLiteral("12"));
    PressKey(*edit, Qt::Key_Return);
    PressKey(*edit, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(clicked.count(), 2);
    PressKey(*edit, Qt::Key_Tab);
    EXPECT_EQ(edit->text(), QStringLiteral("12"));
}

TEST(RightEdit, LongTextStaysOnOneLine) {
    TRightEdit edit;
    edit.setBounds(0, 0, 60, 20);
    edit.show();
    edit.setText(QString(200, u'8'));
    edit.setCursorPosition(0);
    const auto caretRect = [&edit] { return edit.inputMethodQuery(Qt::ImCursorRectangle).toRect(); };
    const QRect atStart = caretRect();
    edit.end(false);
    EXPECT_EQ(caretRect().top(), atStart.top());
    EXPECT_EQ(edit.height(), 20);
    EXPECT_EQ(edit.text(), QString(200, u'8'));
}

} // namespace
