// "Email Results Log" from the tool button and the File menu: the message
// the mail client gets, the boxes when it cannot, and a window that keeps
// working while the hand-over runs.
#include "FakePrograms.h"
#include "QtDesktop.h"
#include "ResultsLogFixture.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QFile>

namespace tavrix {
namespace {

// Generous bounds for the one-second pause and a slow mail client.
constexpr int HandOverWaitMs = 15000;

class MailResultsLogTest : public ResultsLogTest {
protected:
    // The person asks for the mail; returns once the message has reached the
    // desktop and the scripted hand-over has ended.
    void emailLog(bool fromMenu = false) {
        const std::size_t before = desktop.mails().size();
        if (fromMenu)
            trigger("EmailResultsLog1");
        else
            click("BitBtnEmailLog");
        ASSERT_TRUE(QTest::qWaitFor([&] { return desktop.mails().size() > before; }, HandOverWaitMs));
        // The scripted outcome arrives on the next pass of the event loop.
        QTest::qWait(20);
    }
};

TEST_F(MailResultsLogTest, HandsTheWholeLogOverAfterTwoLineBreaksWithTheSubjectAndNoRecipient) {
    const QString wrapping = QString("12,345.678 kilometre = 7,671.0 mile ").repeated(8).trimmed();
    const struct {
        QString log;
        bool fromMenu;
        QString body;
    } cases[] = {
        {"", false, "\n\n"},
        {"1 m = 100 cm\n", true, "\n\n1 m = 100 cm\n"},
        {"1 m = 100 cm\n\nnote: C:\\calc\n", false, "\n\n1 m = 100 cm\n\nnote: C:\\calc\n"},
        // Wrapped in the field, one line in the mail.
        {wrapping + "\nend\n", false, "\n\n" + wrapping + "\nend\n"},
        // Amended without a line break after the last line.
        {"1 m = 100 cm\nnote", false, "\n\n1 m = 100 cm\nnote\n"},
    };
    for (const auto& test : cases) {
        amendLogTo(test.log);
        const QString logBefore = logText();
        desktop.expectMail({});
        emailLog(test.fromMenu);
        desktop.verify();
        const MailMessage& sent = desktop.mails().back();
        EXPECT_EQ(sent, (MailMessage{"", "TAVRIX - Results Log", test.body, {}})) << test.body.toStdString();
        EXPECT_EQ(logText(), logBefore);
    }
}

// The menu or button that asked closes and repaints before the mail client
// takes the screen: the hand-over waits a second. Only the least wait is
// checked; a busy machine can make it longer, never shorter. (A coarse
// timer may fire up to 5% early.)
TEST_F(MailResultsLogTest, WaitsASecondBeforeHandingOver) {
    amendLogTo("1 m = 100 cm\n");
    desktop.expectMail({});
    QElapsedTimer sinceTheClick;
    sinceTheClick.start();
    emailLog();
    EXPECT_GE(sinceTheClick.elapsed(), 950);
    desktop.verify();
}

TEST_F(MailResultsLogTest, TellsThePersonWhenTheMailClientCannotBeReachedOrTheLogIsTooLong) {
    const struct {
        MailLaunch launch;
        QString text;
    } cases[] = {
        {{MailLaunch::Outcome::NoMailClient}, "Error while trying to send email"},
        {{MailLaunch::Outcome::Failed}, "Error while trying to send email"},
        {{MailLaunch::Outcome::TooLong, 150123, 131071},
         "The results log is too long to hand to the mail client: as the mail client would receive it, it "
         "takes "
         "150123 bytes, and at most 131071 bytes fit.\n\n"
         "Save the log to a file and attach that file to a message instead."},
    };
    setLogLines({"1 m = 100 cm", "2 m = 200 cm"});
    for (const auto& test : cases) {
        desktop.expectMail(test.launch);
        desktop.expectMessage("Error", test.text);
        emailLog();
        desktop.verify();
        EXPECT_EQ(logText(), "1 m = 100 cm\n2 m = 200 cm\n");
    }
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

// The real desktop layer and a fake xdg-email that takes its time, as it
// does while the mail client it started comes up.
TEST(MailResultsLogSlowClient, TheWindowKeepsWorkingWhileTheMailClientComesUp) {
    QTemporaryDir folder;
    const DataPaths paths(folder.path());
    FakePrograms fakes;
    fakes.putFirstOnPath();
    // Slow on the first run only, and leaves a mark when that run ends.
    const QString slow = fakes.folder() + "/slow";
    const QString ended = fakes.folder() + "/ended";
    fakes.addRecorder("xdg-email",
                      QString("[ -e '%1' ] && exit 0; touch '%1'; sleep 3; touch '%2'").arg(slow, ended));
    QtDesktop desktop;
    TFormTavrix window(desktop, paths);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto& value = Find<QLineEdit>(window, "EditFromValue");
    auto& result = Find<QLineEdit>(window, "EditToValue");
    auto& emailButton = Find<QAbstractButton>(window, "BitBtnEmailLog");

    Click(emailButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return fakes.runsOf("xdg-email").size() == 1; }, HandOverWaitMs));

    // While xdg-email runs: a new value converts and the window repaints.
    const QString resultBefore = result.text();
    value.clear();
    TypeText(value, "2");
    Click(Find<QAbstractButton>(window, "BitBtnCalulateResult"));
    EXPECT_NE(result.text(), resultBefore);
    PaintCounter counter;
    result.installEventFilter(&counter);
    result.update();
    EXPECT_TRUE(QTest::qWaitFor([&] { return counter.paints > 0; }, HandOverWaitMs));
    // And more clicks start nothing, even after the pause a second message would take.
    Click(emailButton);
    Find<QAction>(window, "EmailResultsLog1").trigger();
    EXPECT_FALSE(QFile::exists(ended)) << "the window answered only after xdg-email had ended";
    QTest::qWait(1500);
    EXPECT_EQ(fakes.runsOf("xdg-email").size(), 1);

    // Once the hand-over has ended, the next click starts the next message.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            Click(emailButton);
            QTest::qWait(100);
            return fakes.runsOf("xdg-email").size() == 2;
        },
        HandOverWaitMs));
    // The quick second run ends before the window and the desktop go.
    QTest::qWait(500);
}

} // namespace
} // namespace tavrix
