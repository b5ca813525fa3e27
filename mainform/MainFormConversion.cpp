// The conversion workflow: which units a category shows, which values are
// accepted for which units, and when the conversion runs.
#include "CalculatorNumberText.h"
#include "CalculatorPopUp.h"
#include "CategoryRowDelegate.h"
#include "ConversionRules.h"
#include "Desktop.h"
#include "LocaleNumberFormat.h"
#include "OV4_Input_Validation.h"
#include "RefusalTexts.h"
#include "Tavrix_FindUnit.h"
#include "Tavrix_MainForm.h"
#include "UnitIdentities.h"
#include "Utf8Text.h"
#include "ValueText.h"
#include "ui_Tavrix_MainForm.h"

#include <QListWidget>
#include <QSignalBlocker>

#include <algorithm>

namespace tavrix {

namespace {

constexpr int ValueFieldDecimals = 3;

} // namespace

ResultFormatCode TFormTavrix::currentResultFormatCode() const {
    if (ui->Scientificformat1->isChecked()) {
        return FormatScientific;
    }
    return ui->Usethousandsseparator1->isChecked() ? FormatThousands : FormatFixed;
}

NumberFormat TFormTavrix::numberFormat() const {
    return NumberFormatOf(desktop_.locale());
}

UnitIndex TFormTavrix::UnitIndexOfName(const QString& name) const {
    return FindUnitByName(name.toStdString(), spelling_);
}

UnitIndex TFormTavrix::fromUnit() const {
    return UnitIndexOfName(ui->LabelFromUnit->text());
}

ValueReading TFormTavrix::readFieldValue(UnitIndex unit) const {
    return ReadValueText(ui->EditFromValue->text(), unit, spelling_, DecimalSeparatorOf(numberFormat()));
}

double TFormTavrix::readValue(bool& valid, bool allowNegative) const {
    const ValueReading reading = readFieldValue(fromUnit());
    valid = reading.value && (allowNegative || *reading.value >= 0);
    return reading.value.value_or(-1);
}

void TFormTavrix::setValueText(double value, int decimals) {
    ui->EditFromValue->setText(ValueFieldText(value, fromUnit(), decimals, numberFormat()));
}

void TFormTavrix::showFromUnitChange(UnitIndex previous) {
    const UnitIndex now = fromUnit();
    ui->BitBtnReciprocal->setEnabled(CompoundOf(now) == nullptr);
    if (CompoundOf(now) == CompoundOf(previous)) {
        return; // plain to plain: the text stays as typed
    }
    const ValueReading reading = readFieldValue(previous);
    if (reading.value) {
        setValueText(*reading.value, WorkedOutValueDecimals);
    }
}

void TFormTavrix::refreshUnitLabels() {
    const QListWidgetItem* from = ui->ListBoxConvertFromUnit->currentItem();
    const QListWidgetItem* to = ui->ListBoxConvertToUnit->currentItem();
    const UnitIndex previous = fromUnit();
    ui->LabelFromUnit->setText(from ? from->text() : QString());
    showFromUnitChange(previous);
    ui->LabelToUnit->setText(to ? to->text() : QString());
    fitLabelsToText();
}

void TFormTavrix::ListBoxConvertCategoryClick() {
    ui->ListBoxConvertCategory->viewport()->update();
    const int category = ui->ListBoxConvertCategory->currentRow();
    if (category < 0 || category >= CategoryCount) {
        return;
    }
    FillUnitLists(CategoryUnits(category),
                  CategoryUnitRange[static_cast<std::size_t>(category)].initialValue);
}

void TFormTavrix::FillUnitLists(std::span<const UnitIndex> units, double defaultValue) {
    {
        const QSignalBlocker fromBlocker(ui->ListBoxConvertFromUnit);
        const QSignalBlocker toBlocker(ui->ListBoxConvertToUnit);
        ui->ListBoxConvertFromUnit->clear();
        ui->ListBoxConvertToUnit->clear();
        const auto& names = UnitNames(spelling_);
        for (const UnitIndex unit : units) {
            const QString name = FromUtf8(names.at(unit));
            ui->ListBoxConvertFromUnit->addItem(name);
            ui->ListBoxConvertToUnit->addItem(name);
        }
        ui->ListBoxConvertFromUnit->setCurrentRow(0);
        ui->ListBoxConvertToUnit->setCurrentRow(1);
    }
    refreshUnitLabels();
    setValueText(defaultValue, ValueFieldDecimals);
    CalculateConversion();
}

void TFormTavrix::Findunit1Click() {
    if (findUnit_ == nullptr) {
        findUnit_ = new TFormFindUnit(this);
        connect(findUnit_, &TFormFindUnit::unitChosen, this, &TFormTavrix::FoundUnitChosen);
    }
    const QRect categories = ui->ListBoxConvertCategory->geometry();
    // Twice the list's width: a unit's name and its category fit on one row.
    findUnit_->ShowOver(
        QRect(ui->ClientArea->mapTo(this, categories.topLeft()),
              QSize(categories.width() * 2, categories.height())),
        spelling_,
        static_cast<const FixedRowHeightDelegate*>(ui->ListBoxConvertFromUnit->itemDelegate())->rowHeight());
}

void TFormTavrix::FoundUnitChosen(UnitIndex unit, bool asTarget) {
    const int category = CategoryOfUnit(unit);
    if (category < 0) {
        return;
    }
    ui->ListBoxConvertCategory->setCurrentRow(category);
    QListWidget* list = asTarget ? ui->ListBoxConvertToUnit : ui->ListBoxConvertFromUnit;
    const std::span<const UnitIndex> units = CategoryUnits(category);
    list->setCurrentRow(static_cast<int>(std::find(units.begin(), units.end(), unit) - units.begin()));
}

void TFormTavrix::ListBoxConvertFromUnitClick() {
    const QListWidgetItem* item = ui->ListBoxConvertFromUnit->currentItem();
    const UnitIndex previous = fromUnit();
    ui->LabelFromUnit->setText(item ? item->text() : QString());
    fitLabelsToText();
    showFromUnitChange(previous);
    const UnitIndex from = fromUnit();
    if (unit::CircleFractions.contains(from)) {
        bool valid = false;
        const double value = readValue(valid, false);
        if (value != 1 &&
            desktop_.confirm(
                tr("Do you wish to use a value equal to a %1?").arg(ui->LabelFromUnit->text()))) {
            setValueText(1, ValueFieldDecimals);
        }
    }
    CalculateConversion();
}

void TFormTavrix::ListBoxConvertToUnitClick() {
    const QListWidgetItem* item = ui->ListBoxConvertToUnit->currentItem();
    ui->LabelToUnit->setText(item ? item->text() : QString());
    fitLabelsToText();
    CalculateConversion();
}

void TFormTavrix::CalculateConversion() {
    if (conversionsHeld_) {
        return;
    }
    ui->EditToValue->clear();
    ConversionRequest request;
    request.from = fromUnit();
    request.to = UnitIndexOfName(ui->LabelToUnit->text());
    const ValueReading reading = readFieldValue(request.from);
    const QString problem =
        ValueProblemMessage(reading, ui->EditFromValue->text(), request.from, spelling_, numberFormat());
    if (!problem.isEmpty()) {
        return refuseValue(problem);
    }
    request.value = reading.value;
    request.decimals = ui->ComboBoxDecimalPlaces->currentIndex();
    request.mode = currentResultFormatCode();
    request.format = numberFormat();

    const ConversionOutcome outcome = ConvertForDisplay(request);
    switch (outcome.refusal) {
    case Refusal::None:
        return showResult(QString::fromStdString(outcome.resultText));
    case Refusal::NoConversion:
        ui->BitBtnAddToResultsLog->setEnabled(false);
        desktop_.showError(RefusalMessage(outcome.refusal, ui->LabelFromUnit->text()));
        return;
    case Refusal::InvalidValue:
    case Refusal::SineCosineRange:
    case Refusal::TangentUndefined:
        return refuseConversion(outcome.refusal);
    }
}

void TFormTavrix::showResult(const QString& resultText) {
    ui->EditToValue->setText(resultText);
    ui->BitBtnAddToResultsLog->setEnabled(true);
}

// The value is refused: the result field shows the reason (or nothing), no
// result may reach the log, and the person is told.
void TFormTavrix::refuseConversion(Refusal refusal) {
    ui->EditToValue->setText(RefusalFieldText(refusal));
    ui->BitBtnAddToResultsLog->setEnabled(false);
    ui->EditFromValue->setFocus();
    desktop_.showInformation(RefusalMessage(refusal, ui->LabelFromUnit->text()));
}

// A value written with its units that cannot be read: as a refusal, with
// the reason.
void TFormTavrix::refuseValue(const QString& message) {
    ui->BitBtnAddToResultsLog->setEnabled(false);
    ui->EditFromValue->setFocus();
    desktop_.showInformation(message);
}

void TFormTavrix::EditFromValueChange() {
    ui->EditToValue->clear();
}

void TFormTavrix::EditFromValueEnter() {
    ui->EditFromValue->selectAll();
}

void TFormTavrix::BitBtnMultiplyBy2Click() {
    struct Operation {
        QAbstractButton* button;
        double factor; // 0 stands for the reciprocal
        bool divide;
    };
    const Operation operations[] = {
        {ui->BitBtnMultiplyBy2, 2, false},   {ui->BitBtnMultiplyBy3, 3, false},
        {ui->BitBtnMultiplyBy4, 4, false},   {ui->BitBtnMultiplyBy5, 5, false},
        {ui->BitBtnMultiplyBy10, 10, false}, {ui->BitBtnReciprocal, 0, true},
        {ui->BitBtnDivideBy2, 2, true},      {ui->BitBtnDivideBy3, 3, true},
        {ui->BitBtnDivideBy4, 4, true},      {ui->BitBtnDivideBy5, 5, true},
        {ui->BitBtnDivideBy10, 10, true},
    };
    const auto* pressed = qobject_cast<QAbstractButton*>(sender());
    bool valid = false;
    const double value = readValue(valid, false);
    if (!valid) {
        return;
    }
    for (const Operation& operation : operations) {
        if (operation.button != pressed) {
            continue;
        }
        double result = 0;
        if (operation.factor == 0) {
            if (value == 0) {
                desktop_.showError(tr("Floating point division by zero"));
                return;
            }
            result = 1 / value;
        } else {
            result = operation.divide ? value / operation.factor : value * operation.factor;
        }
        setValueText(result, WorkedOutValueDecimals);
        CalculateConversion();
        return;
    }
}

void TFormTavrix::BitBtnCalulateResultClick() {
    CalculateConversion();
}

QString TFormTavrix::valueFromCalculatorAt(QPoint offset) {
    if (calculator_ == nullptr && makeHiddenWindows_) {
        makeHiddenWindows_();
    }
    if (calculator_ == nullptr) {
        return {};
    }
    const QPoint at = frameGeometry().topLeft() + offset;
    calculator_->ShowCalculatorAt(at.x(), at.y());
    return calculator_->CalcAccepted() ? CalculatorValueText(calculator_->CalcValue(), numberFormat())
                                       : QString();
}

void TFormTavrix::BitBtnCalculateEntryClick() {
    const QString value = valueFromCalculatorAt({210, 410});
    if (value.isEmpty()) {
        return;
    }
    // A compound unit's value comes in its last part: 71 inches is 5 ft 11 in.
    if (CompoundOf(fromUnit()) != nullptr && calculator_ != nullptr) {
        setValueText(calculator_->CalcValue(), WorkedOutValueDecimals);
    } else {
        ui->EditFromValue->setText(value);
    }
    CalculateConversion();
}

void TFormTavrix::ComboBoxDecimalPlacesClick() {
    CalculateConversion();
}

void TFormTavrix::Usethousandsseparator1Click() {
    CalculateConversion();
}

void TFormTavrix::Scientificformat1Click() {
    showScientificFormatState();
    CalculateConversion();
}

void TFormTavrix::showScientificFormatState() {
    const bool scientific = ui->Scientificformat1->isChecked();
    ui->LabelDecimalPlaces->setVisible(!scientific);
    ui->ComboBoxDecimalPlaces->setVisible(!scientific);
    ui->LabelScientificFormat->setVisible(scientific);
}

} // namespace tavrix
