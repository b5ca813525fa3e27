#include "QtDesktop.h"

#include "FileDialogs.h"
#include "MailtoAddress.h"
#include "XdgEmailArguments.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

#include <memory>
#include <utility>

namespace tavrix {

namespace {

// xdg-email's exit code when it finds no mail client.
constexpr int XdgNoMailClient = 3;
// xdg-email returns at once for a running mail client, but waits for one it
// had to start until that client ends; past this wait the client is up, the
// hand-over counts as started and a later exit code of xdg-email is the
// client's, no longer the hand-over's.
constexpr int MailClientStartWaitMs = 3000;

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
    QMessageBox::information(parentWindow_, QStringLiteral("Information"), text, QMessageBox::Ok);
}

bool QtDesktop::confirm(const QString& text) {
    return QMessageBox::question(parentWindow_, QStringLiteral("Confirm"), text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void QtDesktop::showError(const QString& text) {
    QMessageBox::critical(parentWindow_, QStringLiteral("Error"), text, QMessageBox::Ok);
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

bool QtDesktop::choosePrinter(QPrinter& printer) {
    // With no printer installed the dialog offers only a PDF file, and
    // outside X11 it proposes a folder rather than a file: propose a file
    // named after the document in the documents folder instead.
    if (QPrinterInfo::availablePrinterNames().isEmpty() && printer.outputFileName().isEmpty()) {
        QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (!QFileInfo(folder).isDir())
            folder = QDir::homePath();
        printer.setOutputFileName(QDir(folder).filePath(printer.docName() + QStringLiteral(".pdf")));
    }
    QPrintDialog dialog(&printer, parentWindow_);
    return dialog.exec() == QDialog::Accepted;
}

bool QtDesktop::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

void QtDesktop::showHelp(HelpView view) {
    if (helpViewer_)
        helpViewer_(view);
}

void QtDesktop::startMail(const MailMessage& message, std::function<void(const MailLaunch&)> finished) {
    // Called at most once, and always from the event loop, never from here.
    auto pending = std::make_shared<std::function<void(const MailLaunch&)>>(std::move(finished));
    const auto report = [pending](const MailLaunch& launch) {
        if (*pending)
            std::exchange(*pending, {})(launch);
    };
    const auto reportLater = [report](const MailLaunch& launch) {
        QTimer::singleShot(0, [report, launch] { report(launch); });
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

    // No parent: the process ends on its own time and deletes itself then.
    auto* process = new QProcess;
    // xdg-email echoes the whole address, the log included, when it finds no
    // mail client: its words stay out of ours (and out of the journal); the
    // box tells the person what failed.
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, report](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return; // finished follows
                         report({MailLaunch::Outcome::Failed});
                         process->deleteLater();
                     });
    QObject::connect(
        process, &QProcess::finished, process,
        [process, report](int exitCode, QProcess::ExitStatus exitStatus) {
            if (exitStatus != QProcess::NormalExit)
                report({MailLaunch::Outcome::Failed});
            else if (exitCode == XdgNoMailClient)
                report({MailLaunch::Outcome::NoMailClient});
            else
                report({exitCode == 0 ? MailLaunch::Outcome::Started : MailLaunch::Outcome::Failed});
            process->deleteLater();
        });
    QTimer::singleShot(MailClientStartWaitMs, process, [report] { report({MailLaunch::Outcome::Started}); });
    process->start(*xdgEmail_, XdgEmailArguments(message.attachments, address));
}

void QtDesktop::setClipboard(const QString& text, const QString& html) {
    auto* mime = new QMimeData;
    mime->setText(text);
    mime->setHtml(html);
    QGuiApplication::clipboard()->setMimeData(mime); // the clipboard takes ownership
}

int QtDesktop::execModal(QDialog& dialog) {
    return dialog.exec();
}

QLocale QtDesktop::locale() const {
    return QLocale::system();
}

} // namespace tavrix
