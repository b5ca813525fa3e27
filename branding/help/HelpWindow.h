// The help window: the manual's table of contents and its index beside the
// page they lead to. It is not modal; the program keeps one and shows it on
// the asked view.
#pragma once

#include "HelpFrame.h"

#include <QHelpLink>

class QHelpEngine;

namespace tavrix {

inline const QString HelpCollectionFile = QStringLiteral("Tavrix_Help.qhc");

class HelpWindow : public HelpFrame {
    Q_OBJECT

public:
    // Opens the collection `collectionFile` read-only: an installed one lies
    // in a folder the person cannot write. A missing file gives a window
    // that says so.
    explicit HelpWindow(const QString& collectionFile, QWidget* parent = nullptr);

    // Null when the collection could not be opened.
    QHelpEngine* engine() const { return engine_; }

private:
    void buildEngineViews();
    // The reason for the person, given the engine's `problem` (empty: damaged).
    QString cannotBeRead(const QString& problem) const;
    bool manualReadable() const;
    void openFirstPage();
    void showTopicChooser(const QList<QHelpLink>& documents, const QString& keyword);

    QString collectionFile_;
    QHelpEngine* engine_ = nullptr;
};

// Shows `owner`'s help window on `view`, making it the first time (owned by
// `owner`, so it goes when the program ends).
void ShowHelpWindow(QWidget& owner, const QString& collectionFile, HelpView view);

} // namespace tavrix
