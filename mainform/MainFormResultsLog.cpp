// The results log's own operations: conversion lines, calculator lines,
// amending, deleting and clearing. Each is a tool button and a menu item.
#include "Desktop.h"
#include "ResultsLogField.h"
#include "Tavrix_AddLogText.h"
#include "Tavrix_MainForm.h"
#include "ValueText.h"
#include "ui_Tavrix_MainForm.h"

namespace tavrix {

void TFormTavrix::connectResultsLogHandlers() {
    const auto onClick = [this](QAbstractButton* button, void (TFormTavrix::*handler)()) {
        connect(button, &QAbstractButton::clicked, this, handler);
    };
    const auto onMenu = [this](QAction* item, void (TFormTavrix::*handler)()) {
        connect(item, &QAction::triggered, this, handler);
    };
    onClick(ui->BitBtnAddToResultsLog, &TFormTavrix::BitBtnAddToResultsLogClick);
    onClick(ui->BitBtnCalculatorStringToLog, &TFormTavrix::BitBtnCalculatorStringToLogClick);
    onMenu(ui->CalculateentryforResultsLog1, &TFormTavrix::BitBtnCalculatorStringToLogClick);
    onClick(ui->BitBtnAddNoteToLog, &TFormTavrix::BitBtnAddNoteToLogClick);
    onMenu(ui->EdittextinResultsLog1, &TFormTavrix::BitBtnAddNoteToLogClick);
    onClick(ui->BitBtnDeleteLogLine, &TFormTavrix::BitBtnDeleteLogLineClick);
    onMenu(ui->DeleteselectedtextinResultsLog1, &TFormTavrix::BitBtnDeleteLogLineClick);
    onClick(ui->BitBtnNewLog, &TFormTavrix::BitBtnNewLogClick);
    onMenu(ui->ClearResultslog1, &TFormTavrix::BitBtnNewLogClick);
    onClick(ui->BitBtnOpenLogFile, &TFormTavrix::BitBtnOpenLogFileClick);
    onMenu(ui->OpenResultsLogfile1, &TFormTavrix::BitBtnOpenLogFileClick);
    onClick(ui->BitBtnSaveLogFile, &TFormTavrix::BitBtnSaveLogFileClick);
    onMenu(ui->SaveResultsLogfile1, &TFormTavrix::BitBtnSaveLogFileClick);
    onClick(ui->BitBtnCopyLogToClipboard, &TFormTavrix::BitBtnCopyLogToClipboardClick);
    onMenu(ui->CopyResultsLogtoclipboard1, &TFormTavrix::BitBtnCopyLogToClipboardClick);
    onClick(ui->BitBtnPrintLog, &TFormTavrix::BitBtnPrintLogClick);
    onMenu(ui->PrintResultsLog1, &TFormTavrix::BitBtnPrintLogClick);
    onClick(ui->BitBtnEmailLog, &TFormTavrix::BitBtnEmailLogClick);
    onMenu(ui->EmailResultsLog1, &TFormTavrix::BitBtnEmailLogClick);
}

QStringList TFormTavrix::resultsLogLines() const {
    return tavrix::ResultsLogLines(*ui->MemoResultsLog);
}

QString TFormTavrix::resultsLogText() const {
    return ResultsLogText(*ui->MemoResultsLog);
}

// The line holds exactly what the window shows: the result is not formatted
// again. A compound value names its own units ("5 ft 11 in"), so its unit's
// name is left out, and the value is written as the window writes one.
void TFormTavrix::BitBtnAddToResultsLogClick() {
    QString value = ui->EditFromValue->text();
    const ValueReading reading = readFieldValue(fromUnit());
    if (CompoundOf(fromUnit()) != nullptr && reading.value) {
        value = ValueFieldText(*reading.value, fromUnit(), WorkedOutValueDecimals, numberFormat());
    }
    AppendResultsLogLines(
        *ui->MemoResultsLog,
        {ConversionLine(value, ui->LabelFromUnit->text(), ui->LabelEqualSign->text(), ui->EditToValue->text(),
                        ui->LabelToUnit->text(), fromUnit(), UnitIndexOfName(ui->LabelToUnit->text()))});
}

void TFormTavrix::BitBtnCalculatorStringToLogClick() {
    const QString value = valueFromCalculatorAt({210, 235});
    if (!value.isEmpty()) {
        AppendResultsLogLines(*ui->MemoResultsLog, {value});
    }
}

void TFormTavrix::BitBtnAddNoteToLogClick() {
    if (logTextDialog_ == nullptr && makeHiddenWindows_) {
        makeHiddenWindows_();
    }
    if (logTextDialog_ == nullptr) {
        return;
    }
    // A log of megabytes takes a while to hand to the dialog and back.
    const auto amending = [this] {
        return desktop_.startProgress(tr("Amending the results log"), tr("Amending the results log..."));
    };
    // Cancelled, the dialog does not open.
    if (!logTextDialog_->setLog(*ui->MemoResultsLog->document(), *amending())) {
        return;
    }
    const QPoint at = frameGeometry().topLeft();
    logTextDialog_->ShowAtPosition(at.x() + 220, at.y() + 310);
    if (logTextDialog_->LogTextAccepted()) {
        // Cancelled, the log is as it was. The dialog lets go of its text
        // once handed over, before the old log goes.
        ReplaceResultsLog(
            *ui->MemoResultsLog,
            [this](const auto& take) {
                logTextDialog_->forEachLineRun(take);
                logTextDialog_->clearLog();
            },
            *amending(), logTextDialog_->textSize());
    }
    // The dialog keeps no copy of a log that may run to megabytes.
    logTextDialog_->clearLog();
}

void TFormTavrix::BitBtnDeleteLogLineClick() {
    RemoveSelectedLogText(*ui->MemoResultsLog);
}

void TFormTavrix::BitBtnNewLogClick() {
    if (desktop_.confirm(tr("Are your sure you wish to clear the results log?"))) {
        ui->MemoResultsLog->clear();
    }
}

} // namespace tavrix
