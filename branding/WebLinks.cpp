#include "WebLinks.h"

#include "DataPaths.h"
#include "Desktop.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
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

// The desktop outlives every window, and so every hand-over they start.
void OpenWebAddress(Desktop& desktop, QObject& window, const QString& address) {
    desktop.openUrl(WebAddressUrl(address), window, [&desktop, address](bool opened) {
        if (!opened)
            desktop.showInformation(
                QCoreApplication::translate("tavrix::WebLinks", "Cannot find web browser to view %1")
                    .arg(address));
    });
}

void OpenBrandedVersionDocument(Desktop& desktop, QObject& window, const DataPaths& paths) {
    const auto sayNoReader = [&desktop] {
        desktop.showInformation(
            QCoreApplication::translate("tavrix::WebLinks", "Cannot find acrobat PDF reader to view %1")
                .arg(BrandedVersionDocument));
    };
    const QString path = paths.helpFolder() + QLatin1Char('/') + BrandedVersionDocument;
    // A reader started on a missing file may show nothing at all.
    if (!QFileInfo(path).isFile()) {
        sayNoReader();
        return;
    }
    desktop.openUrl(QUrl::fromLocalFile(path), window, [sayNoReader](bool opened) {
        if (!opened)
            sayNoReader();
    });
}

void OnMouseDown(QWidget& widget, std::function<void()> handler) {
    new MouseDownWatcher(widget, std::move(handler)); // owned by `widget`
}

} // namespace tavrix
