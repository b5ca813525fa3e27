// Everything the program says to the person or asks of the desktop goes
// through this one interface, so that every behaviour can be driven headless:
// tests use a scripted double, the program the Qt implementation.
#pragma once

#include <QString>
#include <QStringList>

class QDialog;
class QPrinter;
class QUrl;

namespace tavrix {

enum class HelpView { Contents, Index };

// What became of handing a message to the mail client.
enum class MailLaunch { Started, NoMailClient, Failed };

class Desktop {
public:
    virtual ~Desktop() = default;

    // An information box with a single OK button.
    virtual void showInformation(const QString& text) = 0;
    // A question with Yes and No buttons; true for Yes.
    virtual bool confirm(const QString& text) = 0;
    // The application's standard error box (input/output and printing errors).
    virtual void showError(const QString& text) = 0;
    // A message box with the given caption and the error icon, owned by the
    // main window ("Error" for the mail module).
    virtual void showMessage(const QString& caption, const QString& text) = 0;

    // File dialogs; an empty string when the person cancels.
    virtual QString openFileName(const QString& caption, const QString& directory, const QString& filter) = 0;
    virtual QString saveFileName(const QString& caption, const QString& directory, const QString& filter,
                                 const QString& defaultSuffix) = 0;
    // The print dialog for `printer`; false when the person cancels.
    virtual bool choosePrinter(QPrinter& printer) = 0;

    // Hands an address or a local file to the desktop's default handler.
    virtual bool openUrl(const QUrl& url) = 0;
    virtual void showHelp(HelpView view) = 0;
    // Starts the mail client with a new message.
    virtual MailLaunch startMail(const QString& subject, const QString& body) = 0;
    // Puts plain and rich text on the clipboard as one entry.
    virtual void setClipboard(const QString& text, const QString& html) = 0;

    // Runs one of the program's own modal windows to its end; returns its result code.
    virtual int execModal(QDialog& dialog) = 0;
};

} // namespace tavrix
