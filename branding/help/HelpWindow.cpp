#include "HelpWindow.h"

#include <QFileInfo>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <memory>

namespace tavrix {

namespace {

constexpr QSize InitialSize{860, 600};
constexpr int NavigationWidth = 250;

QString Escaped(const QString& text) {
    return text.toHtmlEscaped();
}

QString NoHelpPage(const QString& reason) {
    return QStringLiteral("<h2>Help cannot be shown</h2><p>%1</p>"
                          "<p>Reinstalling the program puts the help file back in place.</p>")
        .arg(Escaped(reason));
}

QString UnreadablePage(const QString& page) {
    return NoHelpPage(QStringLiteral("The page \"%1\" cannot be read from the help file.").arg(page));
}

// Shows the manual's pages, which live inside the compressed help file.
class HelpPageBrowser final : public QTextBrowser {
public:
    HelpPageBrowser(QHelpEngine*& engine, QWidget* parent) : QTextBrowser(parent), engine_(engine) {}

    QVariant loadResource(int type, const QUrl& name) override {
        if (engine_ == nullptr || name.scheme() != QLatin1String("qthelp"))
            return QTextBrowser::loadResource(type, name);
        const QByteArray page = engine_->fileData(name);
        // A page a damaged help file cannot give would show as a blank page.
        if (page.isEmpty() && type == QTextDocument::HtmlResource)
            return UnreadablePage(name.fileName());
        return page;
    }

private:
    QHelpEngine*& engine_;
};

} // namespace

HelpWindow::HelpWindow(const QString& collectionFile, QWidget* parent)
    : QWidget(parent, Qt::Window), collectionFile_(collectionFile), tabs_(new QTabWidget),
      contentsTab_(new QWidget), indexTab_(new QWidget), browser_(new HelpPageBrowser(engine_, this)) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Tavrix Help"));
    resize(InitialSize);
    browser_->setObjectName(QStringLiteral("HelpPage"));

    tabs_->setObjectName(QStringLiteral("HelpNavigation"));
    tabs_->addTab(contentsTab_, QStringLiteral("Contents"));
    tabs_->addTab(indexTab_, QStringLiteral("Index"));

    auto* splitter = new QSplitter(this);
    splitter->addWidget(tabs_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({NavigationWidth, InitialSize.width() - NavigationWidth});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    // Opening a collection that does not exist would quietly create an empty one.
    if (!QFileInfo(collectionFile_).isFile()) {
        showNoHelp(QStringLiteral("The help file \"%1\" cannot be found.").arg(collectionFile_));
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
    buildEngineViews();
}

QString HelpWindow::cannotBeRead(const QString& problem) const {
    return QStringLiteral("The help file \"%1\" cannot be read: %2")
        .arg(collectionFile_, problem.isEmpty() ? QStringLiteral("it is damaged.") : problem);
}

// The manual can be read when its contents lead to a first page that loads.
bool HelpWindow::manualReadable() const {
    const QHelpContentItem* root = engine_->contentModel()->contentItemAt(QModelIndex());
    return root != nullptr && root->childCount() > 0 && !engine_->fileData(root->child(0)->url()).isEmpty();
}

void HelpWindow::buildEngineViews() {
    QHelpContentWidget* contents = engine_->contentWidget();
    contents->setObjectName(QStringLiteral("HelpContents"));
    auto* contentsLayout = new QVBoxLayout(contentsTab_);
    contentsLayout->setContentsMargins(0, 0, 0, 0);
    contentsLayout->addWidget(contents);
    connect(contents, &QHelpContentWidget::linkActivated, browser_,
            [this](const QUrl& link) { browser_->setSource(link); });
    // One click opens a page, as in the program's other lists; the views
    // themselves act only on a double click.
    connect(contents, &QHelpContentWidget::clicked, browser_, [this](const QModelIndex& row) {
        if (const QHelpContentItem* item = engine_->contentModel()->contentItemAt(row))
            browser_->setSource(item->url());
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
    indexFilter_ = new QLineEdit;
    indexFilter_->setObjectName(QStringLiteral("HelpIndexFilter"));
    indexFilter_->setPlaceholderText(QStringLiteral("Type a word to find"));
    auto* indexLayout = new QVBoxLayout(indexTab_);
    indexLayout->setContentsMargins(0, 0, 0, 0);
    indexLayout->addWidget(new QLabel(QStringLiteral("Look for:")));
    indexLayout->addWidget(indexFilter_);
    indexLayout->addWidget(index);
    connect(indexFilter_, &QLineEdit::textChanged, index,
            [index](const QString& text) { index->filterIndices(text); });
    connect(indexFilter_, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
    connect(index, &QHelpIndexWidget::clicked, index, &QHelpIndexWidget::activateCurrentItem);
    connect(index, &QHelpIndexWidget::documentActivated, browser_,
            [this](const QHelpLink& document) { browser_->setSource(document.url); });
    connect(index, &QHelpIndexWidget::documentsActivated, this, &HelpWindow::showTopicChooser);
    // Whichever way the index is reached, typing goes to its field.
    connect(tabs_, &QTabWidget::currentChanged, indexFilter_, [this] {
        if (tabs_->currentWidget() == indexTab_)
            indexFilter_->setFocus();
    });
}

void HelpWindow::showNoHelp(const QString& reason) {
    for (QWidget* tab : {contentsTab_, indexTab_}) {
        // Found damaged only once its views were up: they give way to the note.
        for (QWidget* view : tab->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            view->hide();
        auto* note = new QLabel(QStringLiteral("No help is available."), tab);
        note->setWordWrap(true);
        note->setAlignment(Qt::AlignTop | Qt::AlignLeft);
        auto* layout = tab->layout() != nullptr ? tab->layout() : new QVBoxLayout(tab);
        layout->addWidget(note);
    }
    browser_->setHtml(NoHelpPage(reason));
}

void HelpWindow::openFirstPage() {
    if (!browser_->source().isEmpty())
        return;
    const QHelpContentItem* root = engine_->contentModel()->contentItemAt(QModelIndex());
    if (root != nullptr && root->childCount() > 0)
        browser_->setSource(root->child(0)->url());
}

// A keyword that leads to several pages: the page lists them, and a click
// on one opens it.
void HelpWindow::showTopicChooser(const QList<QHelpLink>& documents, const QString& keyword) {
    QString html =
        QStringLiteral("<h2>Topics for \"%1\"</h2><p>Choose a page:</p><ul>").arg(Escaped(keyword));
    for (const QHelpLink& document : documents)
        html += QStringLiteral("<li><a href=\"%1\">%2</a></li>")
                    .arg(Escaped(document.url.toString()), Escaped(document.title));
    html += QStringLiteral("</ul>");
    browser_->setHtml(html);
}

void HelpWindow::showView(HelpView view) {
    if (view == HelpView::Contents) {
        tabs_->setCurrentWidget(contentsTab_);
    } else {
        tabs_->setCurrentWidget(indexTab_);
        if (indexFilter_ != nullptr)
            indexFilter_->setFocus();
    }
    show();
    raise();
    activateWindow();
}

std::function<void(HelpView)> HelpViewerFor(QString collectionFile, QWidget& owner) {
    // The window is made once, on the first call, and lives with `owner`.
    auto window = std::make_shared<QPointer<HelpWindow>>();
    return [window, collectionFile = std::move(collectionFile), &owner](HelpView view) {
        if (window->isNull())
            *window = new HelpWindow(collectionFile, &owner);
        (*window)->showView(view);
    };
}

} // namespace tavrix
