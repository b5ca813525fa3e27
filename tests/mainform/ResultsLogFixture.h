// The main window with the windows the results log works with (the
// calculator and the amend dialog), and the hands that fill and read the log.
#pragma once

#include "CalculatorPopUp.h"
#include "MainFormFixture.h"
#include "ResultsLogField.h"
#include "Tavrix_AddLogText.h"

#include <QDialog>
#include <QPlainTextEdit>

namespace tavrix {

class ResultsLogTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        window.attachCalculator(calculator);
        window.attachLogTextDialog(logTextDialog);
    }

    QPlainTextEdit& logField() { return control<QPlainTextEdit>("MemoResultsLog"); }
    // The log's lines as the field shows them, and its whole text.
    QStringList logLines() { return window.resultsLogLines(); }
    QString logText() { return window.resultsLogText(); }

    // The person opens the amend dialog, replaces its whole text by `text`
    // (as a paste would) and presses OK.
    void amendLogTo(const QString& text) {
        desktop.expectModal([&text](QDialog& dialog) {
            Find<QPlainTextEdit>(dialog, "Memo_TextToResultsLog").setPlainText(text);
            Click(Find<QWidget>(dialog, "BitBtn_AddTextToResultsLog"));
        });
        click("BitBtnAddNoteToLog");
        desktop.verify();
    }
    // A file in the test's data folder.
    QString pathOf(const QString& name) const { return folder.filePath(name); }

    // Saves to `answerPath` through the save dialog, or opens it through the
    // open dialog; `error` is the error box expected.
    void save(const QString& answerPath, const QString& error = {}) {
        desktop.expectSaveFile(answerPath);
        clickExpectingError("BitBtnSaveLogFile", error);
    }
    void open(const QString& answerPath, const QString& error = {}) {
        desktop.expectOpenFile(answerPath);
        clickExpectingError("BitBtnOpenLogFile", error);
    }
    void clickExpectingError(const char* button, const QString& error) {
        if (!error.isEmpty()) {
            desktop.expectError(error);
        }
        click(button);
        desktop.verify();
    }
    // A log of the given lines, each ended as lines added to the log are.
    void setLogLines(const QStringList& lines) {
        amendLogTo(lines.isEmpty() ? QString() : lines.join('\n') + '\n');
    }

    TFormCalculatorPopUp calculator{desktop, paths, &window};
    TFormOVConvert_LogText logTextDialog{desktop, &window};
};

} // namespace tavrix
