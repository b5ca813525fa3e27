// The main window: the category and unit lists, the value and result fields,
// the multiply and divide buttons, the results log and the menus.
#pragma once

#include "CompoundValues.h"
#include "ConversionRules.h"
#include "DataPaths.h"
#include "FittedLabel.h"
#include "Tavrix_Units.h"
#include "ValueText.h"

#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QAbstractButton;
class QAction;
class QLineEdit;
class QListWidget;
class QTimer;

namespace Ui {
class TFormTavrix;
}

namespace tavrix {

class Desktop;
class NumericKeyFilter;
struct Settings;
class TFormCalculatorPopUp;
class TFormFindUnit;
class TFormOVConvert_LogText;
class TFormTavrixBranding;
class TFormTavrixSplash;

class TFormTavrix : public QMainWindow {
    Q_OBJECT

public:
    // The desktop's locale decides the default spelling (USA for English as
    // used in the United States), the separators of every number written or
    // read, and the time format of the printed log.
    TFormTavrix(Desktop& desktop, const DataPaths& paths, QWidget* parent = nullptr);
    ~TFormTavrix() override;

    // The calculator is created after this window; it is attached once it exists.
    void attachCalculator(TFormCalculatorPopUp& calculator);
    // So is the amend dialog of the results log.
    void attachLogTextDialog(TFormOVConvert_LogText& logTextDialog);
    // Makes and attaches the calculator and the amend dialog when they are
    // asked for before they exist.
    void attachHiddenWindowsMaker(std::function<void()> makeHiddenWindows);
    // The splash and the branding window, made second and fifth, are attached
    // before the window is first shown; without them it shows no pictures and
    // no splash.
    void attachSplash(TFormTavrixSplash& splash);
    void attachBranding(TFormTavrixBranding& branding);

    // The operations the other windows and the settings build on.
    void FillUnitLists(std::span<const UnitIndex> units, double defaultValue);
    UnitIndex UnitIndexOfName(const QString& name) const;
    void CalculateConversion();
    void ApplyDefaultSettings();
    void ApplyFontSize(int points);
    void SetSpelling(Spelling spelling);
    void loadSettings();
    void saveSettings() const;

    // Appends the lines of each results log file, in order, as "Open Results
    // Log file" does; for files named when the program starts, once the
    // window is shown. The splash waits until they are in. Each is named as
    // the file system names it, in whatever encoding.
    void OpenResultsLogFiles(const QByteArrayList& paths);

    // The results log's lines as the field wraps them, and its whole text
    // with hard line breaks only (every line ended).
    QStringList resultsLogLines() const;
    QString resultsLogText() const;

    bool UseUSASpelling() const { return spelling_ == Spelling::USA; }
    // The display mode the result is rendered in: scientific wins over the thousands separator.
    ResultFormatCode currentResultFormatCode() const;

public slots:
    void FormCreate();
    void FormShow();
    void FormClose();
    void ListBoxConvertCategoryClick();
    void ListBoxConvertFromUnitClick();
    void ListBoxConvertToUnitClick();
    void EditFromValueChange();
    void EditFromValueEnter();
    void BitBtnCalculateEntryClick();
    void BitBtnMultiplyBy2Click();
    void BitBtnCalulateResultClick();
    void ComboBoxDecimalPlacesClick();
    void Usethousandsseparator1Click();
    void Scientificformat1Click();
    void Smallfontsize1Click();
    void Mediumfontsize1Click();
    void Largefontsize1Click();
    void Englishspelling1Click();
    void USAspelling1Click();
    void Restoredefaultsettings1Click();
    void Exit1Click();
    void Findunit1Click();
    // A unit chosen in the finder: its category first, then the unit, each
    // as a choice in the lists makes it.
    void FoundUnitChosen(UnitIndex unit, bool asTarget);

    // The results log.
    void BitBtnAddToResultsLogClick();
    void BitBtnCalculatorStringToLogClick();
    void BitBtnAddNoteToLogClick();
    void BitBtnDeleteLogLineClick();
    void BitBtnNewLogClick();
    void BitBtnOpenLogFileClick();
    void BitBtnSaveLogFileClick();
    void BitBtnCopyLogToClipboardClick();
    void BitBtnPrintLogClick();
    void BitBtnEmailLogClick();

    // Splash, help and the supplier's links.
    void TimerSplashShowTimer();
    void About1Click();
    void Contents1Click();
    void Index1Click();
    void ImageSupplier_MainFormMouseDown();
    void LabelProvidedByWebAddressMouseDown();
    void LabelGiveAwayYourOwnClick();
    void GiveAwayYourOwnBrandedVersion1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    static constexpr int DefaultDecimalsPosition = 6;

    void connectHandlers();
    void connectResultsLogHandlers();
    void connectBrandingHandlers();
    void createBranding();
    void showBrandingPictures();
    void armSplash(int switchOffMs);
    // Runs `work` with the splash held back, then lets it show as it would
    // have: over a box the work shows it would hide it, and its modal loop
    // inside the work would hold the work up.
    void holdSplashDuring(const std::function<void()>& work);
    // Appends the lines of the log file at `path` (as the file system names
    // it), or says why it cannot be read; false when the person cancelled.
    bool appendLogFile(const QByteArray& path);
    void previewKeysOfEveryControl();
    void nameControlsForScreenReaders();
    void placeLabels();
    void giveButtonsTheirGlyphs();
    // The icons in outlines that stand out on the current palette.
    void showIconsForPalette();
    // After a change of font size or of a label's text: labels and fields fit their texts.
    void fitLabelsToText();
    void FormKeyDown(int key);
    void pressFocusedButton(QObject* focused);
    void ComboBoxDecimalPlacesExit();
    // Puts a number typed into the Decimals box in force, or the number in
    // force back into the box; true when the number in force changed.
    bool takeTypedDecimals();
    void FormMouseDown();
    void listClick(const QListWidget& list);
    void showScientificFormatState();
    void refreshUnitLabels();
    // Opens the calculator at `offset` from the window's top-left corner;
    // the accepted value as the caller writes it, empty when none was accepted.
    QString valueFromCalculatorAt(QPoint offset);
    void setValueText(double value, int decimals);
    // The unit the value field's text is in, as its label names it.
    UnitIndex fromUnit() const;
    // The value field's number, in a compound unit's last part; read as the
    // unit `unit` takes it (the "from" unit's, unless another is named).
    ValueReading readFieldValue(UnitIndex unit) const;
    // After the "from" unit changed from `previous`: the value keeps its
    // number, shown as the new unit writes it, and 1/x is for plain units.
    void showFromUnitChange(UnitIndex previous);
    void refuseConversion(Refusal refusal);
    void refuseValue(const QString& message);
    void showResult(const QString& resultText);
    double readValue(bool& valid, bool allowNegative) const;
    // The separators of the desktop's regional settings as they are now.
    NumberFormat numberFormat() const;
    void selectUnitPositions(int fromRow, int toRow);
    void applySettings(const Settings& settings);
    void setListRowHeights();

    std::unique_ptr<Ui::TFormTavrix> ui;
    std::vector<LabelPlace> labelPlaces_;
    // The buttons' glyphs as the layout gives them, before any recolouring.
    std::vector<std::pair<QAbstractButton*, QIcon>> originalGlyphs_;
    Desktop& desktop_;
    DataPaths paths_; // a copy: the caller need not keep its own alive
    TFormCalculatorPopUp* calculator_ = nullptr;
    TFormOVConvert_LogText* logTextDialog_ = nullptr;
    std::function<void()> makeHiddenWindows_;
    TFormTavrixSplash* splash_ = nullptr;
    TFormTavrixBranding* branding_ = nullptr;
    // Made when first asked for.
    TFormFindUnit* findUnit_ = nullptr;
    // Shows the splash once the window is up, and again for About.
    QTimer* TimerSplashShow = nullptr;
    // How long the splash stays once it shows, as last armed.
    int splashSwitchOffMs_ = 0;
    // Where the open and save dialogs of log files start: the folder of the
    // last file opened or saved.
    QString logFileFolder_;
    NumericKeyFilter* valueKeyFilter_ = nullptr;
    Spelling spelling_ = Spelling::European;
    bool shown_ = false;
    bool conversionsHeld_ = false;
    // The unit list a mouse button went down on; its choice counts at the release.
    const QListWidget* pressedList_ = nullptr;
    // From a click on "Email Results Log" until the mail client has the message or the hand-over failed.
    bool mailUnderWay_ = false;
};

} // namespace tavrix
