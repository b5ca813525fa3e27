#include "FileDialogs.h"

#include <QFileIconProvider>
#include <QMimeDatabase>

namespace tavrix {

namespace {

// Qt's own icons and type names come from the file's content for any file
// whose name says nothing, read on the window's thread: a FIFO blocks in
// its open, /proc/kmsg in its first read, and the window with them for
// good. These come from the name and the kind of file (stat) alone.
class FileIconsByName final : public QFileIconProvider {
public:
    QIcon icon(const QFileInfo& info) const override {
        if (!info.isFile()) {
            return QFileIconProvider::icon(info.isDir() ? Folder : File);
        }
        const QMimeType type = typeByName(info);
        return QIcon::fromTheme(type.iconName(),
                                QIcon::fromTheme(type.genericIconName(), QFileIconProvider::icon(File)));
    }
    QString type(const QFileInfo& info) const override {
        if (!info.isFile()) {
            return QFileIconProvider::type(info);
        }
        const QMimeType type = typeByName(info);
        return type.comment().isEmpty() ? type.name() : type.comment();
    }

private:
    QMimeType typeByName(const QFileInfo& info) const {
        return mimeTypes_.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
    }

    QMimeDatabase mimeTypes_;
};

// The icon provider lives as long as the dialog that uses it.
struct IconsOfDialog : QObject {
    FileIconsByName icons;
};

std::unique_ptr<QFileDialog> MakeFileDialog(QWidget* parent, const QString& caption, const QString& directory,
                                            const QString& filter) {
    auto dialog = std::make_unique<QFileDialog>(parent, caption, directory, filter);
    auto* icons = new IconsOfDialog;
    icons->setParent(dialog.get());
    dialog->setIconProvider(&icons->icons);
    return dialog;
}

} // namespace

std::unique_ptr<QFileDialog> MakeOpenFileDialog(QWidget* parent, const QString& caption,
                                                const QString& directory, const QString& filter) {
    auto dialog = MakeFileDialog(parent, caption, directory, filter);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    // Name filters match regardless of case unless asked otherwise.
    dialog->setFilter(dialog->filter() & ~QDir::CaseSensitive);
    return dialog;
}

std::unique_ptr<QFileDialog> MakeSaveFileDialog(QWidget* parent, const QString& caption,
                                                const QString& directory, const QString& filter,
                                                const QString& defaultSuffix) {
    auto dialog = MakeFileDialog(parent, caption, directory, filter);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setDefaultSuffix(defaultSuffix);
    return dialog;
}

} // namespace tavrix
