// The amend dialog: the whole results log as editable text. Notes are
// typed in here, and any line may be changed or removed.
#pragma once

#include <QDialog>

#include "LogBlocks.h"

#include <QTextCursor>

#include <functional>
#include <memory>
#include <vector>

namespace Ui {
class TFormOVConvert_LogText;
}

class QTextDocument;

namespace tavrix {

class Desktop;
class Progress;

class TFormOVConvert_LogText : public QDialog {
    Q_OBJECT

public:
    explicit TFormOVConvert_LogText(Desktop& desktop, QWidget* parent = nullptr);
    ~TFormOVConvert_LogText() override;

    // The results log the dialog opens with: the log field's document, as
    // LogBlocks.h tells. Tells `progress` along the way; false, with the
    // dialog emptied, when the person cancelled.
    bool setLog(const QTextDocument& log, Progress& progress);
    // What it holds when it closes, handed to `take` run by run, and about
    // how many characters that makes.
    void forEachLineRun(const TakeLineRun& take) const;
    qsizetype textSize() const;
    // Lets go of the text, which may run to megabytes.
    void clearLog();

    // Opens the dialog modally with its top-left corner at (left, top) on
    // the screen, or centred when `left` is negative; returns when it closes.
    void ShowAtPosition(int left, int top);
    // Whether the dialog was last closed with OK.
    bool LogTextAccepted() const { return logTextAccepted_; }

public slots:
    void BitBtn_AddTextToResultsLogClick();
    void BitBtn_AddTextCancelClick();

private:
    void markLinesGoingOn(const QTextDocument& log);

    std::unique_ptr<Ui::TFormOVConvert_LogText> ui;
    Desktop& desktop_;
    bool logTextAccepted_ = false;
    // A line too long to lay out in one piece is held in several blocks;
    // these stay at the starts of all but its first, wherever editing moves
    // them, and tell the block ends that do not end a line.
    std::vector<QTextCursor> lineGoesOn_;
};

} // namespace tavrix
