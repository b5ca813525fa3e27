#include "ProgressWindow.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <QWindow>

#include <cmath>

namespace tavrix {

namespace {

constexpr qint64 ShowAfterMs = 500;
// How often the windows get to paint, and the person to press Cancel.
constexpr qint64 EventsEveryMs = 30;
constexpr int Steps = 1000;

bool IsPersonsInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

} // namespace

// Drops the person's input to every window but the progress window.
class InputHold final : public QObject {
public:
    explicit InputHold(const QPointer<QProgressDialog>& dialog) : dialog_(dialog) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~InputHold() override { QCoreApplication::instance()->removeEventFilter(this); }
    InputHold(const InputHold&) = delete;
    InputHold& operator=(const InputHold&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!IsPersonsInput(event->type())) {
            return false;
        }
        // Input reaches the window first, then the widget in it; Escape
        // reaches the progress window's shortcut for Cancel, an object of its.
        bool toProgressWindow = dialog_ != nullptr && watched == dialog_->windowHandle();
        for (const QObject* object = watched; object != nullptr && !toProgressWindow;
             object = object->parent()) {
            toProgressWindow = object == dialog_;
        }
        return !toProgressWindow;
    }

private:
    const QPointer<QProgressDialog>& dialog_;
};

ProgressWindow::ProgressWindow(const QString& title, const QString& label, QWidget* parentWindow)
    : title_(title), label_(label), parentWindow_(parentWindow),
      inputHold_(std::make_unique<InputHold>(dialog_)) {
    started_.start();
    sinceEvents_.start();
}

ProgressWindow::~ProgressWindow() {
    inputHold_.reset();
    delete dialog_;
}

bool ProgressWindow::carryOn(double done) {
    if (cancelled_ || sinceEvents_.elapsed() < EventsEveryMs) {
        return !cancelled_;
    }
    sinceEvents_.restart();
    if (dialog_ == nullptr && started_.elapsed() >= ShowAfterMs) {
        dialog_ = new QProgressDialog(label_, QCoreApplication::translate("tavrix::ProgressWindow", "Cancel"),
                                      0, Steps, parentWindow_);
        dialog_->setWindowTitle(title_);
        dialog_->setWindowModality(Qt::WindowModal);
        dialog_->setAutoClose(false);
        dialog_->setAutoReset(false);
        dialog_->setMinimumDuration(0);
        dialog_->show();
        // Given the keyboard, so that Escape cancels even where no window
        // manager hands the focus to a new window (a kiosk): the other
        // windows drop every key while the work runs.
        dialog_->activateWindow();
    }
    const bool shown = dialog_ != nullptr;
    if (shown) {
        dialog_->setValue(static_cast<int>(std::lround(done * Steps)));
    }
    QCoreApplication::processEvents();
    // A window that went while the events ran (its parent closed) cancels too.
    cancelled_ = shown && (dialog_ == nullptr || dialog_->wasCanceled());
    return !cancelled_;
}

} // namespace tavrix
