// A damaged, missing or unwritable settings file never stops the window:
// the defaults take the place of what cannot be read, and what cannot be
// written is skipped without a word and without harm to the old file.
#include "SettingsStoreFixture.h"

#include "UnwritableFolders.h"

#include <QDir>
#include <QFileInfo>

namespace tavrix {
namespace {

// A sound file in a state far from the defaults.
const QByteArray ChangedFile = "9\r\n2\r\n4\r\n3\r\n7\r\nUSA\r\nTRUE\r\nFALSE\r\n12.5\r\n";

// Of the nine lines of the defaults file, line `number` (from 1) replaced by `text`.
QByteArray DefaultsWithLine(int number, const QByteArray& text) {
    QList<QByteArray> lines = QByteArray::fromStdString(DefaultsFile(false)).split('\n');
    lines[number - 1] = text + '\r';
    return lines.join('\n');
}

TEST_F(SettingsStore, ADamagedFileIsDeletedAndTheDefaultsApplied) {
    const struct {
        const char* damage;
        QByteArray content;
    } damagedFiles[] = {
        {"first line not an integer", DefaultsWithLine(1, "eight")},
        {"only eight lines", "8\r\n6\r\n0\r\n0\r\n1\r\nEUROPE\r\nFALSE\r\nFALSE\r\n"},
        {"a from-position past the 5 Acceleration units", DefaultsWithLine(4, "5")},
        {"a category past the last", DefaultsWithLine(3, "24")},
        {"a font size of 0", DefaultsWithLine(1, "0")},
        {"a font size of 5000", DefaultsWithLine(1, "5000")},
        // The window must still open at once.
        {"a value line of 10 MB", DefaultsWithLine(9, QByteArray(10 * 1024 * 1024, '1'))},
        {"an empty file", ""},
    };
    for (const auto& damaged : damagedFiles) {
        SCOPED_TRACE(damaged.damage);
        writeSettingsFile(damaged.content);
        const auto window = openWindow();
        EXPECT_FALSE(settingsFileExists());
        EXPECT_EQ(SettingsShownBy(*window), DefaultsShown(false));
    }
}

TEST_F(SettingsStore, WithoutAFileTheDefaultsApplyAndTheFileWaitsForTheClose) {
    const auto window = openWindow();
    EXPECT_EQ(SettingsShownBy(*window), DefaultsShown(false));
    EXPECT_FALSE(settingsFileExists());
    window->close();
    EXPECT_EQ(settingsFileBytes(), DefaultsFile(false));
}

// The defaults follow the system's language, not the spelling the file held.
TEST_F(SettingsStore, RestoringTheDefaultsRemovesTheFileUntilTheClose) {
    writeSettingsFile("10\r\n12\r\n4\r\n3\r\n7\r\nEUROPE\r\nTRUE\r\nTRUE\r\n2.5\r\n");
    const auto window = openWindow(AmericanLocale);
    ASSERT_EQ(SettingsShownBy(*window).fontSize, 10);
    ChooseMenuItem(*window, "Restoredefaultsettings1");
    EXPECT_FALSE(settingsFileExists());
    EXPECT_EQ(SettingsShownBy(*window), DefaultsShown(true));
    window->close();
    EXPECT_EQ(settingsFileBytes(), DefaultsFile(true));
}

// A folder where the file belongs can be neither read, deleted nor written:
// it is left alone, and the window carries on with the defaults.
TEST_F(SettingsStore, AFolderInTheFilesPlaceIsLeftAlone) {
    ASSERT_TRUE(QDir(folder_.path()).mkdir("Tavrix.ini"));
    const auto window = openWindow();
    EXPECT_EQ(SettingsShownBy(*window), DefaultsShown(false));
    window->close();
    EXPECT_TRUE(QFileInfo(settingsPath()).isDir());
    EXPECT_TRUE(desktop_.calls().empty());
}

TEST_F(SettingsStore, AnUnwritableFolderIsSkippedSilentlyAndKeepsTheOldFile) {
    writeSettingsFile(ChangedFile);
    const ImmutableFolder locked(folder_.path());
    if (!locked.made())
        GTEST_SKIP() << "chattr +i is not available here (needs root or CAP_LINUX_IMMUTABLE on ext2/3/4)";
    {
        const auto window = openWindow();
        ChooseMenuItem(*window, "Largefontsize1");
        window->close();
    }
    EXPECT_TRUE(desktop_.calls().empty());
    EXPECT_EQ(settingsFileBytes(), ChangedFile.toStdString());
    EXPECT_EQ(FilesIn(folder_.path()), "Tavrix.ini");
    const auto window = openWindow();
    EXPECT_EQ(SettingsShownBy(*window).fontSize, 9);
}

TEST_F(SettingsStore, AFullDiskKeepsTheOldFile) {
    if (const QString folder = TinyDiskFolder(); !folder.isEmpty()) {
        const DataPaths tinyDisk(folder);
        WriteFile(tinyDisk.settingsFile(), ChangedFile);
        FillUp(folder);
        {
            const auto window = openWindow(tinyDisk, GermanLocale);
            ChooseMenuItem(*window, "Largefontsize1");
            window->close();
        }
        EXPECT_TRUE(desktop_.calls().empty());
        EXPECT_EQ(FileBytes(tinyDisk.settingsFile()), ChangedFile.toStdString());
        EXPECT_EQ(FilesIn(folder), "Tavrix.ini filler");
        const auto window = openWindow(tinyDisk, GermanLocale);
        EXPECT_EQ(SettingsShownBy(*window).fontSize, 9);
        return;
    }
    RerunThisTestOnATinyDisk();
}

} // namespace
} // namespace tavrix
