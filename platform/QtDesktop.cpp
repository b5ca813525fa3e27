#include "QtDesktop.h"

#include "FileDialogs.h"
#include "HelperProcess.h"
#include "MailtoAddress.h"
#include "PrintModule.h"
#include "ProgressWindow.h"
#include "XdgEmailArguments.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibrary>
#include <QMessageBox>
#include <QMimeData>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

#include <memory>
#include <utility>

namespace tavrix {

namespace {

// xdg-email's exit code when it finds no mail client.
constexpr int XdgNoMailClient = 3;

MailLaunch::Outcome MailOutcome(const HelperRun& run) {
    switch (run.ending) {
    case HelperRun::Ending::StillRunning:
        return MailLaunch::Outcome::Started;
    case HelperRun::Ending::Exited:
        if (run.exitCode == 0)
            return MailLaunch::Outcome::Started;
        return run.exitCode == XdgNoMailClient ? MailLaunch::Outcome::NoMailClient
                                               : MailLaunch::Outcome::Failed;
    case HelperRun::Ending::Crashed:
    case HelperRun::Ending::NotStarted:
        break;
    }
    return MailLaunch::Outcome::Failed;
}

// The file the person chose in `dialog`, or empty for Cancel.
QString ChosenFile(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QtDesktop::QtDesktop(QWidget* parentWindow, HelpViewer helpViewer)
    : parentWindow_(parentWindow), helpViewer_(std::move(helpViewer)) {}

void QtDesktop::showInformation(const QString& text) {
    QMessageBox::information(parentWindow_, QCoreApplication::translate("tavrix::QtDesktop", "Information"),
                             text, QMessageBox::Ok);
}

bool QtDesktop::confirm(const QString& text) {
    return QMessageBox::question(parentWindow_, QCoreApplication::translate("tavrix::QtDesktop", "Confirm"),
                                 text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void QtDesktop::showError(const QString& text) {
    QMessageBox::critical(parentWindow_, QCoreApplication::translate("tavrix::QtDesktop", "Error"), text,
                          QMessageBox::Ok);
}

void QtDesktop::showMessage(const QString& caption, const QString& text) {
    QMessageBox::critical(parentWindow_, caption, text, QMessageBox::Ok);
}

QString QtDesktop::openFileName(const QString& caption, const QString& directory, const QString& filter) {
    return ChosenFile(*MakeOpenFileDialog(parentWindow_, caption, directory, filter));
}

QString QtDesktop::saveFileName(const QString& caption, const QString& directory, const QString& filter,
                                const QString& defaultSuffix) {
    return ChosenFile(*MakeSaveFileDialog(parentWindow_, caption, directory, filter, defaultSuffix));
}

std::optional<QString> QtDesktop::print(const PrintJob& job) {
    // Stays loaded once loaded, as Qt's print support does.
    QLibrary module(printModule_);
    const auto print = reinterpret_cast<PrintFunction>(module.resolve(PrintSymbol));
    if (print == nullptr) {
        return QCoreApplication::translate("tavrix::Printing", "The print module \"%1\" cannot be loaded: %2")
            .arg(printModule_, module.errorString());
    }
    return print(job, *this, parentWindow_);
}

void QtDesktop::handOverUrl(const QUrl& url, QObject& receiver, std::function<void(bool opened)> finished) {
    // xdg-open fails with 1 to 4 (syntax, file missing, no tool, action failed).
    const QString argument = url.isLocalFile() ? url.toLocalFile() : url.toString(QUrl::FullyEncoded);
    StartHelper(receiver, QStandardPaths::findExecutable(QStringLiteral("xdg-open")), {argument},
                [finished = std::move(finished)](const HelperRun& run) {
                    finished(run.ending == HelperRun::Ending::StillRunning ||
                             (run.ending == HelperRun::Ending::Exited && run.exitCode == 0));
                });
}

void QtDesktop::showHelp(HelpView view) {
    if (helpViewer_)
        helpViewer_(view);
}

void QtDesktop::handOverMail(const MailMessage& message, QObject& receiver,
                             std::function<void(const MailLaunch&)> finished) {
    // Like the hand-over's own end, never from inside this call.
    const auto reportLater = [&receiver, &finished](const MailLaunch& launch) {
        QTimer::singleShot(0, &receiver, [finished = std::move(finished), launch] { finished(launch); });
    };
    if (!xdgEmail_)
        xdgEmail_ = QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
    if (xdgEmail_->isEmpty()) {
        reportLater({MailLaunch::Outcome::NoMailClient});
        return;
    }
    const QByteArray address = MailtoAddress(message);
    if (address.size() > LongestCommandLineArgument) {
        reportLater({MailLaunch::Outcome::TooLong, address.size(), LongestCommandLineArgument});
        return;
    }
    StartHelper(receiver, *xdgEmail_, XdgEmailArguments(message.attachments, address),
                [finished = std::move(finished)](const HelperRun& run) { finished({MailOutcome(run)}); });
}

void QtDesktop::setClipboard(const QByteArray& text, const QByteArray& html) {
    auto* mime = new QMimeData;
    // Read back as UTF-8: plain text always is, rich text by its charset.
    mime->setData(QStringLiteral("text/plain"), text);
    mime->setData(QStringLiteral("text/html"), html);
    QGuiApplication::clipboard()->setMimeData(mime); // the clipboard takes ownership
}

std::unique_ptr<Progress> QtDesktop::watchWork(const QString& title, const QString& label) {
    return std::make_unique<ProgressWindow>(title, label, parentWindow_);
}

int QtDesktop::execModal(QDialog& dialog) {
    return dialog.exec();
}

QLocale QtDesktop::locale() const {
    return QLocale::system();
}

} // namespace tavrix
