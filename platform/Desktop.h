// Everything the program says to the person or asks of the desktop goes
// through this one interface, so that every behaviour can be driven headless:
// tests use a scripted double, the program the Qt implementation.
#pragma once

#include "MailMessage.h"

#include <QFont>
#include <QLocale>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QDialog;
class QObject;
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

// Hands every line to print to `take`, in order, telling `progress` along
// the way; false when the person cancelled part way. Called once for each
// copy printed.
using PrintedLines = std::function<bool(const std::function<void(QStringView)>& take, Progress& progress)>;

// Lines to print in one font, as one job.
struct PrintJob {
    QString title; // the document's name, as print queues show it
    PrintedLines lines;
    QFont font;
    // The progress window's, while it prints.
    QString progressTitle;
    QString progressLabel;
};

class Desktop {
public:
    Desktop();
    virtual ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

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
    // Prints `job` on a printer the person chooses in the print dialog,
    // with a progress window while it prints. The reason it failed, fit to
    // show the person; nothing once printed, or cancelled.
    virtual std::optional<QString> print(const PrintJob& job) = 0;

    // Hands an address or a local file to the desktop's default handler.
    // Returns at once; `finished` is called exactly once, later, from the
    // event loop, with whether a handler took it. The answer is for
    // `receiver`: it never comes once `receiver` is gone, and a hand-over
    // still under way then is given up. An answer that comes during long
    // work waits until the work has ended, so that no box opens inside it.
    void openUrl(const QUrl& url, QObject& receiver, std::function<void(bool opened)> finished);
    virtual void showHelp(HelpView view) = 0;
    // Hands `message` to the mail client, which shows it as a new message.
    // Returns at once; `finished` is called exactly once, later, from the
    // event loop, when the hand-over has succeeded or failed; for
    // `receiver` only, and after any long work, as with openUrl.
    void startMail(const MailMessage& message, QObject& receiver,
                   std::function<void(const MailLaunch&)> finished);
    // Puts plain and rich text, both in UTF-8, on the clipboard as one
    // entry. Bytes rather than strings: a log's text and rich text can run
    // to tens of megabytes, half as much in UTF-8.
    virtual void setClipboard(const QByteArray& text, const QByteArray& html) = 0;

    // Starts watching work that `label` describes: once it has run half a
    // second, a progress window with Cancel shows until the returned object
    // goes. Its `title` says what the work is, in the task switcher and to
    // a screen reader. Call carryOn() often, at least every few milliseconds.
    // Long work goes one at a time: asked for while other work is under
    // way, it is cancelled from the start.
    std::unique_ptr<Progress> startProgress(const QString& title, const QString& label);
    bool longWorkUnderWay() const { return longWork_ != nullptr; }
    // Cancels the long work under way, as its Cancel does.
    void cancelLongWork();
    // Runs `action` at once when no long work is under way; otherwise from
    // the event loop once the work under way has ended, and not at all if
    // `receiver` is gone by then.
    void afterLongWork(QObject& receiver, std::function<void()> action);

    // Runs one of the program's own modal windows to its end; returns its result code.
    virtual int execModal(QDialog& dialog) = 0;

    // The person's regional settings (separators, time format, spelling),
    // asked afresh at each call so that a change shows at the next use.
    virtual QLocale locale() const = 0;

protected:
    // What each desktop does for openUrl, startMail and startProgress.
    virtual void handOverUrl(const QUrl& url, QObject& receiver,
                             std::function<void(bool opened)> finished) = 0;
    virtual void handOverMail(const MailMessage& message, QObject& receiver,
                              std::function<void(const MailLaunch&)> finished) = 0;
    virtual std::unique_ptr<Progress> watchWork(const QString& title, const QString& label) = 0;

private:
    class LongWork;
    struct Waiting {
        QPointer<QObject> receiver;
        std::function<void()> action;
    };

    void longWorkEnded();

    LongWork* longWork_ = nullptr;
    std::vector<Waiting> waiting_;
};

} // namespace tavrix
