#include "HelpFrame.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace tavrix {

namespace {

constexpr QSize InitialSize{860, 600};
constexpr int NavigationWidth = 250;

QString NoHelpPage(const QString& reason) {
    return QCoreApplication::translate("tavrix::Help",
                                       "<h2>Help cannot be shown</h2><p>%1</p>"
                                       "<p>Reinstalling the program puts the help file back in place.</p>")
        .arg(reason.toHtmlEscaped());
}

// Shows the manual's pages, which live inside the compressed help file.
class HelpPageBrowser final : public QTextBrowser {
public:
    explicit HelpPageBrowser(QWidget* parent) : QTextBrowser(parent) {}

    void setPageSource(std::function<QByteArray(const QUrl&)> source) { source_ = std::move(source); }

    QVariant loadResource(int type, const QUrl& name) override {
        if (!source_ || name.scheme() != QLatin1String("qthelp"))
            return QTextBrowser::loadResource(type, name);
        const QByteArray page = source_(name);
        // A page a damaged help file cannot give would show as a blank page.
        if (page.isEmpty() && type == QTextDocument::HtmlResource)
            return NoHelpPage(QCoreApplication::translate(
                                  "tavrix::Help", "The page \"%1\" cannot be read from the help file.")
                                  .arg(name.fileName()));
        return page;
    }

private:
    std::function<QByteArray(const QUrl&)> source_;
};

} // namespace

HelpFrame::HelpFrame(QWidget* parent)
    : QWidget(parent, Qt::Window), tabs_(new QTabWidget), contentsTab_(new QWidget), indexTab_(new QWidget),
      browser_(new HelpPageBrowser(this)) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QCoreApplication::translate("tavrix::Help", "Tavrix Help"));
    resize(InitialSize);
    browser_->setObjectName(QStringLiteral("HelpPage"));

    tabs_->setObjectName(QStringLiteral("HelpNavigation"));
    tabs_->addTab(contentsTab_, QCoreApplication::translate("tavrix::Help", "Contents"));
    tabs_->addTab(indexTab_, QCoreApplication::translate("tavrix::Help", "Index"));
    // Whichever way the index is reached, typing goes to its field.
    connect(tabs_, &QTabWidget::currentChanged, this, [this] {
        if (indexFilter_ != nullptr && tabs_->currentWidget() == indexTab_)
            indexFilter_->setFocus();
    });

    auto* splitter = new QSplitter(this);
    splitter->addWidget(tabs_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({NavigationWidth, InitialSize.width() - NavigationWidth});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
}

void HelpFrame::setPageSource(std::function<QByteArray(const QUrl&)> source) {
    static_cast<HelpPageBrowser*>(browser_)->setPageSource(std::move(source));
}

void HelpFrame::setIndexFilter(QLineEdit* filter) {
    indexFilter_ = filter;
}

void HelpFrame::showNoHelp(const QString& reason) {
    for (QWidget* tab : {contentsTab_, indexTab_}) {
        // Found damaged only once its views were up: they give way to the note.
        for (QWidget* view : tab->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            view->hide();
        auto* note = new QLabel(QCoreApplication::translate("tavrix::Help", "No help is available."), tab);
        note->setWordWrap(true);
        note->setAlignment(Qt::AlignTop | Qt::AlignLeft);
        auto* layout = tab->layout() != nullptr ? tab->layout() : new QVBoxLayout(tab);
        layout->addWidget(note);
    }
    browser_->setHtml(NoHelpPage(reason));
}

void HelpFrame::showView(HelpView view) {
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

} // namespace tavrix
