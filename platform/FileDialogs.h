// The open and save dialogs the desktop shows, built apart from showing
// them so that tests can look into them without a modal loop.
#pragma once

#include <QFileDialog>

#include <memory>

namespace tavrix {

// Lists the files that `filter` names, whatever the case of their extension
// (a file saved elsewhere as "log.tvrx" is as much a log as "log.TVRX").
std::unique_ptr<QFileDialog> MakeOpenFileDialog(QWidget* parent, const QString& caption,
                                                const QString& directory, const QString& filter);

// Adds `defaultSuffix` to a name typed without an extension, keeps any
// extension typed, and asks before replacing an existing file.
std::unique_ptr<QFileDialog> MakeSaveFileDialog(QWidget* parent, const QString& caption,
                                                const QString& directory, const QString& filter,
                                                const QString& defaultSuffix);

} // namespace tavrix
