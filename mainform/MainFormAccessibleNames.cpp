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
    setAccessibleDescription(QStringLiteral("Unit converter"));
    const Spoken spoken[] = {
        {ui->ImageTavrixBanner, QStringLiteral("Tavrix"), QStringLiteral("Banner picture")},
        {ui->ImageSupplier_MainForm, QStringLiteral("Supplier"),
         QStringLiteral("Opens the supplier's web site")},
        {ui->LabelProvidedByWebAddress, {}, QStringLiteral("Opens the supplier's web site")},
        {ui->ListBoxConvertCategory, QStringLiteral("Category"),
         QStringLiteral("The categories of physical quantity; choosing one lists its units")},
        {ui->ListBoxConvertFromUnit, ui->LabelConvertFromUnit->text(),
         QStringLiteral("The units of the category, to convert from")},
        {ui->ListBoxConvertToUnit, ui->LabelConvertToUnit->text(),
         QStringLiteral("The units of the category, to convert to")},
        {ui->EditFromValue, QStringLiteral("Value"),
         QStringLiteral("The value to convert, in the unit chosen to convert from")},
        {ui->EditToValue, QStringLiteral("Result"),
         QStringLiteral("Holds the result: the value in the unit chosen to convert to")},
        {ui->BitBtnCalculateEntry, ui->BitBtnCalculateEntry->toolTip(),
         QStringLiteral("Opens the calculator; its result becomes the value")},
        {ui->BitBtnMultiplyBy2, QStringLiteral("Times 2"), QStringLiteral("Multiplies the value by 2")},
        {ui->BitBtnMultiplyBy3, QStringLiteral("Times 3"), QStringLiteral("Multiplies the value by 3")},
        {ui->BitBtnMultiplyBy4, QStringLiteral("Times 4"), QStringLiteral("Multiplies the value by 4")},
        {ui->BitBtnMultiplyBy5, QStringLiteral("Times 5"), QStringLiteral("Multiplies the value by 5")},
        {ui->BitBtnMultiplyBy10, QStringLiteral("Times 10"), QStringLiteral("Multiplies the value by 10")},
        {ui->BitBtnReciprocal, QStringLiteral("Reciprocal"),
         QStringLiteral("Replaces the value by 1 divided by it")},
        {ui->BitBtnDivideBy2, QStringLiteral("Divided by 2"), QStringLiteral("Divides the value by 2")},
        {ui->BitBtnDivideBy3, QStringLiteral("Divided by 3"), QStringLiteral("Divides the value by 3")},
        {ui->BitBtnDivideBy4, QStringLiteral("Divided by 4"), QStringLiteral("Divides the value by 4")},
        {ui->BitBtnDivideBy5, QStringLiteral("Divided by 5"), QStringLiteral("Divides the value by 5")},
        {ui->BitBtnDivideBy10, QStringLiteral("Divided by 10"), QStringLiteral("Divides the value by 10")},
        {ui->BitBtnCalulateResult, {}, ui->BitBtnCalulateResult->toolTip()},
        {ui->ComboBoxDecimalPlaces, ui->LabelDecimalPlaces->text(),
         QStringLiteral("The number of decimals in the result, 0 to 16")},
        {ui->BitBtnAddToResultsLog, {}, QStringLiteral("Adds the conversion as a line of the results log")},
        {ui->Bevel1, ui->LabelResultsLog->text(), QStringLiteral("The results log's buttons")},
        {ui->MemoResultsLog, ui->LabelResultsLog->text(),
         QStringLiteral("The results collected so far, one per line, and notes")},
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
    ui->MainMenu1->setAccessibleName(QStringLiteral("Menu bar"));
    // A menu that drops down is a window of its own, named after its title
    // without the mark of its Alt key.
    for (QMenu* menu : {ui->File1, ui->Edit1, ui->Settings1, ui->Help1}) {
        menu->setAccessibleName(QString(menu->title()).remove(QLatin1Char('&')));
    }
}

} // namespace tavrix
