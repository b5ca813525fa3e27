#include "QtDesktop.h"

#include "FileDialogs.h"

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
#include <QUrl>

#include <memory>
#include <utility>

namespace tavrix {

namespace {

// xdg-email's exit code when it finds no mail client.
constexpr int XdgNoMailClient = 3;
// xdg-email returns at once for a running mail client, but waits for one it
// had to start until that client ends; past this wait the hand-over counts
// as started and the program goes on.
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

MailLaunch QtDesktop::startMail(const QString& subject, const QString& body) {
    if (!xdgEmail_)
        xdgEmail_ = QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
    if (xdgEmail_->isEmpty())
        return MailLaunch::NoMailClient;

    auto process = std::make_unique<QProcess>();
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start(*xdgEmail_, {QStringLiteral("--utf8"), QStringLiteral("--subject"), subject,
                                QStringLiteral("--body"), body});
    if (!process->waitForStarted())
        return MailLaunch::Failed;
    if (!process->waitForFinished(MailClientStartWaitMs)) {
        // Still waiting on the mail client it started: let it run on and
        // tidy itself up, since destroying it would kill the client.
        QProcess* runningOn = process.release();
        QObject::connect(runningOn, &QProcess::finished, runningOn, &QObject::deleteLater);
        return MailLaunch::Started;
    }
    if (process->exitStatus() != QProcess::NormalExit)
        return MailLaunch::Failed;
    if (process->exitCode() == XdgNoMailClient)
        return MailLaunch::NoMailClient;
    return process->exitCode() == 0 ? MailLaunch::Started : MailLaunch::Failed;
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

} // namespace tavrix
