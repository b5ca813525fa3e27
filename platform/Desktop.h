// Everything the program says to the person or asks of the desktop goes
// through this one interface, so that every behaviour can be driven headless:
// tests use a scripted double, the program the Qt implementation.
#pragma once

#include "MailMessage.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QDialog;
class QObject;
class QPrinter;
class QUrl;

namespace tavrix {

enum class HelpView { Contents, Index };

// What became of handing a message to the mail client.
struct MailLaunch {
    enum class Outcome {
        Started,
        // No way to reach a mail client: none installed or none set up.
        NoMailClient,
        Failed,
        // The message does not fit the hand-over; nothing was started.
        TooLong
    };
    Outcome outcome = Outcome::Started;
    // For TooLong: the message's size as the hand-over carries it, and the
    // most that fits, in bytes.
    qsizetype size = 0;
    qsizetype limit = 0;
};

// Work that may take a while, such as saving a log of half a million lines.
class Progress {
public:
    virtual ~Progress() = default;
    // How far the work has come, from 0 to 1. Keeps the windows painting;
    // false once the person has cancelled, and from then on.
    virtual bool carryOn(double done) = 0;
};

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
    // Returns at once; `finished` is called exactly once, later, from the
    // event loop, with whether a handler took it. The answer is for
    // `receiver`: it never comes once `receiver` is gone, and a hand-over
    // still under way then is given up.
    virtual void openUrl(const QUrl& url, QObject& receiver, std::function<void(bool opened)> finished) = 0;
    virtual void showHelp(HelpView view) = 0;
    // Hands `message` to the mail client, which shows it as a new message.
    // Returns at once; `finished` is called exactly once, later, from the
    // event loop, when the hand-over has succeeded or failed; for
    // `receiver` only, as with openUrl.
    virtual void startMail(const MailMessage& message, QObject& receiver,
                           std::function<void(const MailLaunch&)> finished) = 0;
    // Puts plain and rich text, both in UTF-8, on the clipboard as one
    // entry. Bytes rather than strings: a log's text and rich text can run
    // to tens of megabytes, half as much in UTF-8.
    virtual void setClipboard(const QByteArray& text, const QByteArray& html) = 0;

    // Starts watching work that `label` describes: once it has run half a
    // second, a progress window with Cancel shows until the returned object
    // goes. Its `title` says what the work is, in the task switcher and to
    // a screen reader. Call carryOn() often, at least every few milliseconds.
    virtual std::unique_ptr<Progress> startProgress(const QString& title, const QString& label) = 0;

    // Runs one of the program's own modal windows to its end; returns its result code.
    virtual int execModal(QDialog& dialog) = 0;

    // The person's regional settings (separators, time format, spelling),
    // asked afresh at each call so that a change shows at the next use.
    virtual QLocale locale() const = 0;
};

} // namespace tavrix
