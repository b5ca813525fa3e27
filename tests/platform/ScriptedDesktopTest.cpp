#include "ScriptedDesktop.h"
#include "Widgets.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <optional>

namespace tavrix {
namespace {

// A box the manual does not explain fails the test that shows it.
TEST(ScriptedDesktop, RefusesAMessageThatIsNotListed) {
    ScriptedDesktop desktop;
    desktop.expectInformation("Saved.");
    EXPECT_NONFATAL_FAILURE(desktop.showInformation("Saved."), "missing from the program's list");
    desktop.expectError(
        "Cannot read the results log file \"/tmp/a\":\nIt holds binary data, not a results log.");
    desktop.showError(
        "Cannot read the results log file \"/tmp/a\":\nIt holds binary data, not a results log.");
}

TEST(ScriptedDesktop, HandsBackTheQueuedAnswersInOrder) {
    ScriptedDesktop desktop(ScriptedDesktop::MessageTexts::Any);
    desktop.expectConfirm("Clear the log?", true);
    desktop.expectConfirm("Really?", false);
    desktop.expectOpenFile("/tmp/a.TVRX");
    desktop.expectSaveFile("");
    desktop.expectPrint(false);
    desktop.expectOpenUrl(QUrl("https://example.org"), false);
    desktop.expectMail({MailLaunch::Outcome::NoMailClient});
    desktop.expectHelp(HelpView::Index);
    desktop.expectMessage("Error", "Error while trying to send email");

    EXPECT_TRUE(desktop.confirm("Clear the log?"));
    EXPECT_FALSE(desktop.confirm("Really?"));
    EXPECT_EQ(desktop.openFileName("Open", "/tmp", "Tavrix Log (*.TVRX)"), "/tmp/a.TVRX");
    EXPECT_EQ(desktop.saveFileName("Save", "/tmp", "Tavrix Log (*.TVRX)", "TVRX"), "");
    QPrinter printer;
    printer.setDocName("TAVRIX Results Log");
    EXPECT_FALSE(desktop.choosePrinter(printer));
    QObject receiver;
    std::optional<bool> opened;
    desktop.openUrl(QUrl("https://example.org"), receiver, [&opened](bool answer) { opened = answer; });
    EXPECT_FALSE(opened) << "opening ends from the event loop, not inside openUrl";
    EXPECT_TRUE(QTest::qWaitFor([&opened] { return opened.has_value(); }));
    EXPECT_EQ(opened, false);
    std::optional<MailLaunch::Outcome> mailOutcome;
    desktop.startMail({{}, "TAVRIX - Results Log", "1 m = 100 cm\n", {}}, receiver,
                      [&mailOutcome](const MailLaunch& launch) { mailOutcome = launch.outcome; });
    EXPECT_FALSE(mailOutcome) << "the hand-over ends from the event loop, not inside startMail";
    EXPECT_TRUE(QTest::qWaitFor([&mailOutcome] { return mailOutcome.has_value(); }));
    EXPECT_EQ(mailOutcome, MailLaunch::Outcome::NoMailClient);
    desktop.showHelp(HelpView::Index);
    desktop.showMessage("Error", "Error while trying to send email");

    ASSERT_EQ(desktop.calls().size(), 9u);
    EXPECT_EQ(desktop.calls()[2].kind, ScriptedDesktop::Kind::OpenFile);
    EXPECT_EQ(desktop.calls()[2].text, "Tavrix Log (*.TVRX)");
    EXPECT_EQ(desktop.calls()[4].text, "TAVRIX Results Log");
    EXPECT_EQ(desktop.calls()[6].caption, "TAVRIX - Results Log");
    EXPECT_EQ(desktop.calls()[6].text, "1 m = 100 cm\n");
}

TEST(ScriptedDesktop, LetsTheTestSetUpTheChosenPrinter) {
    ScriptedDesktop desktop(ScriptedDesktop::MessageTexts::Any);
    desktop.expectPrint(true, [](QPrinter& chosen) { chosen.setOutputFileName("/tmp/log.pdf"); });
    QPrinter printer;
    EXPECT_TRUE(desktop.choosePrinter(printer));
    EXPECT_EQ(printer.outputFileName(), "/tmp/log.pdf");
}

TEST(ScriptedDesktop, FailsOnACallNobodyExpectedAndAnswersHarmlessly) {
    ScriptedDesktop desktop(ScriptedDesktop::MessageTexts::Any);
    bool answer = true;
    EXPECT_NONFATAL_FAILURE(answer = desktop.confirm("Overwrite?"), "unexpected call: confirmation");
    EXPECT_FALSE(answer);
    QString path = "unchanged";
    EXPECT_NONFATAL_FAILURE(path = desktop.openFileName("Open", "", ""), "open dialog");
    EXPECT_TRUE(path.isEmpty());
    EXPECT_EQ(desktop.calls().size(), 2u);
}

TEST(ScriptedDesktop, FailsOnAWrongTextButUsesTheExpectation) {
    ScriptedDesktop desktop(ScriptedDesktop::MessageTexts::Any);
    desktop.expectConfirm("Clear the log?", true);
    desktop.expectInformation("Done");
    bool answer = false;
    EXPECT_NONFATAL_FAILURE(answer = desktop.confirm("Delete the log?"), "Delete the log?");
    EXPECT_TRUE(answer);
    desktop.showInformation("Done");
}

TEST(ScriptedDesktop, WrongKindLeavesTheExpectationForTheRightCall) {
    ScriptedDesktop desktop(ScriptedDesktop::MessageTexts::Any);
    desktop.expectError("Disk full");
    EXPECT_NONFATAL_FAILURE(desktop.showInformation("Saved"), "next expected: error box");
    desktop.showError("Disk full");
}

TEST(ScriptedDesktop, ExpectationsLeftOverFailOnDestruction) {
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedDesktop desktop(ScriptedDesktop::MessageTexts::Any);
            desktop.expectInformation("never shown");
        },
        "expected but never called: information box");
}

// A dialog with an edit field and OK, Cancel buttons, recording its show and close handlers.
class ProbeDialog : public QDialog {
public:
    ProbeDialog() {
        setObjectName("ProbeDialog");
        setWindowTitle("Probe");
        auto* layout = new QVBoxLayout(this);
        auto* edit = new QLineEdit(this);
        edit->setObjectName("Edit");
        auto* ok = new QPushButton("OK", this);
        ok->setObjectName("OK");
        layout->addWidget(edit);
        layout->addWidget(ok);
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
        edit->setFocus();
    }
    int shows = 0;
    int closes = 0;

protected:
    void showEvent(QShowEvent* event) override {
        ++shows;
        QDialog::showEvent(event);
    }
    void closeEvent(QCloseEvent* event) override {
        ++closes;
        QDialog::closeEvent(event);
    }
};

TEST(ScriptedDesktop, RunsTheModalScriptOnTheShownDialog) {
    ScriptedDesktop desktop(ScriptedDesktop::MessageTexts::Any);
    ProbeDialog dialog;
    desktop.expectModal([](QDialog& shown) {
        EXPECT_TRUE(shown.isVisible());
        EXPECT_FALSE(shown.isModal());
        TypeIntoFocus(shown, "12.5");
        Click(Find<QPushButton>(shown, "OK"));
    });
    EXPECT_EQ(desktop.execModal(dialog), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(Find<QLineEdit>(dialog, "Edit").text(), "12.5");
    EXPECT_EQ(dialog.shows, 1);
    EXPECT_EQ(dialog.closes, 0);
    ASSERT_EQ(desktop.calls().size(), 1u);
    EXPECT_EQ(desktop.calls()[0].caption, "Probe");
    EXPECT_EQ(desktop.calls()[0].text, "ProbeDialog");
}

TEST(ScriptedDesktop, GivesTheActivationBackToTheCallingWindow) {
    ScriptedDesktop desktop(ScriptedDesktop::MessageTexts::Any);
    QWidget mainWindow;
    mainWindow.show();
    QApplication::setActiveWindow(&mainWindow);
    ProbeDialog dialog;
    desktop.expectModal([](QDialog& shown) { EXPECT_EQ(QApplication::activeWindow(), &shown); });
    desktop.execModal(dialog);
    EXPECT_EQ(QApplication::activeWindow(), &mainWindow);
}

TEST(ScriptedDesktop, ClosesADialogTheScriptLeftOpenLikeItsTitleBarButton) {
    ScriptedDesktop desktop(ScriptedDesktop::MessageTexts::Any);
    ProbeDialog dialog;
    dialog.setResult(QDialog::Accepted); // left over from an earlier opening
    desktop.expectModal([](QDialog&) {});
    EXPECT_EQ(desktop.execModal(dialog), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.closes, 1);
}

TEST(ScriptedDesktop, ReturnsWhatAScriptReturns) {
    ScriptedDesktop desktop(ScriptedDesktop::MessageTexts::Any);
    ProbeDialog dialog;
    desktop.expectModal([](QDialog& shown) {
        shown.accept();
        return 7;
    });
    EXPECT_EQ(desktop.execModal(dialog), 7);
}

TEST(ScriptedDesktop, UnexpectedModalWindowIsNeverShown) {
    ScriptedDesktop desktop(ScriptedDesktop::MessageTexts::Any);
    ProbeDialog dialog;
    int result = -1;
    EXPECT_NONFATAL_FAILURE(result = desktop.execModal(dialog), "modal window [Probe]");
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(dialog.shows, 0);
}

TEST(Widgets, MissingControlNamesWhatWasLookedFor) {
    QWidget window;
    window.setObjectName("Window");
    auto* edit = new QLineEdit(&window);
    edit->setObjectName("BitBtnCalulateResult");
    try {
        Find<QPushButton>(window, "BitBtnCalulateResult");
        ADD_FAILURE() << "no exception";
    } catch (const MissingControl& missing) {
        EXPECT_STREQ(missing.what(), "no QPushButton named \"BitBtnCalulateResult\" in QWidget \"Window\" "
                                     "(that name belongs to: QLineEdit)");
    }
}

} // namespace
} // namespace tavrix
