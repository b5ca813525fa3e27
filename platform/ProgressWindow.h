// The progress window the desktop shows for long work: it appears only once
// the work has run half a second, over the main window; Cancel stops the
// work. While the work runs, the windows paint and timers and helpers'
// answers come, but no window takes the person's clicks and keys, the
// progress window's own aside: they are dropped, not kept for later, so
// that nothing changes what the work works on or starts other work.
#pragma once

#include "Desktop.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QString>

#include <memory>

class QProgressDialog;
class QWidget;

namespace tavrix {

class InputHold;

class ProgressWindow final : public Progress {
public:
    ProgressWindow(const QString& title, const QString& label, QWidget* parentWindow);
    ~ProgressWindow() override;
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;

    bool carryOn(double done) override;

private:
    QString title_;
    QString label_;
    QPointer<QWidget> parentWindow_;
    QElapsedTimer started_;
    QElapsedTimer sinceEvents_;
    QPointer<QProgressDialog> dialog_;
    std::unique_ptr<InputHold> inputHold_;
    bool cancelled_ = false;
};

} // namespace tavrix
