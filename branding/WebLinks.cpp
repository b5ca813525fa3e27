#include "WebLinks.h"

#include "DataPaths.h"
#include "Desktop.h"

#include <QEvent>
#include <QWidget>

namespace tavrix {

namespace {

class MouseDownWatcher final : public QObject {
public:
    MouseDownWatcher(QWidget& widget, std::function<void()> handler)
        : QObject(&widget), handler_(std::move(handler)) {
        widget.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The second press of a double click arrives as a double-click
        // event and opens nothing more.
        if (event->type() == QEvent::MouseButtonPress) {
            handler_();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> handler_;
};

} // namespace

QUrl WebAddressUrl(const QString& address) {
    const QString trimmed = address.trimmed();
    if (trimmed.contains(QStringLiteral("://")))
        return QUrl(trimmed);
    return QUrl(QStringLiteral("https://") + trimmed);
}

void OpenWebAddress(Desktop& desktop, const QString& address) {
    if (!desktop.openUrl(WebAddressUrl(address)))
        desktop.showInformation(QStringLiteral("Cannot find web browser to view ") + address);
}

void OpenBrandedVersionDocument(Desktop& desktop, const DataPaths& paths) {
    const QString path = paths.helpFolder() + QLatin1Char('/') + BrandedVersionDocument;
    if (!desktop.openUrl(QUrl::fromLocalFile(path)))
        desktop.showInformation(QStringLiteral("Cannot find acrobat PDF reader to view ") +
                                BrandedVersionDocument);
}

void OnMouseDown(QWidget& widget, std::function<void()> handler) {
    new MouseDownWatcher(widget, std::move(handler)); // owned by `widget`
}

} // namespace tavrix
