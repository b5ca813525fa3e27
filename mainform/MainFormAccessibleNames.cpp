// What a screen reader says for each control of the main window: a name for
// every control, and a description where the name alone does not say what
// the control is for. The glyph buttons are named by their hints.
#include "Tavrix_MainForm.h"
#include "ui_Tavrix_MainForm.h"

#include <QLineEdit>

namespace tavrix {

namespace {

struct Spoken {
    QWidget* control;
    QString name;
    QString description;
};

} // namespace

void TFormTavrix::nameControlsForScreenReaders() {
    setAccessibleName(windowTitle());
    setAccessibleDescription(tr("Unit converter"));
    const Spoken spoken[] = {
        {ui->ImageTavrixBanner, QStringLiteral("Tavrix"), tr("Banner picture")},
        {ui->ImageSupplier_MainForm, tr("Supplier"), tr("Opens the supplier's web site")},
        {ui->LabelProvidedByWebAddress, {}, tr("Opens the supplier's web site")},
        {ui->ListBoxConvertCategory, tr("Category"),
         tr("The categories of physical quantity; choosing one lists its units")},
        {ui->ListBoxConvertFromUnit, ui->LabelConvertFromUnit->text(),
         tr("The units of the category, to convert from")},
        {ui->ListBoxConvertToUnit, ui->LabelConvertToUnit->text(),
         tr("The units of the category, to convert to")},
        {ui->EditFromValue, tr("Value"), tr("The value to convert, in the unit chosen to convert from")},
        {ui->EditToValue, tr("Result"), tr("Holds the result: the value in the unit chosen to convert to")},
        {ui->BitBtnCalculateEntry, ui->BitBtnCalculateEntry->toolTip(),
         tr("Opens the calculator; its result becomes the value")},
        {ui->BitBtnMultiplyBy2, tr("Times 2"), tr("Multiplies the value by 2")},
        {ui->BitBtnMultiplyBy3, tr("Times 3"), tr("Multiplies the value by 3")},
        {ui->BitBtnMultiplyBy4, tr("Times 4"), tr("Multiplies the value by 4")},
        {ui->BitBtnMultiplyBy5, tr("Times 5"), tr("Multiplies the value by 5")},
        {ui->BitBtnMultiplyBy10, tr("Times 10"), tr("Multiplies the value by 10")},
        {ui->BitBtnReciprocal, tr("Reciprocal"), tr("Replaces the value by 1 divided by it")},
        {ui->BitBtnDivideBy2, tr("Divided by 2"), tr("Divides the value by 2")},
        {ui->BitBtnDivideBy3, tr("Divided by 3"), tr("Divides the value by 3")},
        {ui->BitBtnDivideBy4, tr("Divided by 4"), tr("Divides the value by 4")},
        {ui->BitBtnDivideBy5, tr("Divided by 5"), tr("Divides the value by 5")},
        {ui->BitBtnDivideBy10, tr("Divided by 10"), tr("Divides the value by 10")},
        {ui->BitBtnCalulateResult, {}, ui->BitBtnCalulateResult->toolTip()},
        {ui->ComboBoxDecimalPlaces, ui->LabelDecimalPlaces->text(),
         tr("The number of decimals in the result, 0 to 16")},
        {ui->BitBtnAddToResultsLog, {}, tr("Adds the conversion as a line of the results log")},
        {ui->Bevel1, ui->LabelResultsLog->text(), tr("The results log's buttons")},
        {ui->MemoResultsLog, ui->LabelResultsLog->text(),
         tr("The results collected so far, one per line, and notes")},
    };
    for (const Spoken& control : spoken) {
        if (!control.name.isEmpty()) {
            control.control->setAccessibleName(control.name);
        }
        control.control->setAccessibleDescription(control.description);
    }
    // The log's glyph buttons say what their hints say.
    for (QAbstractButton* button :
         {ui->BitBtnOpenLogFile, ui->BitBtnSaveLogFile, ui->BitBtnEmailLog, ui->BitBtnPrintLog,
          ui->BitBtnNewLog, ui->BitBtnCopyLogToClipboard, ui->BitBtnDeleteLogLine,
          ui->BitBtnCalculatorStringToLog, ui->BitBtnAddNoteToLog}) {
        button->setAccessibleName(button->toolTip());
    }
    // On Linux a screen reader names a combo box after the label that is its
    // buddy, not after its accessible name: that is the value it shows ("6").
    // Its field, which holds the keyboard focus, is named for itself.
    ui->LabelDecimalPlaces->setBuddy(ui->ComboBoxDecimalPlaces);
    ui->ComboBoxDecimalPlaces->lineEdit()->setAccessibleName(ui->LabelDecimalPlaces->text());
    ui->ClientArea->setAccessibleName(windowTitle());
    ui->MainMenu1->setAccessibleName(tr("Menu bar"));
    // A menu that drops down is a window of its own, named after its title
    // without the mark of its Alt key.
    for (QMenu* menu : {ui->File1, ui->Edit1, ui->Settings1, ui->Help1}) {
        menu->setAccessibleName(QString(menu->title()).remove(QLatin1Char('&')));
    }
}

} // namespace tavrix
