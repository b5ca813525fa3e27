// The program ends when asked, whatever is on screen: SIGTERM while a box
// about a results log file named at start waits for a click that never
// comes. A separate process, as the desktop session runs it, with a copy of
// the program in a folder of its own, where it keeps its settings.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

namespace {

TEST(ProgramEnd, SigtermEndsTheProgramWhileABoxAboutAFileNamedAtStartWaits) {
    QTemporaryDir folder;
    const QString program = folder.filePath("tavrix");
    ASSERT_TRUE(QFile::copy(QStringLiteral(TAVRIX_EXECUTABLE), program));
    // Neither can be read: each would show its box, one after the other.
    for (const char* name : {"first.TVRX", "second.TVRX"}) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("binary\0data", 11));
    }
    QProcess tavrix;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_CONFIG_HOME", folder.filePath("config"));
    tavrix.setProcessEnvironment(environment);
    tavrix.setWorkingDirectory(folder.path());
    tavrix.start(program, {"first.TVRX", "second.TVRX"});
    ASSERT_TRUE(tavrix.waitForStarted());
    // Long enough for the first box to be up; no one will click it.
    EXPECT_FALSE(tavrix.waitForFinished(3000));
    ::kill(static_cast<pid_t>(tavrix.processId()), SIGTERM);
    EXPECT_TRUE(tavrix.waitForFinished(20000)) << "still running with a box open";
    tavrix.kill();
    EXPECT_EQ(tavrix.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(tavrix.exitCode(), 0);
    EXPECT_TRUE(QFile::exists(folder.filePath("Tavrix.ini"))) << "closed the normal way, settings saved";
}

} // namespace
