#include "QtDesktop.h"

#include "FakePrograms.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QMap>
#include <QMimeData>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

#include <cerrno>
#include <csignal>

namespace tavrix {
namespace {

// Printing goes through the print module, loaded at the first print: with
// no printer installed its print dialog proposes a PDF file named after the
// job in the documents folder (here the home folder, as that has none), and
// accepting it prints there. A module that cannot be loaded is said so.
TEST(QtDesktop, PrintsThroughItsModuleOrSaysWhyItCannot) {
    QTemporaryDir home;
    const ScopedEnvironment homeFolder("HOME", QFile::encodeName(home.path()));
    const PrintJob job{QStringLiteral("Results"),
                       [](const std::function<void(QStringView)>& take, Progress&) {
                           take(u"1 m = 100 cm");
                           return true;
                       },
                       QFont(), QStringLiteral("Printing"), QStringLiteral("Printing...")};
    QtDesktop desktop;
    desktop.setPrintModule(home.filePath(QStringLiteral("missing.so")));
    EXPECT_TRUE(desktop.print(job).value_or(QString()).startsWith(
        QStringLiteral("The print module \"%1\" cannot be loaded: ").arg(home.filePath("missing.so"))));

    desktop.setPrintModule(QStringLiteral(TAVRIX_PRINT_MODULE));
    QString dialogShown;
    QTimer accepter;
    QObject::connect(&accepter, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            dialogShown = QString::fromLatin1(dialog->metaObject()->className());
            dialog->accept();
        }
    });
    accepter.start(10);
    EXPECT_EQ(desktop.print(job), std::nullopt);
    EXPECT_EQ(dialogShown, QStringLiteral("QPrintDialog"));
    QFile pdf(home.filePath(QStringLiteral("Results.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly)) << "nothing printed into " << pdf.fileName().toStdString();
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
}

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
    EXPECT_TRUE(desktop.longWorkUnderWay());
    EXPECT_FALSE(desktop.startProgress("Copying the results log", "Copying...")->carryOn(0))
        << "other long work does not start while this runs";
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
    EXPECT_FALSE(desktop.longWorkUnderWay());
}

// Starts opening `url` and waits, processing events, until the desktop answers.
std::optional<bool> Open(QtDesktop& desktop, const QUrl& url) {
    QObject receiver;
    std::optional<bool> opened;
    desktop.openUrl(url, receiver, [&opened](bool answer) { opened = answer; });
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

// Until every helper started for `receiver` has ended and been heard of.
bool HelpersEnded(const QObject& receiver) {
    return QTest::qWaitFor([&receiver] { return receiver.findChildren<QProcess*>().isEmpty(); }, 30000);
}

// A helper gets three seconds to fail: one that fails within them has
// failed; one still running after them has handed over, and its later end,
// a failure too, changes nothing: one answer only.
TEST(QtDesktopHelpers, HaveThreeSecondsToFail) {
    FakePrograms fake;
    fake.putFirstOnPath();
    // Each run acts as its arguments say, so that all run at once.
    const QString actAsTold = R"(case "$*" in
                                   *fails-after-2s*) sleep 2; exit 3;;
                                   *fails-after-4s*) sleep 4; exit 3;;
                                 esac)";
    fake.addRecorder("xdg-open", actAsTold);
    fake.addRecorder("xdg-email", actAsTold);
    const struct {
        bool mail;
        const char* behaviour;
        const char* answer;
    } cases[] = {
        {false, "fails-after-2s", "not opened"},
        {false, "fails-after-4s", "opened"},
        {true, "fails-after-2s", "no mail client"},
        {true, "fails-after-4s", "started"},
    };
    QtDesktop desktop;
    QObject receiver;
    QMap<QString, QStringList> answers;
    for (const auto& test : cases) {
        const QString name = QString(test.mail ? "mail " : "open ") + test.behaviour;
        if (test.mail)
            desktop.startMail(
                {{}, "s", test.behaviour, {}}, receiver, [&answers, name](const MailLaunch& launch) {
                    answers[name] << (launch.outcome == MailLaunch::Outcome::Started        ? "started"
                                      : launch.outcome == MailLaunch::Outcome::NoMailClient ? "no mail client"
                                                                                            : "failed");
                });
        else
            desktop.openUrl(
                QUrl("https://www.example.com/" + QString(test.behaviour)), receiver,
                [&answers, name](bool opened) { answers[name] << (opened ? "opened" : "not opened"); });
    }
    EXPECT_TRUE(HelpersEnded(receiver));
    for (const auto& test : cases) {
        const QString name = QString(test.mail ? "mail " : "open ") + test.behaviour;
        EXPECT_EQ(answers.value(name).join(", then ").toStdString(), test.answer) << name.toStdString();
    }
}

bool ProcessGone(const QString& pidFile) {
    QFile file(pidFile);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const pid_t pid = file.readAll().trimmed().toInt();
    return pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH;
}

// The window that asked for a hand-over may go before it ends: no answer
// reaches it afterwards, whether a helper still runs, none could be found or
// none was needed, and a helper still running goes with the window, leaving
// nothing behind (the sanitizers watch for what would leak).
TEST(QtDesktopHelpers, NeverAnswerAReceiverThatHasGone) {
    FakePrograms fake;
    fake.putFirstOnPath();
    // "still running" runs until it is ended; "clock" past the three seconds.
    const QString actAsTold = R"(case "$*" in
                                   *still-running*) echo $$ > "$0.tmp"; mv "$0.tmp" "$0.pid"; exec sleep 60;;
                                   *clock*) exec sleep 4;;
                                 esac)";
    fake.addRecorder("xdg-open", actAsTold);
    fake.addRecorder("xdg-email", actAsTold);
    QtDesktop desktop;
    int heard = 0;
    const auto count = [&heard](auto&&...) { ++heard; };
    std::vector<std::unique_ptr<QObject>> goneFirst;
    const auto receiver = [&goneFirst] { return goneFirst.emplace_back(std::make_unique<QObject>()).get(); };

    // Answered on the next pass of the event loop, with no helper running:
    // the message is too long to hand over, or no helper is found.
    desktop.startMail({{}, "s", QString(200'000, u'x'), {}}, *receiver(), count);
    {
        ScopedEnvironment noHelpers("PATH", "/nonexistent");
        desktop.openUrl(QUrl("https://www.example.com/"), *receiver(), count);
    }
    goneFirst.clear();

    desktop.openUrl(QUrl("https://www.example.com/still-running"), *receiver(), count);
    desktop.startMail({{}, "s", "still-running", {}}, *receiver(), count);
    const QString openPid = fake.folder() + "/xdg-open.pid";
    const QString mailPid = fake.folder() + "/xdg-email.pid";
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(openPid) && QFile::exists(mailPid); }, 30000));
    goneFirst.clear();
    EXPECT_TRUE(ProcessGone(openPid));
    EXPECT_TRUE(ProcessGone(mailPid));

    // Answered at the three seconds, after everything the gone ones could have heard.
    QObject stays;
    std::optional<bool> clock;
    desktop.openUrl(QUrl("https://www.example.com/clock"), stays, [&clock](bool opened) { clock = opened; });
    EXPECT_TRUE(QTest::qWaitFor([&clock] { return clock.has_value(); }, 30000));
    EXPECT_EQ(heard, 0);
    EXPECT_TRUE(HelpersEnded(stays));
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
