#include "ProgressWindow.h"

#include <QCoreApplication>
#include <QProgressDialog>

#include <cmath>

namespace tavrix {

namespace {

constexpr qint64 ShowAfterMs = 500;
// How often the windows get to paint, and the person to press Cancel.
constexpr qint64 EventsEveryMs = 30;
constexpr int Steps = 1000;

} // namespace

ProgressWindow::ProgressWindow(const QString& title, const QString& label, QWidget* parentWindow)
    : title_(title), label_(label), parentWindow_(parentWindow) {
    started_.start();
    sinceEvents_.start();
}

ProgressWindow::~ProgressWindow() {
    delete dialog_;
}

bool ProgressWindow::carryOn(double done) {
    if (cancelled_ || sinceEvents_.elapsed() < EventsEveryMs) {
        return !cancelled_;
    }
    sinceEvents_.restart();
    if (dialog_ == nullptr && started_.elapsed() >= ShowAfterMs) {
        dialog_ = new QProgressDialog(label_, QStringLiteral("Cancel"), 0, Steps, parentWindow_);
        dialog_->setWindowTitle(title_);
        dialog_->setWindowModality(Qt::WindowModal);
        dialog_->setAutoClose(false);
        dialog_->setAutoReset(false);
        dialog_->setMinimumDuration(0);
        dialog_->show();
    }
    if (dialog_ == nullptr) {
        // Nothing to answer yet: the windows paint, but clicks and keys wait
        // until the work is done rather than change what it works on.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return true;
    }
    dialog_->setValue(static_cast<int>(std::lround(done * Steps)));
    QCoreApplication::processEvents();
    cancelled_ = dialog_ == nullptr || dialog_->wasCanceled();
    return !cancelled_;
}

} // namespace tavrix
