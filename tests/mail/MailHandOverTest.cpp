// Handing messages to xdg-email: fake ones first on PATH record what they
// are given and answer with their own exit codes; the real xdg-email hands
// over to a fake mail client.
#include "FakePrograms.h"
#include "MailMessage.h"
#include "QtDesktop.h"

#include <QFile>
#include <QMap>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include <unistd.h>

// Readable texts in failure messages.
void PrintTo(const QString& text, std::ostream* out) {
    *out << testing::PrintToString(text.toStdString());
}

namespace tavrix {
namespace {

// Generous: a fake ends in milliseconds, the real xdg-email in well under a second.
constexpr int HandOverWaitMs = 30000;

// Starts the hand-over and waits, processing events, until it ends.
MailLaunch HandOver(QtDesktop& desktop, const MailMessage& message) {
    QObject receiver;
    std::optional<MailLaunch> launch;
    desktop.startMail(message, receiver, [&launch](const MailLaunch& ended) { launch = ended; });
    EXPECT_FALSE(launch) << "the hand-over ended inside startMail";
    EXPECT_TRUE(QTest::qWaitFor([&launch] { return launch.has_value(); }, HandOverWaitMs));
    return launch.value_or(MailLaunch{MailLaunch::Outcome::Started, -1, -1});
}

std::string OutcomeName(MailLaunch::Outcome outcome) {
    switch (outcome) {
    case MailLaunch::Outcome::Started:
        return "started";
    case MailLaunch::Outcome::NoMailClient:
        return "no mail client";
    case MailLaunch::Outcome::Failed:
        return "failed";
    case MailLaunch::Outcome::TooLong:
        return "too long";
    }
    return "?";
}

// The header fields of a mailto: address, decoded as a mail client decodes them.
QMap<QString, QString> FieldsOf(const QString& address) {
    QMap<QString, QString> fields;
    for (const QString& field : address.section(u'?', 1).split(u'&', Qt::SkipEmptyParts))
        fields[field.section(u'=', 0, 0)] =
            QString::fromUtf8(QByteArray::fromPercentEncoding(field.section(u'=', 1).toLatin1()));
    return fields;
}

class XdgEmailHandOver : public testing::Test {
protected:
    void SetUp() override { fakes.putFirstOnPath(); }

    FakePrograms fakes;
    QtDesktop desktop;
};

TEST_F(XdgEmailHandOver, HandsTheDescribedMessageOverAsOneAddressAndAttachmentsAsOptions) {
    fakes.addRecorder("xdg-email");
    const MailMessageDescription logMail{{"to", ""}, {"subject", "TAVRIX - Results Log"}, {"body", "\n\n"}};
    const MailMessageDescription everything{{"to", "ann@example.org"},
                                            {"subject", "s"},
                                            {"body", "b"},
                                            {"attachment0", "/tmp/a b.pdf"},
                                            {"attachment1", "/tmp/c"}};
    for (const auto& description : {logMail, everything})
        EXPECT_EQ(HandOver(desktop, ReadMailMessageDescription(description)).outcome,
                  MailLaunch::Outcome::Started);

    const QList<QStringList> expected{
        {"--utf8", "mailto:?subject=TAVRIX%20-%20Results%20Log&body=%0D%0A%0D%0A"},
        {"--utf8", "--attach", "/tmp/a b.pdf", "--attach", "/tmp/c",
         "mailto:ann@example.org?subject=s&body=b"}};
    EXPECT_EQ(fakes.runsOf("xdg-email"), expected);
}

TEST_F(XdgEmailHandOver, TellsEveryFailureFromAStartedMailClient) {
    const struct {
        const char* then;
        MailLaunch::Outcome expected;
    } cases[] = {
        {"exit 0", MailLaunch::Outcome::Started},       {"exit 3", MailLaunch::Outcome::NoMailClient},
        {"exit 1", MailLaunch::Outcome::Failed},        {"exit 2", MailLaunch::Outcome::Failed},
        {"exit 4", MailLaunch::Outcome::Failed},        {"exit 126", MailLaunch::Outcome::Failed},
        {"kill -SEGV $$", MailLaunch::Outcome::Failed},
    };
    for (const auto& test : cases) {
        // A program of its own for each case: the desktop looks it up only once.
        FakePrograms fake;
        fake.putFirstOnPath();
        fake.addRecorder("xdg-email", test.then);
        QtDesktop freshDesktop;
        EXPECT_EQ(OutcomeName(HandOver(freshDesktop, {"", "s", "b", {}}).outcome), OutcomeName(test.expected))
            << test.then;
        EXPECT_EQ(fake.runsOf("xdg-email").size(), 1) << test.then;
    }
}

// The program's own standard output and error, caught in a file while this
// object lives; a child started meanwhile inherits them.
class CapturedOutput {
public:
    CapturedOutput() {
        EXPECT_TRUE(file_.open());
        for (const int stream : {1, 2}) {
            saved_[stream - 1] = dup(stream);
            dup2(file_.handle(), stream);
        }
    }
    ~CapturedOutput() { restore(); }
    CapturedOutput(const CapturedOutput&) = delete;
    CapturedOutput& operator=(const CapturedOutput&) = delete;

    QByteArray text() {
        restore();
        file_.seek(0);
        return file_.readAll();
    }

private:
    void restore() {
        for (const int stream : {1, 2}) {
            if (saved_[stream - 1] >= 0) {
                dup2(saved_[stream - 1], stream);
                close(saved_[stream - 1]);
                saved_[stream - 1] = -1;
            }
        }
    }

    QTemporaryFile file_;
    int saved_[2] = {-1, -1};
};

// xdg-email that finds no mail client prints the whole address, the log
// included: none of it may reach the program's own output or the journal.
TEST_F(XdgEmailHandOver, KeepsXdgEmailsWordsOutOfTheProgramsOutput) {
    fakes.addRecorder("xdg-email", R"(echo "stdout: $*"; echo "stderr: $*" >&2; exit 3)");
    CapturedOutput output;
    const MailLaunch launch = HandOver(desktop, {"", "s", "secret log line", {}});
    const QByteArray printed = output.text();
    EXPECT_EQ(launch.outcome, MailLaunch::Outcome::NoMailClient);
    EXPECT_FALSE(printed.contains("secret")) << printed.toStdString();
}

TEST_F(XdgEmailHandOver, WithoutXdgEmailThereIsNoMailClient) {
    ScopedEnvironment onlyAnEmptyFolder("PATH", QFile::encodeName(fakes.folder()));
    EXPECT_EQ(HandOver(desktop, {"", "s", "b", {}}).outcome, MailLaunch::Outcome::NoMailClient);
}

TEST_F(XdgEmailHandOver, LooksXdgEmailUpOnlyOnce) {
    fakes.addRecorder("xdg-email");
    ASSERT_EQ(HandOver(desktop, {"", "", "one", {}}).outcome, MailLaunch::Outcome::Started);
    FakePrograms later;
    later.putFirstOnPath();
    later.addRecorder("xdg-email", "exit 3");
    EXPECT_EQ(HandOver(desktop, {"", "", "two", {}}).outcome, MailLaunch::Outcome::Started);
    EXPECT_EQ(fakes.runsOf("xdg-email").size(), 2);
    EXPECT_TRUE(later.runsOf("xdg-email").isEmpty());
}

TEST_F(XdgEmailHandOver, AMessageLongerThanOneArgumentIsRefusedBeforeAnythingStarts) {
    fakes.addRecorder("xdg-email");
    // "mailto:?subject=s&body=" is 23 bytes and every space takes three:
    // 23 + 43682 * 3 + 2 = 131071, the longest argument Linux passes on.
    const QString spaces(43682, u' ');
    EXPECT_EQ(HandOver(desktop, {"", "s", spaces + "ab", {}}).outcome, MailLaunch::Outcome::Started);
    const QList<QStringList> runs = fakes.runsOf("xdg-email");
    ASSERT_EQ(runs.size(), 1);
    EXPECT_EQ(runs.front().constLast().size(), 131071);

    const MailLaunch tooLong = HandOver(desktop, {"", "s", spaces + "abc", {}});
    EXPECT_EQ(tooLong.outcome, MailLaunch::Outcome::TooLong);
    EXPECT_EQ(tooLong.size, 131072);
    EXPECT_EQ(tooLong.limit, 131071);
    EXPECT_EQ(fakes.runsOf("xdg-email").size(), 1) << "xdg-email ran for a message too long";
}

// Debian's xdg-email runs through dash: its echo acts on backslash sequences
// and its own encoder turns each LF into CR LF. The address we build must go
// through it untouched, whatever the text holds.
TEST_F(XdgEmailHandOver, TheRealXdgEmailPassesHostileAndLongTextsToTheMailClientUnchanged) {
    QString realXdgEmail;
    {
        ScopedEnvironment systemPath("PATH", "/usr/local/bin:/usr/bin:/bin");
        realXdgEmail = QStandardPaths::findExecutable("xdg-email");
    }
    if (realXdgEmail.isEmpty())
        GTEST_SKIP() << "xdg-utils is not installed (scripts/install-deps installs it)";
    QFile::link(realXdgEmail, fakes.folder() + "/xdg-email");
    // xdg-email hands the address to the program named in MAILER.
    ScopedEnvironment mailer("MAILER", QFile::encodeName(fakes.addRecorder("mail-client")));

    const QString marker = fakes.folder() + "/ran";
    const QStringList hostileLines{
        "1 m = 100 cm",
        "C:\\calc C:\\new\\tab \\c \\n \\t \\\\ \\0101 \\x41",
        "\"double\" 'single' $(touch " + marker + ") `touch " + marker + "` ${HOME} $HOME",
        "a;b & c | d > e < f %20 %% %s # ? = + ~ * [x] {y} ! -n -e",
        "20 \u00B0C, 5 \u00B5m, \u03A9, \u65E5\u672C\u8A9E, \U0001F642",
        "",
        "last line",
    };
    // "mailto:?subject=TAVRIX%20-%20Results%20Log&body=" is 48 bytes:
    // 48 + 43674 * 3 + 1 = 131071.
    const QString justUnderTheLimit = QString(43674, u' ') + "a";
    const struct {
        QString body;
        QString arrives;
    } cases[] = {
        {"\n\n" + hostileLines.join("\n") + "\n", "\r\n\r\n" + hostileLines.join("\r\n") + "\r\n"},
        {justUnderTheLimit, justUnderTheLimit},
    };
    for (const auto& test : cases) {
        EXPECT_EQ(HandOver(desktop, {"", "TAVRIX - Results Log", test.body, {}}).outcome,
                  MailLaunch::Outcome::Started);
        const QList<QStringList> runs = fakes.runsOf("mail-client");
        ASSERT_FALSE(runs.isEmpty());
        ASSERT_EQ(runs.constLast().size(), 1) << runs.constLast().join("\n").left(300).toStdString();
        const QMap<QString, QString> fields = FieldsOf(runs.constLast().front());
        EXPECT_EQ(fields.keys(), (QStringList{"body", "subject"}));
        EXPECT_EQ(fields["subject"].toStdString(), "TAVRIX - Results Log");
        EXPECT_EQ(fields["body"].toStdString(), test.arrives.toStdString());
    }
    EXPECT_FALSE(QFile::exists(marker)) << "a command in the text was run";
}

} // namespace
} // namespace tavrix
