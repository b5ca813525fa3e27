#include "Tavrix_AddLogText.h"

#include "Desktop.h"
#include "Fonts.h"
#include "ResultsLogField.h"
#include "WindowPlacement.h"
#include "ui_Tavrix_AddLogText.h"

#include <QTextCursor>

namespace tavrix {

namespace {

constexpr QSize ClientSize{341, 278};

} // namespace

TFormOVConvert_LogText::TFormOVConvert_LogText(Desktop& desktop, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TFormOVConvert_LogText>()), desktop_(desktop) {
    ui->setupUi(this);
    setFont(SmallWindowFont());
    setFixedSize(ClientSize);
    ui->Memo_TextToResultsLog->setAccessibleName(QStringLiteral("Results Log"));
    ui->Memo_TextToResultsLog->setAccessibleDescription(
        QStringLiteral("The whole results log, to change, add notes to or shorten"));
    ui->BitBtn_AddTextToResultsLog->setAccessibleDescription(
        QStringLiteral("Puts this text into the results log"));
    ui->BitBtn_AddTextCancel->setAccessibleDescription(QStringLiteral("Leaves the results log as it was"));
    connect(ui->BitBtn_AddTextToResultsLog, &QAbstractButton::clicked, this,
            &TFormOVConvert_LogText::BitBtn_AddTextToResultsLogClick);
    connect(ui->BitBtn_AddTextCancel, &QAbstractButton::clicked, this,
            &TFormOVConvert_LogText::BitBtn_AddTextCancelClick);
}

TFormOVConvert_LogText::~TFormOVConvert_LogText() = default;

void TFormOVConvert_LogText::setLogText(const QString& text) {
    ui->Memo_TextToResultsLog->setPlainText(text);
}

QString TFormOVConvert_LogText::logText() const {
    return WholeText(*ui->Memo_TextToResultsLog->document());
}

void TFormOVConvert_LogText::ShowAtPosition(int left, int top) {
    logTextAccepted_ = false;
    PlaceWindowAt(*this, left, top);
    // The log's text ends with an empty line: the place for a new note.
    ui->Memo_TextToResultsLog->moveCursor(QTextCursor::End);
    ui->Memo_TextToResultsLog->setFocus();
    desktop_.execModal(*this);
}

void TFormOVConvert_LogText::BitBtn_AddTextToResultsLogClick() {
    logTextAccepted_ = true;
    accept();
}

void TFormOVConvert_LogText::BitBtn_AddTextCancelClick() {
    reject();
}

} // namespace tavrix
