// The amend dialog: the whole results log as editable text. Notes are
// typed in here, and any line may be changed or removed.
#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TFormOVConvert_LogText;
}

namespace tavrix {

class Desktop;

class TFormOVConvert_LogText : public QDialog {
    Q_OBJECT

public:
    explicit TFormOVConvert_LogText(Desktop& desktop, QWidget* parent = nullptr);
    ~TFormOVConvert_LogText() override;

    // The text the dialog opens with, and what it holds when it closes.
    void setLogText(const QString& text);
    QString logText() const;

    // Opens the dialog modally with its top-left corner at (left, top) on
    // the screen, or centred when `left` is negative; returns when it closes.
    void ShowAtPosition(int left, int top);
    // Whether the dialog was last closed with OK.
    bool LogTextAccepted() const { return logTextAccepted_; }

public slots:
    void BitBtn_AddTextToResultsLogClick();
    void BitBtn_AddTextCancelClick();

private:
    std::unique_ptr<Ui::TFormOVConvert_LogText> ui;
    Desktop& desktop_;
    bool logTextAccepted_ = false;
};

} // namespace tavrix
