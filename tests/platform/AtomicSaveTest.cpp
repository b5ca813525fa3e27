#include "AtomicSave.h"
#include "UnwritableFolders.h"

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

TEST_F(AtomicSave, AnUnwritableFolderLeavesThePreviousFile) {
    ImmutableFolder locked(folder_.path());
    if (!locked.made())
        GTEST_SKIP() << "chattr +i is not available here (needs root or CAP_LINUX_IMMUTABLE on ext2/3/4)";
    const SaveResult result = SaveFileAtomically(target_, "new contents");
    EXPECT_FALSE(result);
    EXPECT_FALSE(result.errorMessage.isEmpty());
    EXPECT_EQ(ReadAll(target_), previous_);
}

// A full disk. Small contents sit in Qt's write buffer until commit(), where
// Qt 6.4.2 loses the failed flush and reports success; large ones are written
// at once and cut short. Either way the person learns what the system says.
TEST(AtomicSaveOnAFullDisk, LeavesThePreviousFileAndSaysWhy) {
    if (const QString folder = TinyDiskFolder(); !folder.isEmpty()) {
        const QString target = folder + "/mem.dat";
        const QByteArray previous(1000, 'p');
        ASSERT_TRUE(SaveFileAtomically(target, previous));
        FillUp(folder);
        // Room for a part of the new contents, so that a write is cut short.
        QFile filler(folder + "/filler");
        ASSERT_TRUE(filler.resize(filler.size() - 4096));
        for (const qsizetype size : {6000, 100000}) {
            SCOPED_TRACE(size);
            const SaveResult result = SaveFileAtomically(target, QByteArray(size, 'n'));
            EXPECT_FALSE(result);
            EXPECT_EQ(result.errorMessage, "No space left on device");
            EXPECT_EQ(ReadAll(target), previous);
        }
        return;
    }
    RerunThisTestOnATinyDisk();
}

} // namespace
} // namespace tavrix
