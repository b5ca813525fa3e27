#include "QtDesktop.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tavrix {
namespace {

TEST(QtDesktop, PutsPlainAndRichTextOnTheClipboardAsOneEntry) {
    QtDesktop desktop;
    desktop.setClipboard("1 m = 100 cm\n2 m = 200 cm", "<p style=\"font-family:Tahoma\">1 m = 100 cm</p>");
    const QMimeData* held = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(held->text(), "1 m = 100 cm\n2 m = 200 cm");
    EXPECT_TRUE(held->hasHtml());
    EXPECT_TRUE(held->html().contains("font-family:Tahoma"));
}

// Fake xdg-email programs first on PATH: each records its arguments, one
// per NUL-terminated field, and exits with its own code.
class QtDesktopMail : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root_.isValid());
        savedPath_ = qgetenv("PATH");
    }
    void TearDown() override { qputenv("PATH", savedPath_); }

    // Puts a fake exiting with `exitCode` in its own folder first on PATH.
    void putFakeFirstOnPath(const QString& name, int exitCode) {
        const QString folder = root_.filePath(name);
        ASSERT_TRUE(QDir().mkpath(folder));
        QFile script(folder + "/xdg-email");
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\0' \"$@\" > '%1'\nexit %2\n")
                         .arg(argumentsFile(name))
                         .arg(exitCode)
                         .toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", folder.toLocal8Bit() + ":" + qgetenv("PATH"));
    }
    QString argumentsFile(const QString& name) const { return root_.filePath(name + ".args"); }
    QStringList argumentsSeenBy(const QString& name) const {
        QFile file(argumentsFile(name));
        if (!file.open(QIODevice::ReadOnly))
            return {"<never ran>"};
        QStringList arguments = QString::fromUtf8(file.readAll()).split(QChar(u'\0'));
        arguments.removeLast(); // after the last terminator
        return arguments;
    }

    QTemporaryDir root_;
    QByteArray savedPath_;
};

TEST_F(QtDesktopMail, HandsSubjectAndBodyOverAsSeparateArguments) {
    putFakeFirstOnPath("client", 0);
    QtDesktop desktop;
    const QString body = "1 m = 100 cm\n\"quoted\" $HOME `not run` ; & | 20 °C";
    EXPECT_EQ(desktop.startMail("TAVRIX - Results Log", body), MailLaunch::Started);
    EXPECT_EQ(argumentsSeenBy("client"),
              (QStringList{"--utf8", "--subject", "TAVRIX - Results Log", "--body", body}));
}

TEST_F(QtDesktopMail, ExitCodeThreeMeansNoMailClient) {
    putFakeFirstOnPath("none", 3);
    QtDesktop desktop;
    EXPECT_EQ(desktop.startMail("s", "b"), MailLaunch::NoMailClient);
}

TEST_F(QtDesktopMail, OtherExitCodesAreFailures) {
    putFakeFirstOnPath("broken", 1);
    QtDesktop desktop;
    EXPECT_EQ(desktop.startMail("s", "b"), MailLaunch::Failed);
}

TEST_F(QtDesktopMail, LooksTheProgramUpOnlyOnce) {
    putFakeFirstOnPath("first", 0);
    QtDesktop desktop;
    ASSERT_EQ(desktop.startMail("s", "one"), MailLaunch::Started);
    putFakeFirstOnPath("later", 3);
    EXPECT_EQ(desktop.startMail("s", "two"), MailLaunch::Started);
    EXPECT_EQ(argumentsSeenBy("first").value(4), "two");
    EXPECT_EQ(argumentsSeenBy("later"), QStringList{"<never ran>"});
}

TEST_F(QtDesktopMail, NoXdgEmailMeansNoMailClient) {
    qputenv("PATH", root_.path().toLocal8Bit());
    QtDesktop desktop;
    EXPECT_EQ(desktop.startMail("s", "b"), MailLaunch::NoMailClient);
}

} // namespace
} // namespace tavrix
