// The help window: the manual's table of contents and its index beside the
// page they lead to. It is not modal; the program keeps one and shows it on
// the asked view.
#pragma once

#include "Desktop.h"

#include <QHelpLink>
#include <QWidget>

#include <functional>

class QHelpEngine;
class QLineEdit;
class QTabWidget;
class QTextBrowser;

namespace tavrix {

inline const QString HelpCollectionFile = QStringLiteral("Tavrix_Help.qhc");

class HelpWindow : public QWidget {
    Q_OBJECT

public:
    // Opens the collection `collectionFile` read-only: an installed one lies
    // in a folder the person cannot write. A missing file gives a window
    // that says so.
    explicit HelpWindow(const QString& collectionFile, QWidget* parent = nullptr);

    void showView(HelpView view);
    // Null when the collection could not be opened.
    QHelpEngine* engine() const { return engine_; }

private:
    void buildEngineViews();
    void showNoHelp(const QString& reason);
    // The reason for the person, given the engine's `problem` (empty: damaged).
    QString cannotBeRead(const QString& problem) const;
    bool manualReadable() const;
    void openFirstPage();
    void showTopicChooser(const QList<QHelpLink>& documents, const QString& keyword);

    QString collectionFile_;
    QHelpEngine* engine_ = nullptr;
    QTabWidget* tabs_;
    QWidget* contentsTab_;
    QWidget* indexTab_;
    QLineEdit* indexFilter_ = nullptr;
    QTextBrowser* browser_;
};

// The viewer the desktop calls for help: it makes the help window the first
// time it is asked (owned by `owner`, so it goes when the program ends) and
// shows it on the asked view.
std::function<void(HelpView)> HelpViewerFor(QString collectionFile, QWidget& owner);

} // namespace tavrix
