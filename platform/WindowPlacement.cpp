#include "WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tavrix {

void PlaceWindowAt(QWidget& window, int left, int top) {
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (left < 0 && primary != nullptr) {
        // A window not shown before learns its frame when its native window is made.
        window.winId();
        const QSize screen = primary->geometry().size();
        const QSize frame = window.frameGeometry().size();
        left = (screen.width() - frame.width()) / 2;
        top = (screen.height() - frame.height()) / 2;
    }
    window.move(left, top);
}

} // namespace tavrix
