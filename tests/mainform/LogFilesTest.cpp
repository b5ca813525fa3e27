// Results log files through the real main window: saving, opening (which
// appends) by the dialog or when the program starts, the exact bytes, and
// every way a file can fail.
#include "ResultsLogFixture.h"
#include "Tavrix_Branding_001.h"
#include "Tavrix_Splash.h"
#include "TestFiles.h"
#include "UnwritableFolders.h"

#include <QDir>
#include <QFile>

#include <fstream>

#include <sys/stat.h>

namespace tavrix {
namespace {

const QString Filter = QStringLiteral("Tavrix Log (*.TVRX)");
const QString ConversionLine = QString::fromUtf8("1.000 cm/sec\u00B2 = 0.010000 m/sec\u00B2");
// The same line in the Windows-1252 code page: "²" is the byte B2.
const QByteArray ConversionLineBytes = "1.000 cm/sec\xB2 = 0.010000 m/sec\xB2";

class LogFiles : public ResultsLogTest {
protected:
    // The call the code made of `kind`, the last one.
    ScriptedDesktop::Call lastCall(ScriptedDesktop::Kind kind) const {
        for (auto call = desktop.calls().rbegin(); call != desktop.calls().rend(); ++call) {
            if (call->kind == kind) {
                return *call;
            }
        }
        ADD_FAILURE() << "no " << ScriptedDesktop::kindName(kind).toStdString();
        return {};
    }
    static QString cannotRead(const QString& path, const char* reason) {
        return QStringLiteral("Cannot read the results log file \"%1\":\n%2")
            .arg(QDir::toNativeSeparators(path), QString::fromUtf8(reason));
    }
    static QString cannotSave(const QString& path, const char* reason) {
        return QStringLiteral("Cannot save the results log file \"%1\":\n%2")
            .arg(QDir::toNativeSeparators(path), QString::fromUtf8(reason));
    }
    void clearLog() {
        desktop.expectConfirm("Are your sure you wish to clear the results log?", true);
        click("BitBtnNewLog");
        desktop.verify();
    }
};

TEST_F(LogFiles, SavedLogHoldsEveryLineWithCrLfAndOpensBackAppended) {
    click("BitBtnAddToResultsLog");
    amendLogTo(logText() + "\nNote: \u00B0 and \u00F7\n");
    save(pathOf("results")); // typed without an extension
    EXPECT_EQ(FileBytes(pathOf("results.TVRX")),
              (ConversionLineBytes + "\r\n\r\nNote: \xB0 and \xF7\r\n").toStdString());
    const QStringList saved = logLines();

    clearLog();
    open(pathOf("results.TVRX"));
    EXPECT_EQ(logLines(), saved);
    open(pathOf("results.TVRX"));
    EXPECT_EQ(logLines(), saved + saved);

    EXPECT_EQ(lastCall(ScriptedDesktop::Kind::SaveFile).caption, "Save Results Log file");
    EXPECT_EQ(lastCall(ScriptedDesktop::Kind::SaveFile).text, Filter);
    EXPECT_EQ(lastCall(ScriptedDesktop::Kind::OpenFile).caption, "Open Results Log file");
    EXPECT_EQ(lastCall(ScriptedDesktop::Kind::OpenFile).text, Filter);
}

TEST_F(LogFiles, MenuItemsSaveAndOpenToo) {
    setLogLines({"menu"});
    desktop.expectSaveFile(pathOf("menu.TVRX"));
    trigger("SaveResultsLogfile1");
    desktop.expectOpenFile(pathOf("menu.TVRX"));
    trigger("OpenResultsLogfile1");
    desktop.verify();
    EXPECT_EQ(logLines(), QStringList({"menu", "menu"}));
}

TEST_F(LogFiles, ExtensionTypedInEitherCaseIsKept) {
    setLogLines({"a"});
    save(pathOf("lower.tvrx"));
    save(pathOf("other.txt"));
    EXPECT_EQ(FilesIn(folder.path()), "lower.tvrx other.txt");
}

TEST_F(LogFiles, EmptyLogSavesAnEmptyFile) {
    save(pathOf("empty.TVRX"));
    EXPECT_EQ(FileBytes(pathOf("empty.TVRX")), "");
    open(pathOf("empty.TVRX"));
    EXPECT_EQ(logText(), "");
}

TEST_F(LogFiles, WrappedLineIsSavedAsTheRowsTheFieldShows) {
    const QString words =
        QStringLiteral("A note long enough to wrap twice in the log field, word after word after word");
    setLogLines({words});
    const QStringList rows = logLines();
    ASSERT_GT(rows.size(), 1);
    save(pathOf("wrapped.TVRX"));
    EXPECT_EQ(FileBytes(pathOf("wrapped.TVRX")), (rows.join("\r\n") + "\r\n").toStdString());
    EXPECT_EQ(rows.join(""), words);
}

TEST_F(LogFiles, OpeningAppendsAfterTheLinesThereAndKeepsEveryCharacter) {
    setLogLines({"first"});
    WriteFile(pathOf("mixed.TVRX"), "a\rb\r\n\r\nlone\nfeed\r\nlast\x1a ignored");
    open(pathOf("mixed.TVRX"));
    EXPECT_EQ(logText(), "first\na\nb\n\nlone\nfeed\nlast\n");

    // Characters outside the code page survive a save and an open.
    const QString foreign =
        QString::fromUtf8("1\u202F000 m \u03C3\u03B7\u03BC\u03B5\u03AF\u03C9\u03C3\u03B7 \u00B2");
    setLogLines({foreign, "after"});
    save(pathOf("foreign.TVRX"));
    clearLog();
    open(pathOf("foreign.TVRX"));
    EXPECT_EQ(logLines(), QStringList({foreign, "after"}));
}

TEST_F(LogFiles, CancelledDialogsDoNothing) {
    setLogLines({"kept"});
    save(QString());
    open(QString());
    EXPECT_EQ(FilesIn(folder.path()), "");
    EXPECT_EQ(logLines(), QStringList({"kept"}));
}

// A file of `size` zero bytes that takes no room on the disk.
void MakeSparseFile(const QString& path, qint64 size) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(size));
}

struct UnreadableFile {
    const char* name;
    const char* reason;
    std::function<void(const QString& path)> make;
};

void PrintTo(const UnreadableFile& file, std::ostream* out) {
    *out << file.name;
}

class UnreadableLogFile : public LogFiles, public ::testing::WithParamInterface<UnreadableFile> {};

TEST_P(UnreadableLogFile, GivesTheErrorBoxAndLeavesTheLogAlone) {
    setLogLines({"kept"});
    const QString path = pathOf(QStringLiteral("bad.TVRX"));
    GetParam().make(path);
    open(path, cannotRead(path, GetParam().reason));
    EXPECT_EQ(logLines(), QStringList({"kept"}));
}

INSTANTIATE_TEST_SUITE_P(
    LogFiles, UnreadableLogFile,
    ::testing::Values(
        UnreadableFile{"Missing", "No such file or directory", [](const QString&) {}},
        UnreadableFile{"Folder", "Not a regular file",
                       [](const QString& path) { ASSERT_TRUE(QDir().mkdir(path)); }},
        UnreadableFile{
            "Fifo", "Not a regular file",
            [](const QString& path) { ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0); }},
        UnreadableFile{
            "Binary", "It holds binary data, not a results log.",
            [](const QString& path) { WriteFile(path, QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)); }},
        UnreadableFile{"Huge", "It holds more than 16 MB; a results log file may hold at most 16 MB.",
                       [](const QString& path) { MakeSparseFile(path, 200LL * 1024 * 1024); }},
        UnreadableFile{"OneByteOverTheLimit",
                       "It holds more than 16 MB; a results log file may hold at most 16 MB.",
                       [](const QString& path) { MakeSparseFile(path, 16LL * 1024 * 1024 + 1); }}),
    [](const ::testing::TestParamInfo<UnreadableFile>& test) { return std::string(test.param.name); });

// Files handed over when the program starts, as the file manager does, go
// into the log one after another as Open reads them: one that cannot be
// read says why and the others still come in, a Cancel stops the rest; the
// dialogs then start in the folder of the last one read. A name in
// another encoding than UTF-8 (here Latin-1, "caf\xE9") opens all the same,
// and a message shows its other bytes as \xNN.
TEST_F(LogFiles, FilesGivenAtStartOpenInOrderAsOpenReadsThem) {
    ASSERT_TRUE(QDir().mkdir(pathOf("a")) && QDir().mkdir(pathOf("b")));
    WriteFile(pathOf("a/one.TVRX"), "1 m = 100 cm\r\n");
    WriteFile(pathOf("b/two.TVRX"), "2 m = 200 cm\r\n3 m = 300 cm\r\n");
    const QByteArray latin1 = QFile::encodeName(pathOf("b/")) + "caf\xe9.TVRX";
    std::ofstream(latin1.constData(), std::ios::binary) << "4 m = 400 cm\r\n";
    const QByteArray latin1Missing = QFile::encodeName(pathOf("d")) + "\xe9j\xe0.TVRX";
    const auto named = [this](const char* path) { return QFile::encodeName(pathOf(path)); };
    setLogLines({"kept"});
    desktop.expectError(cannotRead(pathOf("missing.TVRX"), "No such file or directory"));
    desktop.expectError(cannotRead(pathOf("d\\xE9j\\xE0.TVRX"), "No such file or directory"));
    window.OpenResultsLogFiles(
        {named("a/one.TVRX"), named("missing.TVRX"), latin1Missing, named("b/two.TVRX"), latin1});
    desktop.verify();
    EXPECT_EQ(logLines(),
              QStringList({"kept", "1 m = 100 cm", "2 m = 200 cm", "3 m = 300 cm", "4 m = 400 cm"}));
    desktop.expectOpenFile({});
    click("BitBtnOpenLogFile");
    EXPECT_EQ(desktop.dialogFolders().constLast(), pathOf("b"));

    // Cancelled while the first opens: nothing of it, and the missing one
    // after it is never read (its error box would fail the test).
    desktop.cancelProgressAt(1);
    window.OpenResultsLogFiles({named("b/two.TVRX"), named("missing.TVRX")});
    EXPECT_EQ(logLines(),
              QStringList({"kept", "1 m = 100 cm", "2 m = 200 cm", "3 m = 300 cm", "4 m = 400 cm"}));
}

// At start-up the splash waits for the files: over an error box it would
// hide it, so it shows once the box is closed.
TEST(FilesGivenAtStart, TheSplashWaitsUntilTheyAreIn) {
    QTemporaryDir folder;
    const DataPaths paths(folder.path());
    ScriptedDesktop desktop;
    TFormTavrix window(desktop, paths);
    TFormTavrixSplash splash(desktop, SupplierWebAddress, &window);
    window.attachSplash(splash);
    window.show();
    const QString missing = folder.filePath("missing.TVRX");
    desktop.expectError(QStringLiteral("Cannot read the results log file \"%1\":\nNo such file or directory")
                            .arg(QDir::toNativeSeparators(missing)),
                        [&desktop] {
                            // The person reads the box; the event loop runs meanwhile.
                            QTest::qWait(300);
                            EXPECT_EQ(desktop.calls().back().kind, ScriptedDesktop::Kind::Error)
                                << "a window came while the box was up";
                        });
    desktop.expectModal([](QDialog& shown) { EXPECT_EQ(shown.objectName(), "FormTavrixSplash"); });
    window.OpenResultsLogFiles({QFile::encodeName(missing)});
    EXPECT_TRUE(QTest::qWaitFor([&desktop] { return desktop.allMet(); }, 10000)) << "no splash after the box";
}

TEST_F(LogFiles, UnwritableFolderKeepsTheOldFile) {
    WriteFile(pathOf("old.TVRX"), "old\r\n");
    const ImmutableFolder locked(folder.path());
    if (!locked.made())
        GTEST_SKIP() << "chattr +i is not available here (needs root or CAP_LINUX_IMMUTABLE on ext2/3/4)";
    setLogLines({"new"});
    save(pathOf("old.TVRX"), cannotSave(pathOf("old.TVRX"), "Operation not permitted"));
    EXPECT_EQ(FileBytes(pathOf("old.TVRX")), "old\r\n");
    EXPECT_EQ(logLines(), QStringList({"new"}));
}

TEST_F(LogFiles, FullDiskKeepsTheOldFile) {
    if (const QString tiny = TinyDiskFolder(); !tiny.isEmpty()) {
        const QString path = QDir(tiny).filePath("old.TVRX");
        WriteFile(path, "old\r\n");
        FillUp(tiny);
        QStringList lines;
        for (int line = 0; line < 2000; ++line) {
            lines << QStringLiteral("line %1 of a log too large for the disk").arg(line);
        }
        setLogLines(lines);
        save(path, cannotSave(path, "No space left on device"));
        EXPECT_EQ(FileBytes(path), "old\r\n");
        EXPECT_EQ(FilesIn(tiny), "filler old.TVRX");
        return;
    }
    RerunThisTestOnATinyDisk();
}

TEST_F(LogFiles, SavingOverAFifoLeavesItAFifo) {
    const QString path = pathOf("pipe.TVRX");
    ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    setLogLines({"a"});
    save(path, cannotSave(path, "Not a regular file"));
    struct stat status {};
    ASSERT_EQ(stat(QFile::encodeName(path).constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
}

} // namespace
} // namespace tavrix
