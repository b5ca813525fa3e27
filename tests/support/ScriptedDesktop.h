// The desktop as a test scripts it: the test queues the interactions it
// expects, in order, with the person's answers; the code under test runs
// without a single real box, dialog, browser or mail client, and never
// enters a modal loop.
//
// Every call is recorded (calls()). A call that does not match the next
// expectation fails the test with ADD_FAILURE(), naming the call, and
// returns a harmless answer (No, Cancel, nothing opened) instead of
// blocking. If only its text differs, the expectation is used up and its
// answer returned, so the rest of the test runs on as scripted. Expectations
// still queued fail the test at verify() or when the double is destroyed.
//
// A mail hand-over (expectMail) and opening an address (expectOpenUrl) end
// with the scripted outcome on the next pass of the event loop, never inside
// the call, as the real ones do, and not at all once their receiver is gone.
// After handOverThroughHelpers() they need no expectation: they start the
// real helper programs instead (tests put fakes first on PATH), whose runs
// give the answers.
//
// setClipboard needs no expectation: it is recorded and really written to
// the clipboard (the offscreen platform keeps one in-process), so tests read
// it back from QGuiApplication::clipboard().
//
// Modal windows of our own (expectModal): instead of exec(), the double
// sets the result to 0 as exec() does, show()s the dialog non-modally, makes
// it the active window, runs the script on it, and afterwards hands the
// activation back to the window that had it. The script works the
// dialog like a person would (Widgets.h: clicks, typing) and returns. Under
// this scheme:
//  - showEvent and any handler on show run during show(), before the
//    script, exactly as under exec();
//  - accept(), reject() and done() from the dialog's own buttons set the
//    result, hide the dialog and emit finished/accepted/rejected at once,
//    inside the script, as they would inside exec();
//  - a dialog the script leaves open is closed the way its title-bar button
//    closes it (close(): closeEvent, then reject() unless it refuses);
//  - the dialog is never modal (isModal(), QApplication::activeModalWidget()
//    see none) and no events are processed unless the script does so
//    (QTest::qWait), so the dialog's timers fire only then;
//  - execModal returns what the script returns, or dialog.result() for a
//    script that returns nothing.
#pragma once

#include "Desktop.h"
#include "QtDesktop.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <deque>
#include <functional>
#include <optional>
#include <type_traits>
#include <utility>
#include <vector>

class QDialog;
class QPrinter;

namespace tavrix {

class ScriptedDesktop final : public Desktop {
public:
    enum class Kind {
        Information,
        Confirm,
        Error,
        Message,
        OpenFile,
        SaveFile,
        Print,
        OpenUrl,
        Help,
        Mail,
        Clipboard,
        Modal
    };

    // One call as the code under test made it. Caption and text by kind:
    // message boxes their caption and text; file dialogs caption and filter;
    // print the printer's document name; openUrl the address; help
    // "Contents" or "Index"; mail subject and body (the whole message in mails()); clipboard text and html;
    // modal the dialog's window title and object name.
    struct Call {
        Kind kind;
        QString caption;
        QString text;
    };

    using PrinterSetup = std::function<void(QPrinter&)>;

    // Every box's text must be one of the program's listed messages
    // (ProgramMessages.h), so that none goes unexplained in the manual;
    // tests of the double itself may show any text.
    enum class MessageTexts { ProgramMessagesOnly, Any };

    explicit ScriptedDesktop(MessageTexts texts = MessageTexts::ProgramMessagesOnly) : texts_(texts) {}
    // Translated messages are the listed ones in another language.
    void acceptAnyMessageText() { texts_ = MessageTexts::Any; }
    ScriptedDesktop(const ScriptedDesktop&) = delete;
    ScriptedDesktop& operator=(const ScriptedDesktop&) = delete;
    ~ScriptedDesktop() override;

    // A real box runs the event loop until the person closes it:
    // `whileShown` runs in its place, to process events the way it does.
    void expectInformation(const QString& text, std::function<void()> whileShown = {});
    void expectConfirm(const QString& text, bool answerYes);
    void expectError(const QString& text, std::function<void()> whileShown = {});
    void expectMessage(const QString& caption, const QString& text);
    // The path the person picks; empty for Cancel.
    void expectOpenFile(const QString& answerPath);
    // A name without an extension gets the default extension, as in the real dialog.
    void expectSaveFile(const QString& answerPath);
    // On OK the printer is first handed to `setup`, e.g. to print into a PDF file.
    void expectPrint(bool answerOk, PrinterSetup setup = {});
    void expectOpenUrl(const QUrl& url, bool answerOpened = true);
    void expectHelp(HelpView view);
    void expectMail(MailLaunch answer);
    // From now on openUrl and startMail hand over through xdg-open and
    // xdg-email, as the program does; their calls are still recorded.
    void handOverThroughHelpers() { throughHelpers_ = true; }
    // `script` is any callable taking QDialog&; see the header comment.
    template <typename Script> void expectModal(Script script);

    // The person cancels the next long work at its `call`th carryOn() (from
    // 1); until then every piece of work carries on.
    void cancelProgressAt(int call) { cancelAtCall_ = call; }
    // From now on long work is watched by the program's own progress
    // windows over `window`, which run the event loop as the work goes on.
    void watchWorkInProgressWindows(QWidget& window) { progressWindowsOver_ = &window; }
    // The titles and labels of every piece of long work started, in order.
    const QStringList& progressTitles() const { return progressTitles_; }
    const QStringList& progressLabels() const { return progressLabels_; }

    // Fails the test for every expectation not yet used, and forgets them.
    void verify();
    // Whether every expectation has been used; answers that come from the
    // event loop (mail, opening an address) need it processed first.
    bool allMet() const { return expected_.empty(); }
    const std::vector<Call>& calls() const { return calls_; }
    // The folder each file dialog started in, in order.
    const QStringList& dialogFolders() const { return dialogFolders_; }
    // Every message handed to startMail, in order.
    const std::vector<MailMessage>& mails() const { return mails_; }
    static QString kindName(Kind kind);

    void showInformation(const QString& text) override;
    bool confirm(const QString& text) override;
    void showError(const QString& text) override;
    void showMessage(const QString& caption, const QString& text) override;
    QString openFileName(const QString& caption, const QString& directory, const QString& filter) override;
    QString saveFileName(const QString& caption, const QString& directory, const QString& filter,
                         const QString& defaultSuffix) override;
    // What print() asks for the printer, as the print dialog would be.
    bool choosePrinter(QPrinter& printer);
    std::optional<QString> print(const PrintJob& job) override;
    void showHelp(HelpView view) override;
    void setClipboard(const QByteArray& text, const QByteArray& html) override;
    int execModal(QDialog& dialog) override;
    QLocale locale() const override { return locale_; }
    // English as written in the United Kingdom unless a test needs another.
    void setLocale(const QLocale& locale) { locale_ = locale; }

protected:
    void handOverUrl(const QUrl& url, QObject& receiver, std::function<void(bool opened)> finished) override;
    void handOverMail(const MailMessage& message, QObject& receiver,
                      std::function<void(const MailLaunch&)> finished) override;
    std::unique_ptr<Progress> watchWork(const QString& title, const QString& label) override;

private:
    // What a call must be to meet an expectation: always its kind, and the
    // caption and text where the expectation names them.
    struct Match {
        Kind kind;
        bool checksCaption = false;
        QString caption;
        bool checksText = false;
        QString text;

        static Match of(Kind kind) { return {kind, false, {}, false, {}}; }
        static Match withText(Kind kind, QString text) { return {kind, false, {}, true, std::move(text)}; }
        static Match withCaptionAndText(Kind kind, QString caption, QString text) {
            return {kind, true, std::move(caption), true, std::move(text)};
        }
        bool accepts(const Call& call) const;
        QString describe() const;
    };

    struct Expectation {
        explicit Expectation(Match expectedCall) : match(std::move(expectedCall)) {}

        Match match;
        bool answerYes = false;
        QString answerPath;
        MailLaunch answerMail;
        PrinterSetup printerSetup;
        // Gives the value execModal returns, or none for dialog.result().
        std::function<std::optional<int>(QDialog&)> modalScript;
        std::function<void()> whileShown;
    };

    void queue(Expectation expectation) { expected_.push_back(std::move(expectation)); }
    void queueModal(std::function<std::optional<int>(QDialog&)> script);
    // Records the call and hands back the expectation it meets, or none.
    std::optional<Expectation> take(const Call& call);

    // Fails the test for a box text that is not a listed message.
    void checkListed(const QString& text) const;

    MessageTexts texts_;
    std::deque<Expectation> expected_;
    std::vector<Call> calls_;
    QPointer<QWidget> progressWindowsOver_;
    std::vector<MailMessage> mails_;
    QStringList dialogFolders_;
    QStringList progressTitles_;
    QStringList progressLabels_;
    int cancelAtCall_ = 0;
    bool throughHelpers_ = false;
    QLocale locale_{QLocale::English, QLocale::UnitedKingdom};
    // Writes the clipboard, and starts the helper programs when asked to;
    // nothing else of the real desktop is ever used.
    QtDesktop realDesktop_;
};

template <typename Script> void ScriptedDesktop::expectModal(Script script) {
    if constexpr (std::is_void_v<std::invoke_result_t<Script&, QDialog&>>)
        queueModal([script = std::move(script)](QDialog& dialog) mutable -> std::optional<int> {
            script(dialog);
            return std::nullopt;
        });
    else
        queueModal([script = std::move(script)](QDialog& dialog) mutable -> std::optional<int> {
            return script(dialog);
        });
}

} // namespace tavrix
