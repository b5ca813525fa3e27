#include "HelpWindow.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QLabel>
#include <QLineEdit>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace tavrix {

HelpWindow::HelpWindow(const QString& collectionFile, QWidget* parent)
    : HelpFrame(parent), collectionFile_(collectionFile) {
    // Opening a collection that does not exist would quietly create an empty one.
    if (!QFileInfo(collectionFile_).isFile()) {
        showNoHelp(QCoreApplication::translate("tavrix::Help", "The help file \"%1\" cannot be found.")
                       .arg(collectionFile_));
        return;
    }
    engine_ = new QHelpEngine(collectionFile_, this);
    engine_->setReadOnly(true);
    // A damaged collection may still open, but leads to no manual.
    const bool opened = engine_->setupData();
    if (!opened || engine_->registeredDocumentations().isEmpty()) {
        const QString problem = opened ? QString() : engine_->error();
        delete engine_;
        engine_ = nullptr;
        showNoHelp(cannotBeRead(problem));
        return;
    }
    setPageSource([this](const QUrl& page) { return engine_->fileData(page); });
    buildEngineViews();
}

QString HelpWindow::cannotBeRead(const QString& problem) const {
    return QCoreApplication::translate("tavrix::Help", "The help file \"%1\" cannot be read: %2")
        .arg(collectionFile_,
             problem.isEmpty() ? QCoreApplication::translate("tavrix::Help", "it is damaged.") : problem);
}

// The manual can be read when its contents lead to a first page that loads.
bool HelpWindow::manualReadable() const {
    const QHelpContentItem* root = engine_->contentModel()->contentItemAt(QModelIndex());
    return root != nullptr && root->childCount() > 0 && !engine_->fileData(root->child(0)->url()).isEmpty();
}

void HelpWindow::buildEngineViews() {
    QHelpContentWidget* contents = engine_->contentWidget();
    contents->setObjectName(QStringLiteral("HelpContents"));
    auto* contentsLayout = new QVBoxLayout(contentsTab());
    contentsLayout->setContentsMargins(0, 0, 0, 0);
    contentsLayout->addWidget(contents);
    connect(contents, &QHelpContentWidget::linkActivated, page(),
            [this](const QUrl& link) { page()->setSource(link); });
    // One click opens a page, as in the program's other lists; the views
    // themselves act only on a double click.
    connect(contents, &QHelpContentWidget::clicked, page(), [this](const QModelIndex& row) {
        if (const QHelpContentItem* item = engine_->contentModel()->contentItemAt(row))
            page()->setSource(item->url());
    });
    // The contents fill after the window is made; the first page shows when they are there.
    connect(engine_->contentModel(), &QHelpContentModel::contentsCreated, this, [this, contents] {
        if (!manualReadable()) {
            showNoHelp(cannotBeRead({}));
            return;
        }
        contents->expandToDepth(0);
        openFirstPage();
    });

    QHelpIndexWidget* index = engine_->indexWidget();
    index->setObjectName(QStringLiteral("HelpIndex"));
    auto* indexFilter = new QLineEdit;
    indexFilter->setObjectName(QStringLiteral("HelpIndexFilter"));
    indexFilter->setPlaceholderText(QCoreApplication::translate("tavrix::Help", "Type a word to find"));
    setIndexFilter(indexFilter);
    auto* indexLayout = new QVBoxLayout(indexTab());
    indexLayout->setContentsMargins(0, 0, 0, 0);
    indexLayout->addWidget(new QLabel(QCoreApplication::translate("tavrix::Help", "Look for:")));
    indexLayout->addWidget(indexFilter);
    indexLayout->addWidget(index);
    connect(indexFilter, &QLineEdit::textChanged, index,
            [index](const QString& text) { index->filterIndices(text); });
    connect(indexFilter, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
    connect(index, &QHelpIndexWidget::clicked, index, &QHelpIndexWidget::activateCurrentItem);
    connect(index, &QHelpIndexWidget::documentActivated, page(),
            [this](const QHelpLink& document) { page()->setSource(document.url); });
    connect(index, &QHelpIndexWidget::documentsActivated, this, &HelpWindow::showTopicChooser);
}

void HelpWindow::openFirstPage() {
    if (!page()->source().isEmpty())
        return;
    const QHelpContentItem* root = engine_->contentModel()->contentItemAt(QModelIndex());
    if (root != nullptr && root->childCount() > 0)
        page()->setSource(root->child(0)->url());
}

// A keyword that leads to several pages: the page lists them, and a click
// on one opens it.
void HelpWindow::showTopicChooser(const QList<QHelpLink>& documents, const QString& keyword) {
    QString html =
        QCoreApplication::translate("tavrix::Help", "<h2>Topics for \"%1\"</h2><p>Choose a page:</p><ul>")
            .arg(keyword.toHtmlEscaped());
    for (const QHelpLink& document : documents)
        html += QStringLiteral("<li><a href=\"%1\">%2</a></li>")
                    .arg(document.url.toString().toHtmlEscaped(), document.title.toHtmlEscaped());
    html += QStringLiteral("</ul>");
    page()->setHtml(html);
}

void ShowHelpWindow(QWidget& owner, const QString& collectionFile, HelpView view) {
    auto* window = owner.findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (window == nullptr)
        window = new HelpWindow(collectionFile, &owner);
    window->showView(view);
}

} // namespace tavrix
