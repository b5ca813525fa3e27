// The results log copied to the clipboard and printed, as a person does it
// from the tool buttons and the menu items. Printing goes to a PDF file
// chosen in the scripted print dialog and is read back with poppler's
// pdftotext and pdfinfo.
#include "ResultsLogFixture.h"
#include "TestFiles.h"
#include "UnwritableFolders.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QPageLayout>
#include <QPageRanges>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTime>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <functional>
#include <ostream>
#include <thread>
#include <vector>

// QStrings as text in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace tavrix {
namespace {

// Lines that must come through exactly: markup characters, superscripts, a
// narrow no-break space as the group separator, runs of spaces, an empty line.
const QStringList SpecialLines{"1.000 metre = 3.281 feet",
                               "a < b & c > d",
                               "5.000 m² = 53.820 ft²",
                               QStringLiteral("1\u202F000.000 gram = 1.000 kilogram"),
                               "",
                               "note:  two   spaces"};

// The font's ligatures come back as one character each; a reader sees letters.
QString WithoutLigatures(QString text) {
    return text.replace(QChar(0xFB00), "ff").replace(QChar(0xFB01), "fi").replace(QChar(0xFB02), "fl");
}

QString RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed: " << process.readAllStandardError().toStdString();
    }
    return WithoutLigatures(QString::fromUtf8(process.readAllStandardOutput()));
}

// One value of pdfinfo's report, such as "Title" or "Pages".
QString PdfInfo(const QString& pdf, const QString& field) {
    const QRegularExpression line("^" + field + ":\\s*(.*)$", QRegularExpression::MultilineOption);
    return line.match(RunTool("pdfinfo", {pdf})).captured(1).trimmed();
}

// The text of one page (or all for page 0) as lines with their runs of
// white space made single spaces, empty lines left out.
QStringList PdfLines(const QString& pdf, int page = 0) {
    QStringList arguments{"-layout"};
    if (page > 0) {
        arguments << "-f" << QString::number(page) << "-l" << QString::number(page);
    }
    QStringList lines;
    for (const QString& line : RunTool("pdftotext", arguments << pdf << "-").split('\n')) {
        if (!line.simplified().isEmpty()) {
            lines << line.simplified();
        }
    }
    return lines;
}

// The lines with their white space taken out, empty ones left out.
QStringList WithoutSpaces(const QStringList& lines) {
    QStringList kept;
    for (QString line : lines) {
        line.removeIf([](QChar character) { return character.isSpace(); });
        if (!line.isEmpty()) {
            kept << line;
        }
    }
    return kept;
}

// More lines than fit on one page.
QStringList ThreeHundredLines() {
    QStringList lines;
    for (int number = 1; number <= 300; ++number) {
        lines << QStringLiteral("log line %1 of 300").arg(number);
    }
    return lines;
}

// Where two long lists of lines part, for a readable failure.
std::string FirstDifference(const QStringList& actual, const QStringList& expected) {
    for (qsizetype index = 0; index < std::min(actual.size(), expected.size()); ++index) {
        if (actual[index] != expected[index]) {
            return "line " + std::to_string(index) + ": \"" + actual[index].toStdString() +
                   "\" instead of \"" + expected[index].toStdString() + "\"";
        }
    }
    return actual.size() == expected.size()
               ? std::string()
               : "length " + std::to_string(actual.size()) + " instead of " + std::to_string(expected.size());
}

// A printed word and its box in points from the top left of its page.
struct PdfWord {
    QString text;
    double left, top, right, bottom;
};
struct PdfPage {
    double width;
    std::vector<PdfWord> words;
};

std::vector<PdfPage> PdfWords(const QString& pdf) {
    std::vector<PdfPage> pages;
    const QString boxes = RunTool("pdftotext", {"-bbox", pdf, "-"});
    const QRegularExpression item(
        R"re(<page width="([\d.]+)" height="[\d.]+">|)re"
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    for (const QRegularExpressionMatch& match : item.globalMatch(boxes)) {
        if (!match.captured(1).isEmpty()) {
            pages.push_back({match.captured(1).toDouble(), {}});
        } else if (!pages.empty()) {
            QString text = match.captured(6);
            text.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&amp;", "&");
            pages.back().words.push_back({text, match.captured(2).toDouble(), match.captured(3).toDouble(),
                                          match.captured(4).toDouble(), match.captured(5).toDouble()});
        }
    }
    return pages;
}

// The time in a printed title line, seconds after `since`, across midnight too.
int SecondsAfter(const QTime& since, const QString& titleLine) {
    const QRegularExpressionMatch time =
        QRegularExpression(R"(^TAVRIX Results Log (\d{1,2}:\d{2}:\d{2}))").match(titleLine);
    EXPECT_TRUE(time.hasMatch()) << "title line: " << titleLine.toStdString();
    const QTime printed = QTime::fromString(time.captured(1), "h:mm:ss");
    const QTime sinceSecond(since.hour(), since.minute(), since.second());
    return (sinceSecond.secsTo(printed) + 24 * 3600) % (24 * 3600);
}

class ResultsLogOutputsTest : public ResultsLogTest {
protected:
    void SetUp() override {
        ResultsLogTest::SetUp();
        ASSERT_TRUE(pdfFolder.isValid());
    }

    // The person clicks Print (the tool button, or the menu item) and prints
    // to `pdf` from the dialog, after `adjust` changed the printer's settings.
    void printToPdf(const QString& pdf, const std::function<void(QPrinter&)>& adjust = {},
                    bool byMenu = false) {
        desktop.expectPrint(true, [pdf, adjust](QPrinter& printer) {
            printer.setOutputFileName(pdf);
            if (adjust) {
                adjust(printer);
            }
        });
        if (byMenu) {
            trigger("PrintResultsLog1");
        } else {
            click("BitBtnPrintLog");
        }
        desktop.verify();
    }
    QString pdfPath(const QString& name) { return pdfFolder.filePath(name); }

    QTemporaryDir pdfFolder;
};

// The clipboard after a copy, read back as plain text, and as rich text
// pasted into a document as a word processor would take it.
struct Pasted {
    QString text;
    QTextDocument rich;
};

void ReadClipboard(Pasted& pasted) {
    const QMimeData* held = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(held, nullptr);
    ASSERT_TRUE(held->hasText());
    ASSERT_TRUE(held->hasHtml());
    pasted.text = held->text();
    pasted.rich.setHtml(held->html());
}

QStringList Paragraphs(const QTextDocument& document) {
    QStringList texts;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        texts << block.text();
    }
    return texts;
}

struct FontCase {
    const char* fontSizeItem;
    int points;
    bool byMenu;
};

void PrintTo(const FontCase& size, std::ostream* out) {
    *out << size.fontSizeItem << ", " << size.points << " points, "
         << (size.byMenu ? "menu item" : "tool button");
}

class ResultsLogCopyTest : public ResultsLogOutputsTest, public testing::WithParamInterface<FontCase> {};

TEST_P(ResultsLogCopyTest, PutsTheLinesOnTheClipboardAsTextAndAsRichTextInTheWindowFont) {
    trigger(GetParam().fontSizeItem);
    setLogLines(SpecialLines);
    if (GetParam().byMenu) {
        trigger("CopyResultsLogtoclipboard1");
    } else {
        click("BitBtnCopyLogToClipboard");
    }

    Pasted pasted;
    ReadClipboard(pasted);
    EXPECT_EQ(pasted.text, SpecialLines.join('\n'));
    EXPECT_EQ(Paragraphs(pasted.rich), SpecialLines);
    for (QTextBlock block = pasted.rich.begin(); block.isValid(); block = block.next()) {
        if (!block.text().isEmpty()) {
            QTextCursor inLine(block);
            inLine.movePosition(QTextCursor::NextCharacter);
            EXPECT_EQ(inLine.charFormat().font().family(), "Tahoma") << block.text().toStdString();
            EXPECT_EQ(inLine.charFormat().font().pointSize(), GetParam().points)
                << block.text().toStdString();
        }
    }
    EXPECT_EQ(desktop.calls().back().kind, ScriptedDesktop::Kind::Clipboard) << "through the desktop";
    EXPECT_EQ(logLines(), SpecialLines);
}

INSTANTIATE_TEST_SUITE_P(FontSizes, ResultsLogCopyTest,
                         testing::Values(FontCase{"Smallfontsize1", 8, false},
                                         FontCase{"Largefontsize1", 10, true}));

TEST_F(ResultsLogOutputsTest, CopyingAnEmptyLogEmptiesTheClipboard) {
    QGuiApplication::clipboard()->setText("held before");
    click("BitBtnCopyLogToClipboard");
    Pasted pasted;
    ReadClipboard(pasted);
    EXPECT_EQ(pasted.text, "");
    EXPECT_EQ(pasted.rich.toPlainText(), "");
}

// The title line, then every log line in order; the time is the click's even
// though the print dialog stays open for a while.
TEST_F(ResultsLogOutputsTest, PrintsTheTitleWithTheTimeOfTheClickThenEveryLine) {
    for (const bool byMenu : {false, true}) {
        SCOPED_TRACE(byMenu ? "menu item" : "tool button");
        const QStringList lines = SpecialLines + QStringList{"36.000 inch = 0.914 metre", "last line"};
        setLogLines(lines);
        const QString pdf = pdfPath(byMenu ? "menu.pdf" : "button.pdf");
        const QTime clicked = QTime::currentTime();
        printToPdf(
            pdf, [](QPrinter&) { std::this_thread::sleep_for(std::chrono::milliseconds(2500)); }, byMenu);

        ASSERT_TRUE(QFile::exists(pdf));
        EXPECT_EQ(desktop.calls().back().text, "TAVRIX Results Log") << "the job's name in the dialog";
        EXPECT_EQ(PdfInfo(pdf, "Title"), "TAVRIX Results Log");
        const QStringList printed = PdfLines(pdf);
        ASSERT_FALSE(printed.isEmpty());
        EXPECT_LE(SecondsAfter(clicked, printed.front()), 1);
        // pdftotext joins short words: the spaces were looked at in the document.
        EXPECT_EQ(WithoutSpaces(printed.mid(1)), WithoutSpaces(lines));
        EXPECT_TRUE(RunTool("pdffonts", {pdf}).contains("Tahoma"));
        EXPECT_EQ(logLines(), lines);
    }
}

// Nothing of Qt's own around the text: no margins, no page number.
TEST_F(ResultsLogOutputsTest, TextStartsAtTheTopLeftOfThePrintableAreaWithEmptyLinesAroundTheTitle) {
    setLogLines({"first line", "second line"});
    const QString pdf = pdfPath("margins.pdf");
    constexpr double Margin = 36; // points
    printToPdf(pdf, [](QPrinter& printer) {
        printer.setPageMargins(QMarginsF(Margin, Margin, Margin, Margin), QPageLayout::Point);
    });

    const std::vector<PdfPage> pages = PdfWords(pdf);
    ASSERT_EQ(pages.size(), 1U);
    const std::vector<PdfWord>& words = pages.front().words;
    const auto wordOf = [&words](const QString& text) {
        const auto found = std::find_if(words.begin(), words.end(),
                                        [&text](const PdfWord& word) { return word.text == text; });
        return found == words.end() ? PdfWord{"(missing) " + text, -100, -100, -100, -100} : *found;
    };
    const PdfWord title = wordOf("TAVRIX");
    const PdfWord first = wordOf("first");
    const PdfWord second = wordOf("second");
    EXPECT_NEAR(title.left, Margin, 0.5);
    EXPECT_NEAR(first.left, Margin, 0.5);
    const double lineHeight = second.top - first.top;
    EXPECT_NEAR(title.top, Margin + lineHeight, 0.5) << "one empty line above the title";
    EXPECT_NEAR(first.top, title.top + 2 * lineHeight, 0.5) << "one empty line below it";
    // The time is on the title's row; nothing else is printed, no page number either.
    for (const PdfWord& word : words) {
        const bool logWord = word.text == "first" || word.text == "second" || word.text == "line";
        EXPECT_TRUE(logWord || std::abs(word.top - title.top) < 0.5) << word.text.toStdString();
    }
}

TEST_F(ResultsLogOutputsTest, PrintsInTheWindowFontAtItsSize) {
    setLogLines({"1.000 metre = 3.281 feet"});
    std::vector<double> titleHeights;
    for (const FontCase size :
         {FontCase{"Smallfontsize1", 8, false}, FontCase{"Largefontsize1", 10, false}}) {
        trigger(size.fontSizeItem);
        const QString pdf = pdfPath(QString::number(size.points) + ".pdf");
        printToPdf(pdf);
        EXPECT_TRUE(RunTool("pdffonts", {pdf}).contains("Tahoma"));
        const std::vector<PdfPage> pages = PdfWords(pdf);
        ASSERT_FALSE(pages.empty());
        ASSERT_FALSE(pages.front().words.empty());
        titleHeights.push_back(pages.front().words.front().bottom - pages.front().words.front().top);
    }
    EXPECT_NEAR(titleHeights[1] / titleHeights[0], 10.0 / 8.0, 0.03);
}

TEST_F(ResultsLogOutputsTest, ALongLogFlowsOverSeveralPagesWithTheTitleOnlyOnTheFirst) {
    const QStringList lines = ThreeHundredLines();
    setLogLines(lines);
    const QString pdf = pdfPath("long.pdf");
    printToPdf(pdf);

    // 303 lines of at least 8 points each fill more than three A4 pages.
    const int pageCount = PdfInfo(pdf, "Pages").toInt();
    EXPECT_GE(pageCount, 3);
    QStringList printed;
    for (int page = 1; page <= pageCount; ++page) {
        const QStringList onPage = PdfLines(pdf, page);
        ASSERT_FALSE(onPage.isEmpty()) << "page " << page;
        EXPECT_EQ(onPage.front().startsWith("TAVRIX Results Log"), page == 1) << "page " << page;
        printed += page == 1 ? onPage.mid(1) : onPage;
    }
    EXPECT_EQ(FirstDifference(printed, lines), "");
}

// On a page narrower than the log field, every row of the field wraps again,
// a run of digits without a space too; nothing runs off the page.
TEST_F(ResultsLogOutputsTest, LinesWiderThanThePageWrapLosingNothing) {
    const QStringList lines{"the quick brown fox jumps over the lazy dog and on over the next dog too",
                            "12345678901234567890123456789012345678901234567890123456789"};
    setLogLines(lines);
    const QString pdf = pdfPath("narrow.pdf");
    printToPdf(pdf, [](QPrinter& printer) {
        printer.setPageSize(QPageSize(QSizeF(50, 150), QPageSize::Millimeter, "narrow"));
    });

    const std::vector<PdfPage> pages = PdfWords(pdf);
    ASSERT_FALSE(pages.empty());
    QString printed;
    int rows = 0;
    double lastTop = -1;
    for (const PdfPage& page : pages) {
        for (const PdfWord& word : page.words) {
            EXPECT_LE(word.right, page.width) << word.text.toStdString();
            printed += word.text;
            rows += word.top != lastTop ? 1 : 0;
            lastTop = word.top;
        }
    }
    QString expected = lines.join("");
    expected.remove(' ');
    EXPECT_TRUE(printed.endsWith(expected)) << printed.toStdString();
    EXPECT_GT(rows, 1 + logLines().size()) << "the title and the log's rows, each wrapped again";
}

// What the person asks for in the dialog's options: only some pages, or
// several copies (which a PDF file holds one after the other).
TEST_F(ResultsLogOutputsTest, PrintsThePagesAndCopiesChosenInTheDialog) {
    const QStringList lines = ThreeHundredLines();
    setLogLines(lines);
    const QString whole = pdfPath("whole.pdf");
    printToPdf(whole);
    ASSERT_GE(PdfInfo(whole, "Pages").toInt(), 3);

    const QString secondPage = pdfPath("second.pdf");
    printToPdf(secondPage, [](QPrinter& printer) {
        printer.setPrintRange(QPrinter::PageRange);
        printer.setPageRanges(QPageRanges::fromString("2"));
    });
    EXPECT_EQ(PdfInfo(secondPage, "Pages"), "1");
    EXPECT_EQ(PdfLines(secondPage, 1), PdfLines(whole, 2));

    const QString twoCopies = pdfPath("copies.pdf");
    printToPdf(twoCopies, [](QPrinter& printer) { printer.setCopyCount(2); });
    const int pages = PdfInfo(whole, "Pages").toInt();
    ASSERT_EQ(PdfInfo(twoCopies, "Pages").toInt(), 2 * pages);
    // The two prints may fall into different seconds: their titles' times may differ.
    const auto withoutTime = [](QStringList page) {
        for (QString& line : page) {
            if (line.startsWith("TAVRIX Results Log")) {
                line = "TAVRIX Results Log";
            }
        }
        return page;
    };
    for (int page = 1; page <= pages; ++page) {
        const QStringList wholePage = withoutTime(PdfLines(whole, page));
        EXPECT_EQ(withoutTime(PdfLines(twoCopies, page)), wholePage) << "first copy, page " << page;
        EXPECT_EQ(withoutTime(PdfLines(twoCopies, pages + page)), wholePage) << "second copy, page " << page;
    }
}

TEST_F(ResultsLogOutputsTest, AnEmptyLogPrintsNothingAndShowsNoDialog) {
    click("BitBtnPrintLog");
    trigger("PrintResultsLog1");
    EXPECT_TRUE(desktop.calls().empty());
}

enum class PrintEnd { Cancelled, MissingFolder, UnwritableFolder };

void PrintTo(PrintEnd end, std::ostream* out) {
    *out << (end == PrintEnd::Cancelled       ? "cancelled"
             : end == PrintEnd::MissingFolder ? "missing folder"
                                              : "unwritable folder");
}

class ResultsLogPrintEndTest : public ResultsLogOutputsTest, public testing::WithParamInterface<PrintEnd> {};

// Cancel prints nothing; a file that cannot be written is reported in the
// error box. The log stays as it was either way.
TEST_P(ResultsLogPrintEndTest, LeavesTheLogAsItWas) {
    setLogLines(SpecialLines);
    const QString outFolder = pdfPath("out");
    ASSERT_TRUE(QDir().mkpath(outFolder));
    const QString pdf =
        GetParam() == PrintEnd::MissingFolder ? pdfPath("missing/log.pdf") : outFolder + "/log.pdf";
    std::unique_ptr<ImmutableFolder> locked;
    if (GetParam() == PrintEnd::UnwritableFolder) {
        locked = std::make_unique<ImmutableFolder>(outFolder);
        if (!locked->made()) {
            GTEST_SKIP() << "no immutable folder here (needs root)";
        }
    }
    if (GetParam() == PrintEnd::Cancelled) {
        desktop.expectPrint(false, [&pdf](QPrinter& printer) { printer.setOutputFileName(pdf); });
    } else {
        desktop.expectPrint(true, [&pdf](QPrinter& printer) { printer.setOutputFileName(pdf); });
        const QString reason =
            GetParam() == PrintEnd::MissingFolder ? "No such file or directory" : "Operation not permitted";
        desktop.expectError("Printing failed: cannot write the file \"" + pdf + "\": " + reason + ".");
    }
    click("BitBtnPrintLog");
    desktop.verify();
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(logLines(), SpecialLines);
}

INSTANTIATE_TEST_SUITE_P(Ends, ResultsLogPrintEndTest,
                         testing::Values(PrintEnd::Cancelled, PrintEnd::MissingFolder,
                                         PrintEnd::UnwritableFolder));

// Cancelled part way, with pages already printed: the PDF file is not there,
// or the one that was there before is left whole.
TEST_F(ResultsLogOutputsTest, CancelledPartWayLeavesNoPdfOrThePreviousOneWhole) {
    QStringList lines;
    for (int number = 1; number <= 3000; ++number) {
        lines << QStringLiteral("log line %1 of 3000").arg(number);
    }
    setLogLines(lines);
    for (const bool previous : {false, true}) {
        SCOPED_TRACE(previous ? "over a previous file" : "a new file");
        const QString pdf = pdfPath(previous ? "previous.pdf" : "new.pdf");
        const QByteArray before = "%PDF-1.4 printed before\n";
        if (previous) {
            WriteFile(pdf, before);
        }
        // The log is walked in pieces of some thousands of characters: cancelled about halfway.
        desktop.cancelProgressAt(8);
        desktop.expectPrint(true, [&pdf](QPrinter& printer) { printer.setOutputFileName(pdf); });
        click("BitBtnPrintLog");
        desktop.verify();
        if (previous) {
            EXPECT_EQ(FileBytes(pdf), before.toStdString());
        } else {
            EXPECT_FALSE(QFile::exists(pdf));
        }
        EXPECT_EQ(FilesIn(pdfFolder.path()), previous ? "previous.pdf" : "") << "nothing left beside it";
        EXPECT_EQ(logLines(), lines);
    }
}

// Qt's PDF writer goes on silently when its writes fail: a PDF file that a
// full disk would cut short is reported with the system's reason, and no
// part of it is left behind.
TEST_F(ResultsLogOutputsTest, APdfCutShortOnAFullDiskIsReportedAndLeftNowhere) {
    if (const QString disk = TinyDiskFolder(); !disk.isEmpty()) {
        setLogLines(ThreeHundredLines());
        FillUp(disk);
        const QString pdf = disk + "/log.pdf";
        desktop.expectPrint(true, [&pdf](QPrinter& printer) { printer.setOutputFileName(pdf); });
        desktop.expectError("Printing failed: cannot write the file \"" + pdf +
                            "\": No space left on device.");
        click("BitBtnPrintLog");
        desktop.verify();
        EXPECT_EQ(QDir(disk).entryList(QDir::Files | QDir::Hidden), QStringList{"filler"});
        EXPECT_EQ(logLines(), ThreeHundredLines());
        return;
    }
    RerunThisTestOnATinyDisk();
}

} // namespace
} // namespace tavrix
