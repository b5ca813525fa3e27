#include "QtDesktop.h"

#include "FakePrograms.h"
#include "HelperProcess.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QUrl>
#include <QWidget>

#include <gtest/gtest.h>

#include <optional>

namespace tavrix {
namespace {

TEST(QtDesktop, PutsPlainAndRichTextOnTheClipboardAsOneEntry) {
    QtDesktop desktop;
    // Both handed over in UTF-8, and read back as the same characters.
    const QString text = QStringLiteral("1 m\u00B2 = 10.764 ft\u00B2\n2\u202F000 m = 2 km");
    const QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"></head>"
                                        "<body><p style=\"font-family:Tahoma\">1 m\u00B2</p></body></html>");
    desktop.setClipboard(text.toUtf8(), html.toUtf8());
    const QMimeData* held = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(held->text(), text);
    EXPECT_TRUE(held->hasHtml());
    EXPECT_EQ(held->html(), html);
}

// Long work shows nothing at first; once it has run half a second, a
// progress window over the main window, which takes no input meanwhile;
// its Cancel stops the work.
TEST(QtDesktop, ShowsProgressOfLongWorkWithCancel) {
    QWidget mainWindow;
    mainWindow.show();
    QtDesktop desktop(&mainWindow);
    std::unique_ptr<Progress> progress =
        desktop.startProgress("Saving the results log", "Saving the results log...");
    const auto shown = [&mainWindow] {
        QProgressDialog* dialog = mainWindow.findChild<QProgressDialog*>();
        return dialog != nullptr && dialog->isVisible() ? dialog : nullptr;
    };
    EXPECT_TRUE(progress->carryOn(0.1));
    EXPECT_EQ(shown(), nullptr) << "nothing to see for short work";
    QElapsedTimer working;
    working.start();
    while (shown() == nullptr && working.elapsed() < 5000) {
        ASSERT_TRUE(progress->carryOn(0.5));
        QThread::msleep(5);
    }
    QProgressDialog* dialog = shown();
    ASSERT_NE(dialog, nullptr);
    EXPECT_GE(working.elapsed(), 400);
    EXPECT_EQ(dialog->labelText(), "Saving the results log...");
    // What the window is for, where a task switcher or a screen reader names it.
    EXPECT_EQ(dialog->windowTitle(), "Saving the results log");
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
    EXPECT_EQ(dialog->value(), dialog->maximum() / 2);

    QTest::mouseClick(dialog->findChild<QPushButton*>(), Qt::LeftButton);
    QThread::msleep(40);
    EXPECT_FALSE(progress->carryOn(0.6));
    EXPECT_FALSE(progress->carryOn(0.7)) << "cancelled for good";
    progress.reset();
    EXPECT_EQ(mainWindow.findChild<QProgressDialog*>(), nullptr) << "gone with the work";
}

// Starts opening `url` and waits, processing events, until the desktop answers.
std::optional<bool> Open(QtDesktop& desktop, const QUrl& url) {
    std::optional<bool> opened;
    desktop.openUrl(url, [&opened](bool answer) { opened = answer; });
    EXPECT_FALSE(opened) << "the answer came inside openUrl: the window would wait on the browser";
    EXPECT_TRUE(QTest::qWaitFor([&opened] { return opened.has_value(); }, 30000));
    return opened;
}

const QUrl Site(QStringLiteral("https://www.example.com/a%20b?x=1"));

// xdg-open ends with 1 to 4 when it cannot open what it is given (syntax, file
// missing, no tool, action failed); one that is still running after a few
// seconds is waiting on the browser it started.
TEST(QtDesktopOpenUrl, TellsWhetherXdgOpenOpenedIt) {
    const struct {
        const char* then;
        bool opened;
    } cases[] = {
        {"exit 0", true},
        {"exit 1", false},
        {"exit 2", false},
        {"exit 3", false},
        {"exit 4", false},
        {"kill -KILL $$", false},
        // Says why on its own stdout and stderr, which stay out of ours.
        {"echo cannot open \"$1\"; echo no browser >&2; exit 3", false},
    };
    for (const auto& test : cases) {
        FakePrograms fake;
        fake.putFirstOnPath();
        fake.addRecorder("xdg-open", test.then);
        QtDesktop desktop;
        EXPECT_EQ(Open(desktop, Site), test.opened) << test.then;
        EXPECT_EQ(fake.runsOf("xdg-open"), (QList<QStringList>{{Site.toString(QUrl::FullyEncoded)}}))
            << test.then;
    }
}

TEST(QtDesktopOpenUrl, AnXdgOpenStillRunningHasStartedTheBrowser) {
    FakePrograms fake;
    fake.putFirstOnPath();
    const QString ended = fake.folder() + "/ended";
    fake.addRecorder("xdg-open",
                     QString("sleep %1; touch '%2'").arg(HelperStartWaitMs / 1000 + 2).arg(ended));
    QtDesktop desktop;
    EXPECT_EQ(Open(desktop, Site), true);
    EXPECT_FALSE(QFile::exists(ended)) << "the answer waited for xdg-open's end";
    // Let it end, so that nothing of it outlives the test.
    EXPECT_TRUE(QTest::qWaitFor([&ended] { return QFile::exists(ended); }, 30000));
    QTest::qWait(100);
}

TEST(QtDesktopOpenUrl, WithoutXdgOpenNothingOpens) {
    FakePrograms empty;
    ScopedEnvironment onlyAnEmptyFolder("PATH", QFile::encodeName(empty.folder()));
    QtDesktop desktop;
    EXPECT_EQ(Open(desktop, Site), false);
}

TEST(QtDesktopOpenUrl, HandsALocalFileOverByItsPath) {
    FakePrograms fake;
    fake.putFirstOnPath();
    fake.addRecorder("xdg-open");
    QtDesktop desktop;
    EXPECT_EQ(Open(desktop, QUrl::fromLocalFile("/usr/share/tavrix/Help/a b%20c.pdf")), true);
    EXPECT_EQ(fake.runsOf("xdg-open"), (QList<QStringList>{{"/usr/share/tavrix/Help/a b%20c.pdf"}}));
}

} // namespace
} // namespace tavrix
