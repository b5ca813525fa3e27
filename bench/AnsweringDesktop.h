// A person who answers every dialog at once, for the benchmarks: this file,
// Yes, OK in the amend dialog, a PDF file for printing, never Cancel.
#pragma once

#include "Desktop.h"

#include <QAbstractButton>
#include <QDialog>
#include <QPrinter>

class AnsweringDesktop final : public tavrix::Desktop {
public:
    QString file;
    QString pdf;

    void showInformation(const QString&) override {}
    bool confirm(const QString&) override { return true; }
    void showError(const QString& text) override { qFatal("unexpected error: %s", qPrintable(text)); }
    void showMessage(const QString&, const QString&) override {}
    QString openFileName(const QString&, const QString&, const QString&) override { return file; }
    QString saveFileName(const QString&, const QString&, const QString&, const QString&) override {
        return file;
    }
    bool choosePrinter(QPrinter& printer) override {
        if (pdf.isEmpty()) {
            return false;
        }
        printer.setOutputFileName(pdf);
        return true;
    }
    void openUrl(const QUrl&, QObject&, std::function<void(bool)>) override {}
    void showHelp(tavrix::HelpView) override {}
    void startMail(const tavrix::MailMessage&, QObject&,
                   std::function<void(const tavrix::MailLaunch&)>) override {}
    void setClipboard(const QByteArray&, const QByteArray&) override {}
    std::unique_ptr<tavrix::Progress> startProgress(const QString&) override {
        struct CarriesOn final : tavrix::Progress {
            bool carryOn(double) override { return true; }
        };
        return std::make_unique<CarriesOn>();
    }
    int execModal(QDialog& dialog) override {
        dialog.findChild<QAbstractButton*>("BitBtn_AddTextToResultsLog")->click();
        return dialog.result();
    }
    QLocale locale() const override { return QLocale::c(); }
};
