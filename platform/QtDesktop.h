// The desktop as Qt and the Linux desktop provide it: message boxes and
// dialogs owned by the main window, xdg-open, xdg-email and the clipboard.
#pragma once

#include "Desktop.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

namespace tavrix {

class QtDesktop final : public Desktop {
public:
    // Shows the help window at the asked view; the help window is built
    // outside this layer and handed in here.
    using HelpViewer = std::function<void(HelpView)>;

    // The main window usually needs the desktop before it exists, hence
    // the setters below.
    explicit QtDesktop(QWidget* parentWindow = nullptr, HelpViewer helpViewer = {});

    void setParentWindow(QWidget* parentWindow) { parentWindow_ = parentWindow; }
    void setHelpViewer(HelpViewer helpViewer) { helpViewer_ = std::move(helpViewer); }
    // The module that prints, loaded at the first print: Qt's print support
    // and what it loads stay out of every start of the program.
    void setPrintModule(QString printModule) { printModule_ = std::move(printModule); }

    void showInformation(const QString& text) override;
    bool confirm(const QString& text) override;
    void showError(const QString& text) override;
    void showMessage(const QString& caption, const QString& text) override;

    QString openFileName(const QString& caption, const QString& directory, const QString& filter) override;
    QString saveFileName(const QString& caption, const QString& directory, const QString& filter,
                         const QString& defaultSuffix) override;
    std::optional<QString> print(const PrintJob& job) override;

    // Does nothing until a help viewer is set.
    void showHelp(HelpView view) override;
    void setClipboard(const QByteArray& text, const QByteArray& html) override;
    int execModal(QDialog& dialog) override;
    QLocale locale() const override;

protected:
    // Through xdg-open, started without a shell and never waited on.
    void handOverUrl(const QUrl& url, QObject& receiver, std::function<void(bool opened)> finished) override;
    // Through xdg-email, started without a shell and never waited on.
    void handOverMail(const MailMessage& message, QObject& receiver,
                      std::function<void(const MailLaunch&)> finished) override;
    // A progress dialog over the main window; no window takes input while the work runs.
    std::unique_ptr<Progress> watchWork(const QString& title, const QString& label) override;

private:
    QPointer<QWidget> parentWindow_;
    HelpViewer helpViewer_;
    QString printModule_;
    // Looked up on the first mail only, like a mail library loaded once;
    // empty when the desktop has no xdg-email.
    std::optional<QString> xdgEmail_;
};

} // namespace tavrix
