// The results log worked as a person works it: conversion lines, calculator
// lines, amending, deleting and clearing, each from its tool button and its
// menu item.
#include "CalculatorKeyPad.h"
#include "ResultsLogFixture.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QTextCursor>

#include <initializer_list>

namespace tavrix {
namespace {

const QString ClearQuestion = QStringLiteral("Are your sure you wish to clear the results log?");

// How a person reaches an operation: its tool button or its menu item.
struct Route {
    const char* button;
    const char* menuItem; // nullptr where the operation has none
};

TEST_F(ResultsLogTest, ConversionLinesAreAddedAsShownDuplicatesKept) {
    click("BitBtnAddToResultsLog");
    click("BitBtnAddToResultsLog");
    const QString line = QString::fromUtf8("1.000 cm/sec\u00B2 = 0.010000 m/sec\u00B2");
    EXPECT_EQ(logLines(), QStringList({line, line}));
    EXPECT_EQ(logText(), line + '\n' + line + '\n');
    EXPECT_TRUE(desktop.calls().empty());
}

TEST_F(ResultsLogTest, NegativeAndExponentResultsAreCopiedAsShown) {
    chooseCategory("Temperature");
    typeValue("-40");
    convert();
    click("BitBtnAddToResultsLog");
    chooseCategory("Acceleration");
    trigger("Scientificformat1");
    click("BitBtnAddToResultsLog");
    EXPECT_EQ(logLines(),
              QStringList({QString::fromUtf8("-40 \u00B0Celsius = -40.000000 \u00B0Fahrenheit"),
                           QString::fromUtf8("1.000 cm/sec\u00B2 = 1.00000000000000E-0002 m/sec\u00B2")}));
}

// A note typed in the amend dialog without Enter after it leaves the last
// line open; what is added next starts a line of its own all the same.
TEST_F(ResultsLogTest, AddedLinesStartOnALineOfTheirOwnAfterAnOpenLastLine) {
    amendLogTo("first\nnote without Enter");
    click("BitBtnAddToResultsLog");
    const QString line = QString::fromUtf8("1.000 cm/sec\u00B2 = 0.010000 m/sec\u00B2");
    EXPECT_EQ(logLines(), QStringList({"first", "note without Enter", line}));
    EXPECT_EQ(logText(), "first\nnote without Enter\n" + line + '\n');
}

class CalculatorLine : public ResultsLogTest {
protected:
    // Opens the calculator for the log by `route`, clicks `keys` and then OK
    // (or closes it without OK); checks where it stands while it is open.
    void calculate(const char* route, std::initializer_list<int> keys, bool pressOk = true) {
        const QPoint expectedAt = window.frameGeometry().topLeft() + QPoint(210, 235);
        desktop.expectModal([this, keys, pressOk, expectedAt](QDialog& dialog) {
            EXPECT_EQ(&dialog, &calculator);
            EXPECT_EQ(dialog.frameGeometry().topLeft(), expectedAt);
            for (const int key : keys) {
                ClickAt(Find<QWidget>(dialog, "ImageKeyPad"), KeyCentre(key));
            }
            if (pressOk) {
                Click(Find<QWidget>(dialog, "ImageOKbutton"));
            }
        });
        if (std::string_view(route).starts_with("BitBtn")) {
            click(route);
        } else {
            trigger(route);
        }
        desktop.verify();
    }
};

TEST_F(CalculatorLine, ValuesGoInWithEightDecimalsAtMostFromButtonAndMenu) {
    for (const char* route : {"BitBtnCalculatorStringToLog", "CalculateentryforResultsLog1"}) {
        SCOPED_TRACE(route);
        calculate(route, {KeyClear, Key2, KeyDecimalSeparator, Key5, KeyEquals});
    }
    calculate("BitBtnCalculatorStringToLog", {KeyClear, Key3, KeyEquals});
    calculate("BitBtnCalculatorStringToLog", {KeyClear, Key0, KeyEquals});
    // One billionth is below the eighth decimal.
    calculate("BitBtnCalculatorStringToLog", {KeyClear, Key1, KeyDivide, Key1, Key0, Key0, Key0, Key0, Key0,
                                              Key0, Key0, Key0, Key0, KeyEquals});
    calculate("BitBtnCalculatorStringToLog",
              {KeyClear, Key1, Key2, KeyDecimalSeparator, Key2, Key5, KeySignChange, KeyEquals});
    // 10^8 x 10^8: too large for fixed notation, so the exponent stays whole.
    calculate("BitBtnCalculatorStringToLog",
              {KeyClear, Key1, Key0, Key0, Key0, Key0, Key0, Key0, Key0, Key0,     KeyMultiply,
               Key1,     Key0, Key0, Key0, Key0, Key0, Key0, Key0, Key0, KeyEquals});
    EXPECT_EQ(logLines(), QStringList({"2.5", "2.5", "3", "0", "0", "-12.25", "1.00000000000000E+0016"}));
}

TEST_F(CalculatorLine, ClosedWithoutOkAddsNothing) {
    calculate("BitBtnCalculatorStringToLog", {Key7}, false);
    EXPECT_EQ(logText(), "");
}

class AmendDialog : public ResultsLogTest {
protected:
    // Opens the dialog by `route`, checks what it shows, and lets `finish`
    // work it; returns the text the dialog opened with.
    template <typename Finish> QString amend(const char* route, Finish finish) {
        QString shown;
        const QPoint expectedAt = window.frameGeometry().topLeft() + QPoint(220, 310);
        desktop.expectModal([&](QDialog& dialog) {
            EXPECT_EQ(&dialog, &logTextDialog);
            EXPECT_EQ(dialog.windowTitle(), "Amend results log");
            EXPECT_EQ(dialog.frameGeometry().topLeft(), expectedAt);
            shown = Find<QPlainTextEdit>(dialog, "Memo_TextToResultsLog").toPlainText();
            finish(dialog);
        });
        if (std::string_view(route).starts_with("BitBtn")) {
            click(route);
        } else {
            trigger(route);
        }
        desktop.verify();
        return shown;
    }
    static QPlainTextEdit& text(QDialog& dialog) {
        return Find<QPlainTextEdit>(dialog, "Memo_TextToResultsLog");
    }
};

TEST_F(AmendDialog, OkTakesTheTextAsTheNewLogFromButtonAndMenu) {
    click("BitBtnAddToResultsLog");
    const QString line = QString::fromUtf8("1.000 cm/sec\u00B2 = 0.010000 m/sec\u00B2");
    for (const char* route : {"BitBtnAddNoteToLog", "EdittextinResultsLog1"}) {
        SCOPED_TRACE(route);
        const QString before = logText();
        const QString shown = amend(route, [](QDialog& dialog) {
            // Typing starts on the empty line at the end.
            QPlainTextEdit& field = text(dialog);
            TypeText(field, "Note");
            PressKey(field, Qt::Key_Return);
            Click(Find<QWidget>(dialog, "BitBtn_AddTextToResultsLog"));
        });
        EXPECT_EQ(shown, before);
        EXPECT_TRUE(logTextDialog.LogTextAccepted());
    }
    EXPECT_EQ(logLines(), QStringList({line, "Note", "Note"}));
}

TEST_F(AmendDialog, CancelAndTheCloseBoxLeaveTheLogAlone) {
    setLogLines({"kept"});
    amend("BitBtnAddNoteToLog", [](QDialog& dialog) {
        text(dialog).setPlainText("changed");
        Click(Find<QWidget>(dialog, "BitBtn_AddTextCancel"));
    });
    EXPECT_FALSE(logTextDialog.LogTextAccepted());
    amend("BitBtnAddNoteToLog", [](QDialog& dialog) {
        text(dialog).setPlainText("changed");
        dialog.close(); // the title bar's close box
    });
    EXPECT_FALSE(logTextDialog.LogTextAccepted());
    EXPECT_EQ(logLines(), QStringList({"kept"}));
}

TEST_F(AmendDialog, AnEmptyTextEmptiesTheLog) {
    setLogLines({"a", "b"});
    amend("BitBtnAddNoteToLog", [](QDialog& dialog) {
        text(dialog).clear();
        Click(Find<QWidget>(dialog, "BitBtn_AddTextToResultsLog"));
    });
    EXPECT_EQ(logText(), "");
    EXPECT_TRUE(logLines().isEmpty());
}

TEST_F(AmendDialog, TextKeepsEveryCharacter) {
    // A no-break space (a group separator in many locales) must not become a plain one.
    const QString line = QString::fromUtf8("1\u00A0000 m = 1\u202F000 m <&> \u03C3");
    setLogLines({line});
    EXPECT_EQ(logLines(), QStringList({line}));
}

TEST_F(AmendDialog, NegativeLeftCentresTheDialogOnTheScreen) {
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    desktop.expectModal([&](QDialog& dialog) {
        const QSize frame = dialog.frameGeometry().size();
        EXPECT_EQ(dialog.frameGeometry().topLeft(),
                  QPoint((screen.width() - frame.width()) / 2, (screen.height() - frame.height()) / 2));
    });
    logTextDialog.ShowAtPosition(-1, 0);
    desktop.verify();
}

class DeleteSelection : public ResultsLogTest, public ::testing::WithParamInterface<Route> {
protected:
    void selectCharacters(int from, int to) {
        QTextCursor cursor = logField().textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        logField().setTextCursor(cursor);
    }
    void deleteSelection() {
        if (GetParam().menuItem != nullptr) {
            trigger(GetParam().menuItem);
        } else {
            click(GetParam().button);
        }
    }
};

TEST_P(DeleteSelection, RemovesWhatIsSelectedAndNothingElse) {
    setLogLines({"alpha", "beta", "gamma"});
    selectCharacters(8, 8); // nothing selected, the caret inside "beta"
    deleteSelection();
    EXPECT_EQ(logText(), "alpha\nbeta\ngamma\n");
    selectCharacters(1, 3); // "lp"
    deleteSelection();
    EXPECT_EQ(logText(), "aha\nbeta\ngamma\n");
    selectCharacters(2, 6); // "a\nbe" across a line end
    deleteSelection();
    EXPECT_EQ(logLines(), QStringList({"ahta", "gamma"}));
    logField().selectAll();
    deleteSelection();
    EXPECT_EQ(logText(), "");
    EXPECT_EQ(desktop.calls().size(), 1U); // the amend dialog only, never a question
}

INSTANTIATE_TEST_SUITE_P(ButtonAndMenu, DeleteSelection,
                         ::testing::Values(Route{"BitBtnDeleteLogLine", nullptr},
                                           Route{"BitBtnDeleteLogLine", "DeleteselectedtextinResultsLog1"}));

class ClearLog : public ResultsLogTest, public ::testing::WithParamInterface<Route> {
protected:
    void clearLog() {
        if (GetParam().menuItem != nullptr) {
            trigger(GetParam().menuItem);
        } else {
            click(GetParam().button);
        }
        desktop.verify();
    }
};

TEST_P(ClearLog, AsksFirstAndClearsOnlyOnYes) {
    setLogLines({"a", "b"});
    desktop.expectConfirm(ClearQuestion, false);
    clearLog();
    EXPECT_EQ(logLines(), QStringList({"a", "b"}));
    desktop.expectConfirm(ClearQuestion, true);
    clearLog();
    EXPECT_EQ(logText(), "");
    // An empty log is asked about too.
    desktop.expectConfirm(ClearQuestion, true);
    clearLog();
}

INSTANTIATE_TEST_SUITE_P(ButtonAndMenu, ClearLog,
                         ::testing::Values(Route{"BitBtnNewLog", nullptr},
                                           Route{"BitBtnNewLog", "ClearResultslog1"}));

TEST_F(ResultsLogTest, LinesAreTheRowsTheFieldWrapsThemInto) {
    const QString words =
        QStringLiteral("The quick brown fox jumps over the lazy dog again and again and again");
    setLogLines({words, "short"});
    const QStringList lines = logLines();
    ASSERT_GT(lines.size(), 2) << "a line wider than the field wraps";
    EXPECT_EQ(lines.mid(0, lines.size() - 1).join(""), words);
    EXPECT_EQ(lines.constLast(), "short");
    const QFontMetrics metrics(logField().font());
    for (const QString& row : lines) {
        EXPECT_LE(metrics.horizontalAdvance(row.trimmed()), logField().viewport()->width())
            << row.toStdString();
    }
    // The whole text keeps the hard line breaks only.
    EXPECT_EQ(logText(), words + "\nshort\n");
}

TEST_F(ResultsLogTest, UsesTheWindowsFontAndCannotBeTypedInto) {
    setLogLines({"a"});
    EXPECT_EQ(logField().font(), window.font());
    logField().setFocus();
    logField().moveCursor(QTextCursor::End);
    TypeText(logField(), "xyz");
    EXPECT_EQ(logText(), "a\n");
}

// Selecting with the keyboard, so that "Delete selected text" can act on it.
TEST_F(ResultsLogTest, TextCanBeSelectedWithTheKeyboard) {
    setLogLines({"alpha", "beta"});
    logField().setFocus();
    QTest::keyClick(&logField(), Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(&logField(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(&logField(), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(logField().textCursor().selectedText(), "al");
    QTest::keyClick(&logField(), Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(logField().textCursor().selectedText(), "alpha");
    click("BitBtnDeleteLogLine");
    EXPECT_EQ(logText(), "\nbeta\n");
    TypeText(logField(), "xyz");
    EXPECT_EQ(logText(), "\nbeta\n");
}

} // namespace
} // namespace tavrix
