#include "FileDialogs.h"

namespace tavrix {

std::unique_ptr<QFileDialog> MakeOpenFileDialog(QWidget* parent, const QString& caption,
                                                const QString& directory, const QString& filter) {
    auto dialog = std::make_unique<QFileDialog>(parent, caption, directory, filter);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    // Name filters match regardless of case unless asked otherwise.
    dialog->setFilter(dialog->filter() & ~QDir::CaseSensitive);
    return dialog;
}

std::unique_ptr<QFileDialog> MakeSaveFileDialog(QWidget* parent, const QString& caption,
                                                const QString& directory, const QString& filter,
                                                const QString& defaultSuffix) {
    auto dialog = std::make_unique<QFileDialog>(parent, caption, directory, filter);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setDefaultSuffix(defaultSuffix);
    return dialog;
}

} // namespace tavrix
