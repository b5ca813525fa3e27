// The progress window the desktop shows for long work: it appears only once
// the work has run half a second, over the main window, which takes no
// input while it shows; Cancel stops the work.
#pragma once

#include "Desktop.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QString>

class QProgressDialog;
class QWidget;

namespace tavrix {

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
    bool cancelled_ = false;
};

} // namespace tavrix
