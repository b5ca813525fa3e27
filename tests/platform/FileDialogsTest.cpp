// The open and save dialogs as a person sees them: shown, never run modally.
#include "FileDialogs.h"
#include "TestFiles.h"

#include <QAbstractItemView>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

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

} // namespace
} // namespace tavrix
