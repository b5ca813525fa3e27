// Calls a function once a widget has been painted for the first time: the
// start-up benchmarks end there.
#pragma once

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>

class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget& watched, std::function<void()> then) : then_(std::move(then)) {
        watched.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued, so that the paint this event starts is done first.
            QTimer::singleShot(0, this, then_);
        }
        return false;
    }

private:
    std::function<void()> then_;
};
