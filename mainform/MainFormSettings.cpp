// The settings the window applies: font size, spelling and the defaults.
#include "AtomicSave.h"
#include "CategoryRowDelegate.h"
#include "DataPaths.h"
#include "DefaultSpelling.h"
#include "Desktop.h"
#include "LocaleNumberFormat.h"
#include "ReadFile.h"
#include "SettingsCodec.h"
#include "Tavrix_MainForm.h"
#include "ValueText.h"
#include "ui_Tavrix_MainForm.h"

#include <QFile>
#include <QSignalBlocker>

#include <optional>

namespace tavrix {

namespace {

constexpr int SmallFontSize = 8;
constexpr int MediumFontSize = 9;
constexpr int LargeFontSize = 10;
// Far more than nine lines can hold once the value line is at its longest
// (32767 characters of up to three UTF-8 bytes): a larger file is damaged
// anyway, and is not read whole to find that out.
constexpr qint64 MaxSettingsFileBytes = 1 << 20;
// A list row is this much higher than the font's size in points.
constexpr int RowHeightOverFontSize = 12;

} // namespace

// A settings file that cannot be read whole is damaged: it is deleted and
// the defaults take its place, without a word to the person.
void TFormTavrix::loadSettings() {
    const ReadResult file = ReadRegularFile(paths_.settingsFile(), MaxSettingsFileBytes);
    std::optional<Settings> settings;
    if (file.read() && !file.truncated()) {
        settings = ReadSettings(file.bytes);
    }
    if (settings) {
        applySettings(*settings);
        return;
    }
    // Only a damaged file is removed: a FIFO or a device in its place is not ours.
    if (file.status == ReadResult::Status::Read || file.status == ReadResult::Status::Failed) {
        QFile::remove(paths_.settingsFile());
    }
    ApplyDefaultSettings();
}

void TFormTavrix::applySettings(const Settings& settings) {
    ApplyFontSize(settings.fontSize);
    ui->ComboBoxDecimalPlaces->setCurrentIndex(settings.decimals);
    {
        const QSignalBlocker blocker(ui->ListBoxConvertCategory);
        ui->ListBoxConvertCategory->setCurrentRow(settings.category);
    }
    ListBoxConvertCategoryClick();
    selectUnitPositions(settings.fromPosition, settings.toPosition);
    SetSpelling(settings.usaSpelling ? Spelling::USA : Spelling::European);
    ui->Usethousandsseparator1->setChecked(settings.thousandsSeparator);
    ui->Scientificformat1->setChecked(settings.scientificFormat);
    showScientificFormatState();
    // A compound unit's value is stored as a number in its last part.
    const ValueReading stored =
        ReadValueText(settings.value, NoUnit, spelling_, DecimalSeparatorOf(numberFormat()));
    if (CompoundOf(fromUnit()) != nullptr && stored.value) {
        setValueText(*stored.value, WorkedOutValueDecimals);
    } else {
        ui->EditFromValue->setText(settings.value);
    }
}

// Whatever closes the window; a file that cannot be written is skipped
// silently and the previous one stays whole.
void TFormTavrix::saveSettings() const {
    Settings settings;
    settings.fontSize = font().pointSize();
    settings.decimals = ui->ComboBoxDecimalPlaces->currentIndex();
    settings.category = ui->ListBoxConvertCategory->currentRow();
    settings.fromPosition = ui->ListBoxConvertFromUnit->currentRow();
    settings.toPosition = ui->ListBoxConvertToUnit->currentRow();
    settings.usaSpelling = UseUSASpelling();
    settings.thousandsSeparator = ui->Usethousandsseparator1->isChecked();
    settings.scientificFormat = ui->Scientificformat1->isChecked();
    settings.value = ui->EditFromValue->text();
    const ValueReading compoundValue = readFieldValue(fromUnit());
    if (CompoundOf(fromUnit()) != nullptr && compoundValue.value) {
        settings.value = PlainNumberText(*compoundValue.value, numberFormat());
    }
    SaveFileAtomically(paths_.settingsFile(), WriteSettings(settings));
}

void TFormTavrix::ApplyDefaultSettings() {
    SetSpelling(DefaultSpelling(desktop_.locale()));
    ui->ComboBoxDecimalPlaces->setCurrentIndex(DefaultDecimalsPosition);
    ui->Usethousandsseparator1->setChecked(false);
    ui->Scientificformat1->setChecked(false);
    showScientificFormatState();
    ApplyFontSize(SmallFontSize);
    {
        const QSignalBlocker blocker(ui->ListBoxConvertCategory);
        ui->ListBoxConvertCategory->setCurrentRow(0);
    }
    ListBoxConvertCategoryClick();
}

void TFormTavrix::ApplyFontSize(int points) {
    ui->Smallfontsize1->setChecked(points == SmallFontSize);
    ui->Mediumfontsize1->setChecked(points == MediumFontSize);
    ui->Largefontsize1->setChecked(points == LargeFontSize);
    QFont windowFont = font();
    windowFont.setPointSize(points);
    setFont(windowFont);
    setListRowHeights();
    fitLabelsToText();
    update();
}

void TFormTavrix::setListRowHeights() {
    for (QListWidget* list :
         {ui->ListBoxConvertCategory, ui->ListBoxConvertFromUnit, ui->ListBoxConvertToUnit}) {
        static_cast<FixedRowHeightDelegate*>(list->itemDelegate())
            ->setRowHeight(list->font().pointSize() + RowHeightOverFontSize);
        list->doItemsLayout();
    }
}

void TFormTavrix::SetSpelling(Spelling spelling) {
    spelling_ = spelling;
    ui->Englishspelling1->setChecked(spelling == Spelling::European);
    ui->USAspelling1->setChecked(spelling == Spelling::USA);
    if (ui->ListBoxConvertCategory->currentRow() < 0) {
        return; // no category yet, so no lists to refill
    }
    const int fromRow = ui->ListBoxConvertFromUnit->currentRow();
    const int toRow = ui->ListBoxConvertToUnit->currentRow();
    ListBoxConvertCategoryClick();
    selectUnitPositions(fromRow, toRow);
    refreshUnitLabels();
    CalculateConversion();
    update();
}

void TFormTavrix::selectUnitPositions(int fromRow, int toRow) {
    const QSignalBlocker fromBlocker(ui->ListBoxConvertFromUnit);
    const QSignalBlocker toBlocker(ui->ListBoxConvertToUnit);
    ui->ListBoxConvertFromUnit->setCurrentRow(fromRow);
    ui->ListBoxConvertToUnit->setCurrentRow(toRow);
}

void TFormTavrix::Smallfontsize1Click() {
    ApplyFontSize(SmallFontSize);
}

void TFormTavrix::Mediumfontsize1Click() {
    ApplyFontSize(MediumFontSize);
}

void TFormTavrix::Largefontsize1Click() {
    ApplyFontSize(LargeFontSize);
}

void TFormTavrix::Englishspelling1Click() {
    SetSpelling(Spelling::European);
}

void TFormTavrix::USAspelling1Click() {
    SetSpelling(Spelling::USA);
}

void TFormTavrix::Restoredefaultsettings1Click() {
    QFile::remove(paths_.settingsFile());
    ApplyDefaultSettings();
}

} // namespace tavrix
