// The open and save dialogs as a person sees them: shown, never run modally.
#include "FileDialogs.h"
#include "TestFiles.h"

#include <QAbstractItemView>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrix {
namespace {

const QString Filter = QStringLiteral("Tavrix Log (*.TVRX)");

// The names the dialog's file list shows, sorted.
QStringList ListedNames(QFileDialog& dialog) {
    QAbstractItemView* list = dialog.findChild<QAbstractItemView*>(QStringLiteral("listView"));
    if (list == nullptr) {
        ADD_FAILURE() << "the dialog has no file list";
        return {};
    }
    QStringList names;
    for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row) {
        names << list->model()->index(row, 0, list->rootIndex()).data().toString();
    }
    names.sort();
    return names;
}

TEST(FileDialogs, OpenListsLogFilesWhateverTheCaseOfTheirExtension) {
    QTemporaryDir folder;
    for (const char* name : {"upper.TVRX", "lower.tvrx", "mixed.Tvrx", "other.txt"}) {
        WriteFile(folder.filePath(name), "x\r\n");
    }
    const auto dialog = MakeOpenFileDialog(nullptr, "Open", folder.path(), Filter);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->show();
    // The folder is read in the background.
    EXPECT_TRUE(QTest::qWaitFor([&] { return ListedNames(*dialog).size() == 3; }, 5000));
    EXPECT_EQ(ListedNames(*dialog), QStringList({"lower.tvrx", "mixed.Tvrx", "upper.TVRX"}));
}

TEST(FileDialogs, SaveAddsTheDefaultExtensionOnlyToANameWithout) {
    QTemporaryDir folder;
    struct Typed {
        const char* name;
        const char* saved;
    };
    for (const Typed typed : {Typed{"results", "results.TVRX"}, Typed{"results.tvrx", "results.tvrx"},
                              Typed{"results.TVRX", "results.TVRX"}, Typed{"notes.txt", "notes.txt"}}) {
        const auto dialog = MakeSaveFileDialog(nullptr, "Save", folder.path(), Filter, "TVRX");
        dialog->setOption(QFileDialog::DontUseNativeDialog);
        dialog->show();
        auto& nameField = *dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        nameField.clear();
        QTest::keyClicks(&nameField, typed.name);
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->click();
        ASSERT_EQ(dialog->result(), QDialog::Accepted) << typed.name;
        EXPECT_EQ(dialog->selectedFiles(), QStringList({folder.filePath(typed.saved)})) << typed.name;
    }
}

// The names of the files in the watched folder that were opened since the
// last call.
QStringList OpenedFiles(int watch) {
    QStringList names;
    alignas(inotify_event) char buffer[4096];
    for (ssize_t got; (got = ::read(watch, buffer, sizeof buffer)) > 0;) {
        for (ssize_t at = 0; at < got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            if (event->len > 0)
                names << QString::fromLocal8Bit(event->name);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    return names;
}

// Listing a folder never opens a file in it: a FIFO would block the window
// in its open, a file like /proc/kmsg in its first read, and for good. Icons
// and types come from names and the kind of file alone, whether the folder
// is chosen or typed into the name field.
TEST(FileDialogs, ListFoldersWithoutOpeningAFile) {
    QTemporaryDir folder;
    WriteFile(folder.filePath("notes"), "plain text without a telling name\n");
    WriteFile(folder.filePath("results.TVRX"), "1 m = 100 cm\r\n");
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.filePath("pipe")).constData(), 0600), 0);
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(::inotify_add_watch(watch, QFile::encodeName(folder.path()).constData(), IN_OPEN), 0);

    for (const bool save : {false, true}) {
        SCOPED_TRACE(save ? "save dialog" : "open dialog");
        const auto dialog =
            save ? MakeSaveFileDialog(nullptr, "Save", QDir::rootPath(), "All files (*)", "TVRX")
                 : MakeOpenFileDialog(nullptr, "Open", QDir::rootPath(), "All files (*)");
        dialog->setOption(QFileDialog::DontUseNativeDialog);
        dialog->show();
        dialog->setDirectory(folder.path());
        // The FIFO is no file to open or save to: the dialog leaves it out.
        EXPECT_TRUE(QTest::qWaitFor([&] { return ListedNames(*dialog).size() == 2; }, 5000));
        EXPECT_EQ(ListedNames(*dialog), QStringList({"notes", "results.TVRX"}));
        auto& nameField = *dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QTest::keyClicks(&nameField, folder.path() + "/");
        // Icons and types are asked for as the rows are drawn, and the
        // background gatherer takes its time.
        for (int pass = 0; pass < 10; ++pass) {
            dialog->grab();
            QTest::qWait(50);
        }
        EXPECT_EQ(OpenedFiles(watch), QStringList());
    }
    ::close(watch);
}

} // namespace
} // namespace tavrix
