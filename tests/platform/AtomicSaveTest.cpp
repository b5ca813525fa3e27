#include "AtomicSave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace tavrix {
namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

class AtomicSave : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        target_ = folder_.filePath("Tavrix.ini");
        ASSERT_TRUE(SaveFileAtomically(target_, previous_));
    }
    // Only what we wrote may be in the folder: no temporary left behind.
    QStringList entries() const { return QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir folder_;
    QString target_;
    const QByteArray previous_ = "previous contents\r\n";
};

TEST_F(AtomicSave, ReplacesTheFileWhole) {
    const QByteArray bytes("3\r\n8\r\n\x00\xff", 8);
    const SaveResult result = SaveFileAtomically(target_, bytes);
    EXPECT_TRUE(result.saved);
    EXPECT_TRUE(result.errorMessage.isEmpty());
    EXPECT_EQ(ReadAll(target_), bytes);
    EXPECT_EQ(entries(), QStringList{"Tavrix.ini"});
}

TEST_F(AtomicSave, AWriterThatGivesUpLeavesThePreviousFile) {
    const SaveResult result = SaveFileAtomically(target_, [](QIODevice& device) {
        device.write("half of the new");
        return false;
    });
    EXPECT_FALSE(result);
    EXPECT_EQ(ReadAll(target_), previous_);
    EXPECT_EQ(entries(), QStringList{"Tavrix.ini"});
}

TEST_F(AtomicSave, AMissingFolderIsReported) {
    const SaveResult result = SaveFileAtomically(folder_.filePath("gone/Tavrix.ini"), previous_);
    EXPECT_FALSE(result);
    EXPECT_FALSE(result.errorMessage.isEmpty());
}

// Root ignores permission bits, but not the immutable attribute.
class ImmutableFolder {
public:
    explicit ImmutableFolder(QString path) : path_(std::move(path)) {
        made_ = QProcess::execute("chattr", {"+i", path_}) == 0;
    }
    ~ImmutableFolder() {
        if (made_)
            QProcess::execute("chattr", {"-i", path_});
    }
    ImmutableFolder(const ImmutableFolder&) = delete;
    ImmutableFolder& operator=(const ImmutableFolder&) = delete;
    bool made() const { return made_; }

private:
    QString path_;
    bool made_ = false;
};

TEST_F(AtomicSave, AnUnwritableFolderLeavesThePreviousFile) {
    ImmutableFolder locked(folder_.path());
    if (!locked.made())
        GTEST_SKIP() << "chattr +i is not available here (needs root or CAP_LINUX_IMMUTABLE on ext2/3/4)";
    const SaveResult result = SaveFileAtomically(target_, "new contents");
    EXPECT_FALSE(result);
    EXPECT_FALSE(result.errorMessage.isEmpty());
    EXPECT_EQ(ReadAll(target_), previous_);
}

// Fills the file system holding `folder` to the last byte.
void FillUp(const QString& folder) {
    QFile filler(folder + "/filler");
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    const QByteArray block(4096, 'f');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
}

// A full disk: the test runs itself again inside a private mount namespace
// with a tiny tmpfs over a fresh folder, where the real work happens. The
// new contents are small enough to sit in Qt's write buffer until commit(),
// where Qt 6.4.2 loses the failed flush and reports success.
constexpr char FullDiskFolderVariable[] = "TAVRIX_TEST_FULL_DISK_FOLDER";

TEST(AtomicSaveOnAFullDisk, LeavesThePreviousFileAndSaysWhy) {
    if (qEnvironmentVariableIsSet(FullDiskFolderVariable)) {
        const QString folder = qEnvironmentVariable(FullDiskFolderVariable);
        const QString target = folder + "/mem.dat";
        const QByteArray previous(1000, 'p');
        ASSERT_TRUE(SaveFileAtomically(target, previous));
        FillUp(folder);
        const SaveResult result = SaveFileAtomically(target, QByteArray(2000, 'n'));
        EXPECT_FALSE(result);
        EXPECT_FALSE(result.errorMessage.isEmpty());
        EXPECT_EQ(ReadAll(target), previous);
        return;
    }
    if (geteuid() != 0 || QProcess::execute("unshare", {"-m", "true"}) != 0)
        GTEST_SKIP() << "needs root and unshare -m to mount a tiny tmpfs";
    QTemporaryDir mountPoint;
    ASSERT_TRUE(mountPoint.isValid());
    QProcess child;
    auto environment = QProcessEnvironment::systemEnvironment();
    environment.insert(FullDiskFolderVariable, mountPoint.path());
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    const QString script = "mount -t tmpfs -o size=64k tavrix-full \"$1\" && exec \"$2\" "
                           "--gtest_filter=AtomicSaveOnAFullDisk.*";
    child.start("unshare", QStringList{"-m", "--propagation", "private", "sh", "-c", script, "sh",
                                       mountPoint.path(), QCoreApplication::applicationFilePath()});
    ASSERT_TRUE(child.waitForFinished(60000));
    EXPECT_EQ(child.exitCode(), 0) << child.readAll().toStdString();
}

} // namespace
} // namespace tavrix
