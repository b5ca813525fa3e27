// Logs as large as the program accepts, and lines far wider than the field,
// through the real main window: every character kept through opening,
// saving, deleting and amending; and long work that the person cancels
// leaves the log and the files as they were.
#include "ResultsLogFixture.h"
#include "TestFiles.h"
#include "Widgets.h"

#include <QClipboard>
#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPlainTextDocumentLayout>
#include <QPrinter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

namespace tavrix {
namespace {

// One line of about `bytes` characters: words that fit a row many times.
QString LongLine(qsizetype bytes) {
    const QString words = QStringLiteral("1,234.5678 kilometre = 767.0987 mile; ");
    return words.repeated(bytes / words.size() + 1).left(bytes);
}

class LargeLog : public ResultsLogTest {
protected:
    // The saved file's rows, each as wide as the field at most.
    QStringList savedRows(const QString& path) {
        save(path);
        QString text = QString::fromLatin1(QByteArray::fromStdString(FileBytes(path)));
        EXPECT_TRUE(text.endsWith("\r\n"));
        text.chop(2);
        return text.split("\r\n");
    }
    void expectRowsFitTheField(const QStringList& rows) {
        const QFontMetrics metrics(logField().font());
        const int width = logField().viewport()->width();
        for (const QString& row : rows) {
            ASSERT_LE(metrics.horizontalAdvance(row.trimmed()), width) << row.toStdString();
        }
    }
    // Where the character at `offset` into the log's first line is in the
    // field's document, the first line being the long one.
    static int PositionIn(const QTextDocument& document, qsizetype offset) {
        // Within the first line every separator the document holds lies
        // between rows of that line and stands for no character.
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            const QString text = block.text();
            for (qsizetype index = 0; index <= text.size(); ++index) {
                if (offset == 0 && (index == text.size() || text[index] != QChar(0x2028))) {
                    return block.position() + static_cast<int>(index);
                }
                if (index < text.size() && text[index] != QChar(0x2028)) {
                    --offset;
                }
            }
        }
        return -1;
    }
    void selectInLog(int from, int to) {
        QTextCursor selection(logField().document());
        selection.setPosition(from);
        selection.setPosition(to, QTextCursor::KeepAnchor);
        logField().setTextCursor(selection);
    }
};

TEST_F(LargeLog, FiveHundredThousandLinesSaveAsTheyWereRead) {
    QByteArray bytes;
    for (int line = 0; line < 500'000; ++line) {
        bytes += "1.2 m\xB2 = 12,000 cm\xB2 no. " + QByteArray::number(line).rightJustified(6, '0') + "\r\n";
    }
    WriteFile(pathOf("large.TVRX"), bytes);
    open(pathOf("large.TVRX"));
    save(pathOf("saved.TVRX"));
    EXPECT_TRUE(FileBytes(pathOf("saved.TVRX")) == bytes.toStdString()) << "byte for byte";
}

TEST_F(LargeLog, ATenMegabyteLineSavesAsTheRowsTheFieldShowsAndStaysSo) {
    const QString line = LongLine(10'000'000);
    WriteFile(pathOf("line.TVRX"), line.toLatin1() + "\r\n");
    open(pathOf("line.TVRX"));
    const QStringList rows = savedRows(pathOf("rows.TVRX"));
    ASSERT_GT(rows.size(), 10'000'000 / 100) << "rows of the field's width";
    EXPECT_TRUE(rows.join("") == line) << "every character, in order";
    expectRowsFitTheField(rows);
    for (qsizetype row = 0; row + 1 < rows.size(); ++row) {
        ASSERT_TRUE(rows[row].endsWith(' ')) << "broken between words: " << rows[row].toStdString();
    }
    EXPECT_EQ(logText(), line + '\n');

    // Opened again, the rows are lines that fit: saved, they are the same bytes.
    setLogLines({});
    open(pathOf("rows.TVRX"));
    save(pathOf("again.TVRX"));
    EXPECT_TRUE(FileBytes(pathOf("again.TVRX")) == FileBytes(pathOf("rows.TVRX")));
}

// Lines held many to a block still take a row each on the scroll bar.
TEST_F(LargeLog, TheScrollBarSpansEveryLineOfAHundredThousand) {
    QByteArray bytes;
    for (int line = 0; line < 100'000; ++line) {
        bytes += "1 m = 100 cm no. " + QByteArray::number(line) + "\r\n";
    }
    WriteFile(pathOf("lines.TVRX"), bytes);
    open(pathOf("lines.TVRX"));
    const QScrollBar& scroll = *logField().verticalScrollBar();
    // The last value shows the last page: the range and a page are the
    // rows, one a line, and the empty line after the last.
    EXPECT_GE(scroll.maximum() + scroll.pageStep(), 100'000);
    EXPECT_LE(scroll.maximum() + scroll.pageStep(), 100'002);
}

// Characters outside the Basic Multilingual Plane take two UTF-16 units; a
// line of them is cut into rows and pieces between characters, never inside
// one: saved and opened again, every character is there.
TEST_F(LargeLog, ALongLineOutsideTheBasicPlaneIsNeverCutInsideACharacter) {
    // After one character of one unit, so that rows end at odd units too.
    const QString line = "x" + QStringLiteral("\U0001D400").repeated(30'000);
    WriteFile(pathOf("plane.TVRX"), line.toUtf8() + "\r\n");
    open(pathOf("plane.TVRX"));
    EXPECT_TRUE(logText() == line + '\n');
    save(pathOf("saved.TVRX"));
    const QByteArray saved = QByteArray::fromStdString(FileBytes(pathOf("saved.TVRX")));
    EXPECT_TRUE(saved.isValidUtf8()) << "a half of a character was written";
    EXPECT_TRUE(QString::fromUtf8(saved).remove("\r\n") == line);
    setLogLines({});
    open(pathOf("saved.TVRX"));
    EXPECT_TRUE(logText().remove('\n') == line);
}

// The rows saving walks are the rows the field's own layout makes, for
// every kind of text, whichever way they are worked out.
TEST_F(LargeLog, RowsAreTheFieldsOwnForEveryKindOfText) {
    const QString texts[] = {
        QString("W").repeated(40) + " " + QString("i").repeated(40) + " " + QString("Wi").repeated(30),
        QString("12,345.678 km\t= 7,671.0 mi\t").repeated(6),
        QStringLiteral("\u03BA\u03B9\u03BB\u03CC\u03BC\u03B5\u03C4\u03C1\u03BF ").repeated(12),
        QStringLiteral("\u5343\u7C73\u7B49\u4E8E\u516C\u91CC").repeated(20),
        QStringLiteral("\u0643\u064A\u0644\u0648\u0645\u062A\u0631 ").repeated(15),
        QStringLiteral("e\u0301a\u0308o\u0302 ").repeated(30),
        QStringLiteral("\U0001F600 \U0001F4CF\U0001F4D0 ").repeated(20),
        QStringLiteral("kilo\u00ADmetre\u00A0per\u202Fhour ").repeated(10),
        QStringLiteral("1\u202F000.0 m\u00B2 = 10\u202F763.9 ft\u00B2; ").repeated(50).left(1999),
    };
    for (const QString& text : texts) {
        setLogLines({text});
        QTextBlock block = logField().document()->firstBlock();
        auto* layout = qobject_cast<QPlainTextDocumentLayout*>(logField().document()->documentLayout());
        ASSERT_NE(layout, nullptr);
        layout->ensureBlockLayout(block);
        QStringList shown;
        for (int row = 0; row < block.layout()->lineCount(); ++row) {
            const QTextLine line = block.layout()->lineAt(row);
            shown << text.mid(line.textStart(), line.textLength());
        }
        EXPECT_EQ(logLines(), shown) << text.left(20).toStdString();
    }
}

// Deleting a selection that begins or ends among the rows of a long line
// keeps everything else of it, and the line breaks where they were.
TEST_F(LargeLog, DeletingInALongLineKeepsTheRestOfIt) {
    const QString line = LongLine(9000);
    const struct {
        qsizetype from; // offset into the long line
        qsizetype to;   // offset into it, or past its end into "next line"
        QString left;
    } cases[] = {
        {10, 20, line.left(10) + line.mid(20) + "\nnext line\nlast\n"},
        {100, 7000, line.left(100) + line.mid(7000) + "\nnext line\nlast\n"},
        {8000, line.size() + 1 + 5, line.left(8000) + "line\nlast\n"},
        {0, line.size() + 1, "next line\nlast\n"},
    };
    for (const auto& selection : cases) {
        setLogLines({line, "next line", "last"});
        const QTextDocument& document = *logField().document();
        const int nextLine = document.lastBlock().previous().position();
        const int from = PositionIn(document, selection.from);
        const int to = selection.to <= line.size() ? PositionIn(document, selection.to)
                                                   : nextLine + int(selection.to - line.size() - 1);
        selectInLog(from, to);
        click("BitBtnDeleteLogLine");
        EXPECT_TRUE(logText() == selection.left) << selection.from << " to " << selection.to;
        expectRowsFitTheField(logLines());
    }
}

// The amend dialog holds a long line in pieces; typed into, it is one line.
TEST_F(LargeLog, AmendingALongLineKeepsItOneLineWhereverItIsTyped) {
    const QString line = LongLine(20'000);
    // Typed where: an offset into the long line, or the end of the dialog's
    // first block of it, where the next block goes on with the line.
    constexpr qsizetype EndOfFirstBlock = -1;
    const struct {
        qsizetype at;
        QString typed;
    } cases[] = {{0, ""}, {5000, "\n"}, {5000, "X"}, {EndOfFirstBlock, "\n"}, {EndOfFirstBlock, "X"}};
    for (const auto& edit : cases) {
        setLogLines({"first", line, "last"});
        qsizetype typedAt = edit.at;
        desktop.expectModal([&edit, &typedAt](QDialog& dialog) {
            auto& memo = Find<QPlainTextEdit>(dialog, "Memo_TextToResultsLog");
            QTextBlock block = memo.document()->findBlockByNumber(1);
            if (typedAt == EndOfFirstBlock) {
                typedAt = block.length() - 1;
            }
            qsizetype offset = typedAt;
            while (offset > block.length() - 1) {
                offset -= block.length() - 1;
                block = block.next();
            }
            QTextCursor cursor(memo.document());
            cursor.setPosition(block.position() + int(offset));
            memo.setTextCursor(cursor);
            if (edit.typed == "\n") {
                QTest::keyClick(&memo, Qt::Key_Return);
            } else {
                TypeText(memo, edit.typed);
            }
            Click(Find<QWidget>(dialog, "BitBtn_AddTextToResultsLog"));
        });
        click("BitBtnAddNoteToLog");
        desktop.verify();
        const QString expected = "first\n" + line.left(typedAt) + edit.typed + line.mid(typedAt) + "\nlast\n";
        EXPECT_TRUE(logText() == expected) << "typed at " << typedAt;
    }
}

// A line longer than the runs the amended text goes back in stays one line,
// whether the person edits elsewhere or only presses OK.
TEST_F(LargeLog, AmendingALineLongerThanSixtyFiveThousandCharactersKeepsItOneLine) {
    const QString line = LongLine(70'000);
    for (const QString& typed : {QString(), QStringLiteral("last")}) {
        setLogLines({line, "next"});
        desktop.expectModal([&typed](QDialog& dialog) {
            auto& memo = Find<QPlainTextEdit>(dialog, "Memo_TextToResultsLog");
            memo.moveCursor(QTextCursor::End);
            TypeText(memo, typed);
            Click(Find<QWidget>(dialog, "BitBtn_AddTextToResultsLog"));
        });
        click("BitBtnAddNoteToLog");
        desktop.verify();
        EXPECT_TRUE(logText() == line + "\nnext\n" + typed) << typed.toStdString();
        // The rows of the line, without "next" and what was typed after it.
        const QStringList rows = logLines();
        const qsizetype after = typed.isEmpty() ? 1 : 2;
        EXPECT_TRUE(rows.mid(0, rows.size() - after).join("") == line) << "the rows of the line are the line";
    }
}

// Amending shows progress, as handing a log of megabytes to the dialog and
// back takes a while. Cancelled before the dialog opens, it does not open;
// cancelled after OK, the log is as it was, down to how the field holds it.
TEST_F(LargeLog, CancelledAmendingLeavesTheLogAsItWas) {
    setLogLines({"first", LongLine(20'000), "last"});
    const auto held = [this] {
        QStringList blocks;
        for (QTextBlock block = logField().document()->begin(); block.isValid(); block = block.next()) {
            blocks << QString::number(block.userState()) + ' ' + block.text();
        }
        return blocks;
    };
    const QStringList before = held();
    const qsizetype amendingsBefore = desktop.progressTitles().size();

    desktop.cancelProgressAt(1);
    click("BitBtnAddNoteToLog"); // an amend dialog opening now would fail the test
    EXPECT_EQ(held(), before);

    desktop.expectModal([this](QDialog& dialog) {
        Find<QPlainTextEdit>(dialog, "Memo_TextToResultsLog")
            .setPlainText(QStringList(100, LongLine(5000)).join('\n'));
        // After some of the new text is in the field.
        desktop.cancelProgressAt(2);
        Click(Find<QWidget>(dialog, "BitBtn_AddTextToResultsLog"));
    });
    click("BitBtnAddNoteToLog");
    desktop.verify();
    EXPECT_TRUE(held() == before);
    EXPECT_EQ(desktop.progressTitles().mid(amendingsBefore),
              QStringList(3, QStringLiteral("Amending the results log")));
}

// After OK the log shows the lines it showed before, not its top.
TEST_F(LargeLog, AmendingKeepsTheLogWhereItWasScrolled) {
    QStringList lines;
    for (int line = 0; line < 1000; ++line) {
        lines << QStringLiteral("%1 m = %2 cm").arg(line).arg(line * 100);
    }
    setLogLines(lines);
    QScrollBar& scroll = *logField().verticalScrollBar();
    ASSERT_GT(scroll.maximum(), 600);
    scroll.setValue(500);
    amendLogTo(logText() + "a note\n");
    EXPECT_EQ(scroll.value(), 500);
    EXPECT_EQ(logLines(), lines + QStringList{"a note"});
}

// The person cancels the work: nothing written, copied, printed or opened.
TEST_F(LargeLog, CancelledWorkLeavesTheLogAndTheFilesAsTheyWere) {
    const QStringList lines{"1 m = 100 cm", "2 m = 200 cm"};
    setLogLines(lines);
    WriteFile(pathOf("kept.TVRX"), "old\r\n");
    QGuiApplication::clipboard()->setText("held before");

    desktop.cancelProgressAt(1);
    save(pathOf("kept.TVRX"));
    EXPECT_EQ(FileBytes(pathOf("kept.TVRX")), "old\r\n");

    desktop.cancelProgressAt(1);
    click("BitBtnCopyLogToClipboard");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "held before");

    desktop.cancelProgressAt(1);
    desktop.expectPrint(true, [this](QPrinter& printer) { printer.setOutputFileName(pathOf("log.pdf")); });
    click("BitBtnPrintLog");
    desktop.verify();
    EXPECT_FALSE(QFile::exists(pathOf("log.pdf")));

    // Opening, into this log and into an empty one: what was there stays.
    QByteArray many;
    for (int line = 0; line < 100'000; ++line) {
        many += "3 m = 300 cm\r\n";
    }
    WriteFile(pathOf("many.TVRX"), many);
    desktop.cancelProgressAt(2);
    open(pathOf("many.TVRX"));
    EXPECT_EQ(logText(), lines.join('\n') + '\n');
    setLogLines({});
    desktop.cancelProgressAt(2);
    open(pathOf("many.TVRX"));
    EXPECT_EQ(logText(), "");

    // Each window says what it does, in its title where a task switcher or a
    // screen reader names it, and as it goes; amending filled the log.
    QStringList labels = desktop.progressLabels();
    labels.removeAll("Amending the results log...");
    EXPECT_EQ(labels, QStringList({"Saving the results log...", "Copying the results log...",
                                   "Printing the results log...", "Opening the results log file...",
                                   "Opening the results log file..."}));
    QStringList titles = desktop.progressTitles();
    titles.removeAll("Amending the results log");
    EXPECT_EQ(titles,
              QStringList({"Saving the results log", "Copying the results log", "Printing the results log",
                           "Opening the results log file", "Opening the results log file"}));
    setLogLines(lines);
    open(pathOf("many.TVRX"));
    EXPECT_EQ(logLines().size(), 2 + 100'000) << "opened whole when not cancelled";
}

} // namespace
} // namespace tavrix
