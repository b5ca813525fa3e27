#include "UnwritableFolders.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace tavrix {

namespace {

constexpr char TinyDiskFolderVariable[] = "TAVRIX_TEST_FULL_DISK_FOLDER";
// Small enough to fill in a moment, large enough for a few small files.
constexpr char TinyDiskSize[] = "64k";
constexpr int RunInsideTimeoutMs = 60000;

} // namespace

ImmutableFolder::ImmutableFolder(QString path) : path_(std::move(path)) {
    made_ = QProcess::execute("chattr", {"+i", path_}) == 0;
}

ImmutableFolder::~ImmutableFolder() {
    if (made_)
        QProcess::execute("chattr", {"-i", path_});
}

QString TinyDiskFolder() {
    return qEnvironmentVariable(TinyDiskFolderVariable);
}

void RerunThisTestOnATinyDisk() {
    if (geteuid() != 0 || QProcess::execute("unshare", {"-m", "true"}) != 0)
        GTEST_SKIP() << "needs root and unshare -m to mount a tiny tmpfs";
    const testing::TestInfo& test = *testing::UnitTest::GetInstance()->current_test_info();
    const QString filter =
        QStringLiteral("--gtest_filter=%1.%2")
            .arg(QString::fromUtf8(test.test_suite_name()), QString::fromUtf8(test.name()));
    QTemporaryDir mountPoint;
    ASSERT_TRUE(mountPoint.isValid());
    QProcess child;
    auto environment = QProcessEnvironment::systemEnvironment();
    environment.insert(TinyDiskFolderVariable, mountPoint.path());
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    const QString script =
        QStringLiteral("mount -t tmpfs -o size=%1 tavrix-full \"$1\" && exec \"$2\" \"$3\"")
            .arg(QString::fromLatin1(TinyDiskSize));
    child.start("unshare", QStringList{"-m", "--propagation", "private", "sh", "-c", script, "sh",
                                       mountPoint.path(), QCoreApplication::applicationFilePath(), filter});
    ASSERT_TRUE(child.waitForFinished(RunInsideTimeoutMs));
    EXPECT_EQ(child.exitCode(), 0) << child.readAll().toStdString();
}

void FillUp(const QString& folder) {
    QFile filler(folder + "/filler");
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    const QByteArray block(4096, 'f');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
}

} // namespace tavrix
