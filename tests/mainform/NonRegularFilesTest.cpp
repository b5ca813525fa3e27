// FIFOs, devices, sockets, folders and links where the program expects its
// own files ("Tavrix.ini", "mem.dat", a results log): nothing blocks (each
// test runs under a short CTest timeout, so a hang fails it), nothing but a
// regular file is ever replaced, and a link to a regular file is read and
// written through, staying a link.
#include "NonRegularFiles.h"
#include "ResultsLogFixture.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>

#include <functional>
#include <optional>

namespace tavrix {
namespace {

// What stands in the file's place.
struct Place {
    const char* name;
    std::optional<NonRegularFile> special; // made at the path, or at the link's target
    bool link;                             // the path is a link to the target
    bool regularTarget;                    // the link leads to a regular file the test fills
};

void PrintTo(const Place& place, std::ostream* out) {
    *out << place.name;
}

const Place Places[] = {
    {"Fifo", NonRegularFile::Fifo, false, false},
    {"CharacterDevice", NonRegularFile::CharacterDevice, false, false},
    {"Socket", NonRegularFile::Socket, false, false},
    {"Folder", NonRegularFile::Folder, false, false},
    {"LinkToFifo", NonRegularFile::Fifo, true, false},
    {"LinkToCharacterDevice", NonRegularFile::CharacterDevice, true, false},
    {"LinkToSocket", NonRegularFile::Socket, true, false},
    {"LinkToFolder", NonRegularFile::Folder, true, false},
    {"DanglingLink", std::nullopt, true, false},
    {"LinkToRegularFile", std::nullopt, true, true},
};

QString KindName(NonRegularFile kind) {
    switch (kind) {
    case NonRegularFile::Fifo:
        return "fifo";
    case NonRegularFile::CharacterDevice:
        return "character device";
    case NonRegularFile::Socket:
        return "socket";
    case NonRegularFile::Folder:
        return "folder";
    }
    return {};
}

class NonRegularFileInPlace : public ResultsLogTest, public ::testing::WithParamInterface<Place> {
protected:
    // Puts the place's thing at `path`; `regularContent` fills a regular target.
    void make(const QString& path, const QByteArray& regularContent = {}) {
        path_ = path;
        const Place& place = GetParam();
        const QString thing = place.link ? target() : path;
        if (place.special && !MakeNonRegularFile(*place.special, thing)) {
            GTEST_SKIP() << "cannot make a " << KindName(*place.special).toStdString() << " here";
        }
        if (place.regularTarget) {
            WriteFile(thing, regularContent);
        }
        if (place.link) {
            ASSERT_TRUE(QFile::link(target(), path));
        }
    }
    QString target() const { return folder.filePath("target"); }
    bool special() const { return GetParam().special.has_value(); }
    bool dangling() const { return GetParam().link && !GetParam().special && !GetParam().regularTarget; }

    // Afterwards: the thing is what it was, and a link still a link; a
    // dangling link has been written through when `writtenThrough`.
    void expectUnchanged(bool writtenThrough) {
        const Place& place = GetParam();
        EXPECT_EQ(KindAt(path_), place.link ? "link" : KindName(*place.special));
        if (place.special && place.link) {
            EXPECT_EQ(KindAt(target()), KindName(*place.special));
        }
        if (dangling()) {
            EXPECT_EQ(KindAt(target()), writtenThrough ? "file" : "nothing");
        }
    }
    QString shown() const { return QDir::toNativeSeparators(path_); }

    QString path_;
};

// Nine lines of valid settings: 10 points and "2.5" are no defaults.
const QByteArray LargeFontSettings = "10\r\n6\r\n0\r\n0\r\n1\r\nEUROPE\r\nFALSE\r\nFALSE\r\n2.5\r\n";

TEST_P(NonRegularFileInPlace, AsTheSettingsFileGivesTheDefaultsSilently) {
    const DataPaths own(folder.filePath("own"));
    ASSERT_TRUE(QDir().mkpath(own.folder()));
    make(own.settingsFile(), LargeFontSettings);
    {
        TFormTavrix other(desktop, own);
        other.show();
        EXPECT_EQ(other.font().pointSize(), GetParam().regularTarget ? 10 : 8);
        other.close();
    }
    EXPECT_TRUE(desktop.calls().empty());
    expectUnchanged(true);
    if (GetParam().link && !special()) {
        EXPECT_EQ(FileBytes(target()).substr(0, 4), GetParam().regularTarget ? "10\r\n" : "8\r\n6")
            << "written through the link";
    }
}

TEST_P(NonRegularFileInPlace, AsTheCalculatorMemoryGivesZeroWithAMessage) {
    make(paths.memoryFile(), QByteArray("\0\0\0\0\0\0\x14@", 8)); // 5
    desktop.expectModal([&](QDialog&) {
        EXPECT_EQ(Find<QLabel>(calculator, "LabelMemoryContent").text(),
                  GetParam().regularTarget ? "5" : "0");
    });
    if (special()) {
        desktop.expectError(
            QStringLiteral(
                "The calculator memory could not be read from \"%1\": Not a regular file. The memory "
                "starts at 0.")
                .arg(shown()));
        desktop.expectError(
            QStringLiteral("The calculator memory could not be saved to \"%1\": Not a regular file.")
                .arg(shown()));
    }
    calculator.ShowCalculatorAt(100, 100);
    desktop.verify();
    expectUnchanged(true);
}

TEST_P(NonRegularFileInPlace, AsALogFileToOpenGivesTheErrorBox) {
    make(folder.filePath("log.TVRX"), "from the file\r\n");
    setLogLines({"kept"});
    desktop.expectOpenFile(path_);
    if (special() || dangling()) {
        desktop.expectError(
            QStringLiteral("Cannot read the results log file \"%1\":\n%2")
                .arg(shown(), special() ? "Not a regular file" : "No such file or directory"));
    }
    click("BitBtnOpenLogFile");
    desktop.verify();
    EXPECT_EQ(logLines(),
              GetParam().regularTarget ? QStringList({"kept", "from the file"}) : QStringList({"kept"}));
    expectUnchanged(false);
}

TEST_P(NonRegularFileInPlace, AsALogFileToSaveIsNeverReplaced) {
    make(folder.filePath("log.TVRX"), "old\r\n");
    setLogLines({"new"});
    desktop.expectSaveFile(path_);
    if (special()) {
        desktop.expectError(
            QStringLiteral("Cannot save the results log file \"%1\":\nNot a regular file").arg(shown()));
    }
    click("BitBtnSaveLogFile");
    desktop.verify();
    expectUnchanged(true);
    if (!special()) {
        EXPECT_EQ(FileBytes(target()), "new\r\n") << "written through the link";
    }
}

INSTANTIATE_TEST_SUITE_P(OwnFiles, NonRegularFileInPlace, ::testing::ValuesIn(Places),
                         [](const ::testing::TestParamInfo<Place>& test) {
                             return std::string(test.param.name);
                         });

} // namespace
} // namespace tavrix
