#include "DataPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tavrix {
namespace {

TEST(DataPaths, KeepsItsFilesInTheGivenFolder) {
    const DataPaths paths("/data/tavrix");
    EXPECT_EQ(paths.folder(), "/data/tavrix");
    EXPECT_EQ(paths.settingsFile(), "/data/tavrix/Tavrix.ini");
    EXPECT_EQ(paths.memoryFile(), "/data/tavrix/mem.dat");
    EXPECT_EQ(paths.helpFolder(), "/data/tavrix/Help");
    EXPECT_EQ(paths.helpModule(), "/data/tavrix/tavrix-help.so");
}

class DataPathsLayout : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(root_.isValid()); }
    QString make(const QString& relative) {
        EXPECT_TRUE(QDir(root_.path()).mkpath(relative));
        return root_.filePath(relative);
    }
    QTemporaryDir root_;
};

TEST_F(DataPathsLayout, AnUnpackedProgramKeepsEverythingBesideItself) {
    const QString executableFolder = make("Tavrix");
    const DataPaths paths = DataPaths::forExecutableIn(executableFolder);
    EXPECT_EQ(paths.folder(), executableFolder);
    EXPECT_EQ(paths.helpFolder(), executableFolder + "/Help");
    EXPECT_EQ(paths.helpModule(), executableFolder + "/tavrix-help.so");
}

TEST_F(DataPathsLayout, ABinFolderWithoutInstalledDataIsStillPortable) {
    const QString executableFolder = make("unpacked/bin");
    EXPECT_EQ(DataPaths::forExecutableIn(executableFolder).folder(), executableFolder);
}

TEST_F(DataPathsLayout, AnInstalledProgramKeepsItsFilesWithTheUser) {
    const QString executableFolder = make("usr/bin");
    make("usr/share/tavrix");
    const QString configFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    ASSERT_TRUE(QStandardPaths::isTestModeEnabled()) << "must not touch the real configuration folder";
    QDir(configFolder).removeRecursively();

    const DataPaths paths = DataPaths::forExecutableIn(executableFolder);
    EXPECT_EQ(paths.folder(), configFolder);
    EXPECT_TRUE(QFileInfo(configFolder).isDir());
    EXPECT_EQ(paths.settingsFile(), configFolder + "/Tavrix.ini");
    EXPECT_EQ(paths.helpFolder(), root_.filePath("usr/share/tavrix/Help"));
    EXPECT_EQ(paths.helpModule(), root_.filePath("usr/lib/tavrix/plugins/tavrix-help.so"));
}

} // namespace
} // namespace tavrix
