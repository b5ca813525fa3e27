// Long work (opening, saving, copying, printing the log) with the program's
// own progress window, which runs the event loop while the work goes on:
// nothing else that the event loop brings may disturb it. The person's
// clicks are dropped, a helper's answer waits until the work has ended, and
// closing the window stops the work as Cancel does before the window closes.
#include "ResultsLogFixture.h"
#include "TestFiles.h"

#include <QFileInfo>
#include <QTimer>
#include <QUrl>

namespace tavrix {
namespace {

class LongWork : public ResultsLogTest {
protected:
    // A file of `lines` short lines, long enough to open or save for a while.
    QString fileOfLines(int lines) {
        QByteArray bytes;
        for (int line = 0; line < lines; ++line) {
            bytes += "1 m = 100 cm no. " + QByteArray::number(line) + "\r\n";
        }
        const QString path = pathOf(QStringLiteral("lines%1.TVRX").arg(lines));
        WriteFile(path, bytes);
        return path;
    }
    // Fills the log at once, before the progress windows watch the work.
    void fillLog(int lines) {
        open(fileOfLines(lines));
        desktop.watchWorkInProgressWindows(window);
    }

    static constexpr int Lines = 200'000;
};

TEST_F(LongWork, AHelpersAnswerDuringASaveComesAfterIt) {
    fillLog(Lines);
    const QString saved = pathOf("saved.TVRX");
    desktop.expectOpenUrl(QUrl("https://www.example.com"), false);
    desktop.expectSaveFile(saved);
    desktop.expectInformation("Cannot find web browser to view www.example.com", [&] {
        EXPECT_FALSE(desktop.longWorkUnderWay()) << "a box inside the save";
        EXPECT_TRUE(QFileInfo::exists(saved)) << "a box before the log was saved";
    });
    // The answer comes with the next events, which the save runs.
    Click(control("ImageSupplier_MainForm"));
    click("BitBtnSaveLogFile");
    EXPECT_TRUE(QTest::qWaitFor([this] { return desktop.allMet(); }, 5000));
    desktop.verify();
}

TEST_F(LongWork, ClosingTheWindowDuringAnOpenCancelsItThenCloses) {
    desktop.watchWorkInProgressWindows(window);
    // As the window manager's close comes, with the events the work runs.
    QTimer::singleShot(0, &window, [this] { window.close(); });
    open(fileOfLines(Lines));
    EXPECT_EQ(logText(), QString()) << "the log as it was";
    EXPECT_TRUE(QTest::qWaitFor([this] { return !window.isVisible(); }, 5000))
        << "closed once the work stopped";
}

// Clicks in the first half second, before the progress window shows: a
// question, and other long work. Neither comes, now or after the work.
TEST_F(LongWork, ClicksWhileItRunsDoNothing) {
    fillLog(Lines);
    const QStringList lines = logLines();
    const qsizetype worksBefore = desktop.progressTitles().size();
    QTimer::singleShot(0, &window, [this] {
        click("BitBtnNewLog");
        click("BitBtnCopyLogToClipboard");
    });
    save(pathOf("saved.TVRX"));
    QTest::qWait(100); // what a click put off would come now
    desktop.verify();
    EXPECT_EQ(desktop.progressTitles().mid(worksBefore), QStringList{"Saving the results log"});
    EXPECT_TRUE(logLines() == lines);
}

} // namespace
} // namespace tavrix
