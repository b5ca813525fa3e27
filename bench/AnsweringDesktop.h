// A person who answers every dialog at once, for the benchmarks: this file,
// Yes, OK in the amend dialog, a PDF file for printing, never Cancel.
//
// It also times the longest stretch in which the windows could not repaint
// or take a click: between the start of a piece of work (restartFreezeWatch),
// each turn of the event loop that long work makes through its progress, the
// opening and closing of a modal window, and the work's end (longestFreezeMs).
#pragma once

#include "Desktop.h"
#include "ResultsLogPrinting.h"

#include <QAbstractButton>
#include <QDialog>
#include <QPrinter>

#include <algorithm>
#include <chrono>

class AnsweringDesktop final : public tavrix::Desktop {
public:
    QString file;
    QString pdf;

    void restartFreezeWatch() {
        longestFreeze_ = {};
        lastTurn_ = Clock::now();
    }
    // Up to now.
    double longestFreezeMs() {
        eventLoopTurns();
        return std::chrono::duration<double, std::milli>(longestFreeze_).count();
    }

    void showInformation(const QString&) override {}
    bool confirm(const QString&) override { return true; }
    void showError(const QString& text) override { qFatal("unexpected error: %s", qPrintable(text)); }
    void showMessage(const QString&, const QString&) override {}
    QString openFileName(const QString&, const QString&, const QString&) override { return file; }
    QString saveFileName(const QString&, const QString&, const QString&, const QString&) override {
        return file;
    }
    std::optional<QString> print(const tavrix::PrintJob& job) override {
        return tavrix::PrintJobOn(
            job,
            [this](QPrinter& printer) {
                printer.setOutputFileName(pdf);
                return !pdf.isEmpty();
            },
            [&] { return startProgress(job.progressTitle, job.progressLabel); });
    }
    void showHelp(tavrix::HelpView) override {}
    void setClipboard(const QByteArray&, const QByteArray&) override {}
    int execModal(QDialog& dialog) override {
        // A modal window runs the event loop from when it shows until it closes.
        eventLoopTurns();
        dialog.findChild<QAbstractButton*>("BitBtn_AddTextToResultsLog")->click();
        eventLoopTurns();
        return dialog.result();
    }
    QLocale locale() const override { return QLocale::c(); }

protected:
    void handOverUrl(const QUrl&, QObject&, std::function<void(bool)>) override {}
    void handOverMail(const tavrix::MailMessage&, QObject&,
                      std::function<void(const tavrix::MailLaunch&)>) override {}
    std::unique_ptr<tavrix::Progress> watchWork(const QString&, const QString&) override {
        struct CarriesOn final : tavrix::Progress {
            explicit CarriesOn(AnsweringDesktop& desktop) : desktop_(desktop) {}
            bool carryOn(double) override {
                desktop_.eventLoopTurns();
                return true;
            }
            AnsweringDesktop& desktop_;
        };
        return std::make_unique<CarriesOn>(*this);
    }

private:
    using Clock = std::chrono::steady_clock;

    void eventLoopTurns() {
        const Clock::time_point now = Clock::now();
        longestFreeze_ = std::max(longestFreeze_, now - lastTurn_);
        lastTurn_ = now;
    }

    Clock::time_point lastTurn_ = Clock::now();
    Clock::duration longestFreeze_{};
};
