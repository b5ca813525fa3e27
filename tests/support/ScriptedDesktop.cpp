#include "ScriptedDesktop.h"

#include "ProgramMessageText.h"
#include "ProgressWindow.h"
#include "ResultsLogPrinting.h"

#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QPointer>
#include <QPrinter>
#include <QTimer>

#include <gtest/gtest.h>

#include <utility>

namespace tavrix {

namespace {

QString HelpViewName(HelpView view) {
    return view == HelpView::Contents ? QStringLiteral("Contents") : QStringLiteral("Index");
}

QString Describe(const ScriptedDesktop::Call& call) {
    return ScriptedDesktop::kindName(call.kind) + QStringLiteral(" [") + call.caption +
           QStringLiteral("] \"") + call.text + QStringLiteral("\"");
}

} // namespace

bool ScriptedDesktop::Match::accepts(const Call& call) const {
    return (!checksCaption || caption == call.caption) && (!checksText || text == call.text);
}

QString ScriptedDesktop::Match::describe() const {
    const QString any = QStringLiteral("*");
    return Describe({kind, checksCaption ? caption : any, checksText ? text : any});
}

ScriptedDesktop::~ScriptedDesktop() {
    verify();
}

QString ScriptedDesktop::kindName(Kind kind) {
    switch (kind) {
    case Kind::Information:
        return QStringLiteral("information box");
    case Kind::Confirm:
        return QStringLiteral("confirmation");
    case Kind::Error:
        return QStringLiteral("error box");
    case Kind::Message:
        return QStringLiteral("message box");
    case Kind::OpenFile:
        return QStringLiteral("open dialog");
    case Kind::SaveFile:
        return QStringLiteral("save dialog");
    case Kind::Print:
        return QStringLiteral("print dialog");
    case Kind::OpenUrl:
        return QStringLiteral("open address");
    case Kind::Help:
        return QStringLiteral("help");
    case Kind::Mail:
        return QStringLiteral("mail");
    case Kind::Clipboard:
        return QStringLiteral("clipboard");
    case Kind::Modal:
        return QStringLiteral("modal window");
    }
    return QStringLiteral("unknown call");
}

void ScriptedDesktop::expectInformation(const QString& text, std::function<void()> whileShown) {
    Expectation expectation(Match::withText(Kind::Information, text));
    expectation.whileShown = std::move(whileShown);
    queue(std::move(expectation));
}

void ScriptedDesktop::expectConfirm(const QString& text, bool answerYes) {
    Expectation expectation(Match::withText(Kind::Confirm, text));
    expectation.answerYes = answerYes;
    queue(std::move(expectation));
}

void ScriptedDesktop::expectError(const QString& text, std::function<void()> whileShown) {
    Expectation expectation(Match::withText(Kind::Error, text));
    expectation.whileShown = std::move(whileShown);
    queue(std::move(expectation));
}

void ScriptedDesktop::expectMessage(const QString& caption, const QString& text) {
    queue(Expectation(Match::withCaptionAndText(Kind::Message, caption, text)));
}

void ScriptedDesktop::expectOpenFile(const QString& answerPath) {
    Expectation expectation(Match::of(Kind::OpenFile));
    expectation.answerPath = answerPath;
    queue(std::move(expectation));
}

void ScriptedDesktop::expectSaveFile(const QString& answerPath) {
    Expectation expectation(Match::of(Kind::SaveFile));
    expectation.answerPath = answerPath;
    queue(std::move(expectation));
}

void ScriptedDesktop::expectPrint(bool answerOk, PrinterSetup setup) {
    Expectation expectation(Match::of(Kind::Print));
    expectation.answerYes = answerOk;
    expectation.printerSetup = std::move(setup);
    queue(std::move(expectation));
}

void ScriptedDesktop::expectOpenUrl(const QUrl& url, bool answerOpened) {
    Expectation expectation(Match::withText(Kind::OpenUrl, url.toString()));
    expectation.answerYes = answerOpened;
    queue(std::move(expectation));
}

void ScriptedDesktop::expectHelp(HelpView view) {
    queue(Expectation(Match::withText(Kind::Help, HelpViewName(view))));
}

void ScriptedDesktop::expectMail(MailLaunch answer) {
    Expectation expectation(Match::of(Kind::Mail));
    expectation.answerMail = answer;
    queue(std::move(expectation));
}

void ScriptedDesktop::queueModal(std::function<std::optional<int>(QDialog&)> script) {
    Expectation expectation(Match::of(Kind::Modal));
    expectation.modalScript = std::move(script);
    queue(std::move(expectation));
}

void ScriptedDesktop::verify() {
    for (const Expectation& left : expected_)
        ADD_FAILURE() << "expected but never called: " << left.match.describe().toStdString();
    expected_.clear();
}

std::optional<ScriptedDesktop::Expectation> ScriptedDesktop::take(const Call& call) {
    calls_.push_back(call);
    if (expected_.empty() || expected_.front().match.kind != call.kind) {
        ADD_FAILURE() << "unexpected call: " << Describe(call).toStdString() << "\n  next expected: "
                      << (expected_.empty() ? std::string("nothing")
                                            : expected_.front().match.describe().toStdString());
        return std::nullopt;
    }
    Expectation next = std::move(expected_.front());
    expected_.pop_front();
    if (!next.match.accepts(call))
        ADD_FAILURE() << "call differs from the expected one\n  actual:   " << Describe(call).toStdString()
                      << "\n  expected: " << next.match.describe().toStdString();
    return next;
}

void ScriptedDesktop::checkListed(const QString& text) const {
    if (texts_ == MessageTexts::ProgramMessagesOnly && !IsProgramMessage(text))
        ADD_FAILURE() << "a message missing from the program's list (ProgramMessages.h) and so from the "
                         "manual: \""
                      << text.toStdString() << "\"";
}

void ScriptedDesktop::showInformation(const QString& text) {
    checkListed(text);
    const auto met = take({Kind::Information, {}, text});
    if (met && met->whileShown)
        met->whileShown();
}

bool ScriptedDesktop::confirm(const QString& text) {
    checkListed(text);
    const auto met = take({Kind::Confirm, {}, text});
    return met && met->answerYes;
}

void ScriptedDesktop::showError(const QString& text) {
    checkListed(text);
    const auto met = take({Kind::Error, {}, text});
    if (met && met->whileShown)
        met->whileShown();
}

void ScriptedDesktop::showMessage(const QString& caption, const QString& text) {
    checkListed(text);
    take({Kind::Message, caption, text});
}

QString ScriptedDesktop::openFileName(const QString& caption, const QString& directory,
                                      const QString& filter) {
    dialogFolders_ << directory;
    const auto met = take({Kind::OpenFile, caption, filter});
    return met ? met->answerPath : QString();
}

QString ScriptedDesktop::saveFileName(const QString& caption, const QString& directory, const QString& filter,
                                      const QString& defaultSuffix) {
    dialogFolders_ << directory;
    const auto met = take({Kind::SaveFile, caption, filter});
    if (!met || met->answerPath.isEmpty())
        return {};
    // As the real dialog does, a name typed without an extension gets the default one.
    if (QFileInfo(met->answerPath).suffix().isEmpty() && !defaultSuffix.isEmpty())
        return met->answerPath + QLatin1Char('.') + defaultSuffix;
    return met->answerPath;
}

bool ScriptedDesktop::choosePrinter(QPrinter& printer) {
    const auto met = take({Kind::Print, {}, printer.docName()});
    if (!met || !met->answerYes)
        return false;
    if (met->printerSetup)
        met->printerSetup(printer);
    return true;
}

std::optional<QString> ScriptedDesktop::print(const PrintJob& job) {
    return PrintJobOn(
        job, [this](QPrinter& printer) { return choosePrinter(printer); },
        [&] { return startProgress(job.progressTitle, job.progressLabel); });
}

void ScriptedDesktop::handOverUrl(const QUrl& url, QObject& receiver,
                                  std::function<void(bool opened)> finished) {
    if (throughHelpers_) {
        calls_.push_back({Kind::OpenUrl, {}, url.toString()});
        realDesktop_.openUrl(url, receiver, std::move(finished));
        return;
    }
    const auto met = take({Kind::OpenUrl, {}, url.toString()});
    // Unexpected: claim success, so no follow-up "cannot open" box piles on.
    const bool opened = !met || met->answerYes;
    QTimer::singleShot(0, &receiver, [opened, finished = std::move(finished)] { finished(opened); });
}

void ScriptedDesktop::showHelp(HelpView view) {
    take({Kind::Help, {}, HelpViewName(view)});
}

void ScriptedDesktop::handOverMail(const MailMessage& message, QObject& receiver,
                                   std::function<void(const MailLaunch&)> finished) {
    mails_.push_back(message);
    if (throughHelpers_) {
        calls_.push_back({Kind::Mail, message.subject, message.body});
        realDesktop_.startMail(message, receiver, std::move(finished));
        return;
    }
    const auto met = take({Kind::Mail, message.subject, message.body});
    // Unexpected: claim success, so no follow-up error box piles on.
    const MailLaunch answer = met ? met->answerMail : MailLaunch{};
    QTimer::singleShot(0, &receiver, [answer, finished = std::move(finished)] { finished(answer); });
}

void ScriptedDesktop::setClipboard(const QByteArray& text, const QByteArray& html) {
    calls_.push_back({Kind::Clipboard, QString::fromUtf8(text), QString::fromUtf8(html)});
    realDesktop_.setClipboard(text, html);
}

namespace {

// Work the scripted person watches: cancelled at the call the test chose.
class ScriptedProgress final : public Progress {
public:
    explicit ScriptedProgress(int cancelAtCall) : cancelAtCall_(cancelAtCall) {}
    bool carryOn(double done) override {
        EXPECT_GE(done, lastDone_) << "progress goes forward";
        EXPECT_LE(done, 1.0);
        lastDone_ = done;
        cancelled_ = cancelled_ || ++calls_ == cancelAtCall_;
        return !cancelled_;
    }

private:
    int cancelAtCall_;
    int calls_ = 0;
    double lastDone_ = 0;
    bool cancelled_ = false;
};

} // namespace

std::unique_ptr<Progress> ScriptedDesktop::watchWork(const QString& title, const QString& label) {
    progressTitles_ << title;
    progressLabels_ << label;
    if (progressWindowsOver_) {
        return std::make_unique<ProgressWindow>(title, label, progressWindowsOver_);
    }
    return std::make_unique<ScriptedProgress>(std::exchange(cancelAtCall_, 0));
}

int ScriptedDesktop::execModal(QDialog& dialog) {
    const auto met = take({Kind::Modal, dialog.windowTitle(), dialog.objectName()});
    if (!met)
        return QDialog::Rejected;
    const QPointer<QWidget> previouslyActive = QApplication::activeWindow();
    dialog.setResult(0);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    const std::optional<int> returned = met->modalScript(dialog);
    if (dialog.isVisible())
        dialog.close();
    if (dialog.isVisible()) {
        ADD_FAILURE() << "modal window " << dialog.objectName().toStdString()
                      << " refused to close after its script; hidden by force";
        dialog.hide();
    }
    if (previouslyActive)
        QApplication::setActiveWindow(previouslyActive);
    return returned.value_or(dialog.result());
}

} // namespace tavrix
