// The main window's creation, first showing, closing, and the keys and mouse
// presses it sees before its controls do.
#include "Tavrix_MainForm.h"
#include "ResultsLogField.h"
#include "Utf8Text.h"
#include "ValueFieldLimits.h"

#include "CalculatorPopUp.h"
#include "CategoryRowDelegate.h"
#include "DataPaths.h"
#include "Desktop.h"
#include "FittedField.h"
#include "NumericField.h"
#include "PaletteIcons.h"
#include "ShownCategoryNames.h"
#include "SvgIcon.h"
#include "ValueText.h"
#include "ui_Tavrix_MainForm.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QToolTip>

namespace tavrix {

namespace {

// The client area below the menu bar never changes size.
constexpr QSize ClientSize{578, 568};

// How long the splash stays at start-up.
constexpr int SplashAtStartMs = 4000;

// Pale yellow hints.
constexpr QRgb HintColour = 0xFFFFA8;

} // namespace

TFormTavrix::TFormTavrix(Desktop& desktop, const DataPaths& paths, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TFormTavrix>()), desktop_(desktop), paths_(paths) {
    ui->setupUi(this);
    // The menus keep the desktop's size when the window's font grows.
    menuBar()->setFont(font());
    ui->ClientArea->setFixedSize(ClientSize);
    PrepareResultsLogField(*ui->MemoResultsLog);
    setFixedSize(ClientSize.width(), ClientSize.height() + menuBar()->sizeHint().height());
    ui->ListBoxConvertCategory->setItemDelegate(new CategoryRowDelegate(ui->ListBoxConvertCategory));
    ui->ListBoxConvertFromUnit->setItemDelegate(new FixedRowHeightDelegate(ui->ListBoxConvertFromUnit));
    ui->ListBoxConvertToUnit->setItemDelegate(new FixedRowHeightDelegate(ui->ListBoxConvertToUnit));
    valueKeyFilter_ = new NumericKeyFilter(
        *ui->EditFromValue, desktop_, [this] { return ValueShapeOf(fromUnit()); }, MaxPreDecimalDigits,
        MaxPostDecimalDigits);
    connectHandlers();
    previewKeysOfEveryControl();
    FormCreate();
    placeLabels();
    nameControlsForScreenReaders();
    giveButtonsTheirGlyphs();
    showIconsForPalette();
}

// Set here rather than in the layout, so that each glyph is drawn only when
// its button is first painted.
void TFormTavrix::giveButtonsTheirGlyphs() {
    const std::pair<QAbstractButton*, const char*> glyphs[] = {
        {ui->BitBtnCalculateEntry, "glyph-calculator.svg"},
        {ui->BitBtnAddToResultsLog, "glyph-add-to-log.svg"},
        {ui->BitBtnOpenLogFile, "glyph-open.svg"},
        {ui->BitBtnSaveLogFile, "glyph-save.svg"},
        {ui->BitBtnEmailLog, "glyph-email.svg"},
        {ui->BitBtnPrintLog, "glyph-print.svg"},
        {ui->BitBtnNewLog, "glyph-clear.svg"},
        {ui->BitBtnCopyLogToClipboard, "glyph-copy.svg"},
        {ui->BitBtnDeleteLogLine, "glyph-delete.svg"},
        {ui->BitBtnCalculatorStringToLog, "glyph-calculate-entry.svg"},
        {ui->BitBtnAddNoteToLog, "glyph-edit.svg"},
    };
    for (const auto& [button, file] : glyphs) {
        originalGlyphs_.emplace_back(button, SvgIcon(QStringLiteral(":/icons/") + QLatin1String(file)));
    }
}

TFormTavrix::~TFormTavrix() = default;

void TFormTavrix::attachCalculator(TFormCalculatorPopUp& calculator) {
    calculator_ = &calculator;
}

void TFormTavrix::attachLogTextDialog(TFormOVConvert_LogText& logTextDialog) {
    logTextDialog_ = &logTextDialog;
}

void TFormTavrix::attachHiddenWindowsMaker(std::function<void()> makeHiddenWindows) {
    makeHiddenWindows_ = std::move(makeHiddenWindows);
}

void TFormTavrix::connectHandlers() {
    // A choice by keyboard; a choice by mouse counts when the button comes up
    // over a row (see eventFilter), so that a click on the row already chosen
    // acts too. The program's own selections block these signals.
    for (QListWidget* list :
         {ui->ListBoxConvertCategory, ui->ListBoxConvertFromUnit, ui->ListBoxConvertToUnit}) {
        connect(list, &QListWidget::currentRowChanged, this, [this, list] {
            if (pressedList_ != list) {
                listClick(*list);
            }
        });
    }
    connect(ui->EditFromValue, &QLineEdit::textChanged, this, &TFormTavrix::EditFromValueChange);
    for (QLineEdit* field : {ui->EditFromValue, ui->EditToValue}) {
        connect(field, &QLineEdit::textChanged, this, [this, field] { FitFieldFontToText(*field, font()); });
    }
    connect(ui->BitBtnCalculateEntry, &QAbstractButton::clicked, this,
            &TFormTavrix::BitBtnCalculateEntryClick);
    for (QAbstractButton* button :
         {ui->BitBtnMultiplyBy2, ui->BitBtnMultiplyBy3, ui->BitBtnMultiplyBy4, ui->BitBtnMultiplyBy5,
          ui->BitBtnMultiplyBy10, ui->BitBtnReciprocal, ui->BitBtnDivideBy2, ui->BitBtnDivideBy3,
          ui->BitBtnDivideBy4, ui->BitBtnDivideBy5, ui->BitBtnDivideBy10}) {
        connect(button, &QAbstractButton::clicked, this, &TFormTavrix::BitBtnMultiplyBy2Click);
    }
    connect(ui->BitBtnCalulateResult, &QAbstractButton::clicked, this,
            &TFormTavrix::BitBtnCalulateResultClick);
    connect(ui->ComboBoxDecimalPlaces, &QComboBox::activated, this, &TFormTavrix::ComboBoxDecimalPlacesClick);
    connect(ui->Usethousandsseparator1, &QAction::triggered, this, &TFormTavrix::Usethousandsseparator1Click);
    connect(ui->Scientificformat1, &QAction::triggered, this, &TFormTavrix::Scientificformat1Click);
    connect(ui->Smallfontsize1, &QAction::triggered, this, &TFormTavrix::Smallfontsize1Click);
    connect(ui->Mediumfontsize1, &QAction::triggered, this, &TFormTavrix::Mediumfontsize1Click);
    connect(ui->Largefontsize1, &QAction::triggered, this, &TFormTavrix::Largefontsize1Click);
    connect(ui->Englishspelling1, &QAction::triggered, this, &TFormTavrix::Englishspelling1Click);
    connect(ui->USAspelling1, &QAction::triggered, this, &TFormTavrix::USAspelling1Click);
    connect(ui->Restoredefaultsettings1, &QAction::triggered, this,
            &TFormTavrix::Restoredefaultsettings1Click);
    connect(ui->Exit1, &QAction::triggered, this, &TFormTavrix::Exit1Click);
    connect(ui->Findunit1, &QAction::triggered, this, &TFormTavrix::Findunit1Click);
    connectResultsLogHandlers();
    connectBrandingHandlers();
    // The end of the desktop session may never close the window.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { saveSettings(); });
}

// The window sees every key before the focused control, as a form with key
// preview does; the combo box's drop-down list is a window of its own and
// keeps its Enter.
void TFormTavrix::previewKeysOfEveryControl() {
    for (QWidget* control : ui->ClientArea->findChildren<QWidget*>()) {
        if (control->window() == this) {
            control->installEventFilter(this);
        }
    }
    ui->ClientArea->installEventFilter(this);
}

void TFormTavrix::FormCreate() {
    createBranding();
    ui->LabelScientificFormat->move(ui->LabelScientificFormat->x(), 380);
    ui->ListBoxConvertCategory->clear();
    for (int category = 0; category < CategoryCount; ++category) {
        ui->ListBoxConvertCategory->addItem(ShownCategoryName(category));
    }
    const QChar divide(0x00F7);
    ui->BitBtnDivideBy2->setText(QString(divide) + "2");
    ui->BitBtnDivideBy3->setText(QString(divide) + "3");
    ui->BitBtnDivideBy4->setText(QString(divide) + "4");
    ui->BitBtnDivideBy5->setText(QString(divide) + "5");
    ui->BitBtnDivideBy10->setText(QString(divide) + "10");
    setListRowHeights();
    ui->ComboBoxDecimalPlaces->setCurrentIndex(DefaultDecimalsPosition);
    QPalette hints = QToolTip::palette();
    hints.setColor(QPalette::ToolTipBase, QColor(HintColour));
    hints.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(hints);
}

// Each label's place in the layout and the room beside it: the neighbour
// it would run under at a larger font decides which way it grows first.
void TFormTavrix::placeLabels() {
    const auto place = [](QLabel* label, int leftmost, int rightEnd, bool growsLeftFirst) {
        return LabelPlace{label, label->geometry(), leftmost, rightEnd, growsLeftFirst};
    };
    const int clientRight = ClientSize.width();
    const int valueRight = ui->ListBoxConvertToUnit->x(); // the from-side ends where the to-side begins
    const int convertRight = ui->BitBtnCalulateResult->geometry().right() + 1;
    labelPlaces_ = {
        place(ui->LabelProvidedByWebAddress, 0, ui->ImageSupplier_MainForm->x(), false),
        place(ui->LabelConvertFromUnit, ui->LabelConvertFromUnit->x(), valueRight, false),
        place(ui->LabelConvertToUnit, ui->LabelConvertToUnit->x(), clientRight, false),
        place(ui->LabelFromUnit, ui->LabelFromUnit->x(), valueRight, false),
        place(ui->LabelToUnit, ui->LabelToUnit->x(), clientRight, false),
        place(ui->LabelEqualSign, ui->EditFromValue->geometry().right() + 1, ui->EditToValue->x(), false),
        // Right of Convert: Decimals runs up to its box, the scientific note to the window's edge.
        place(ui->LabelDecimalPlaces, convertRight, ui->ComboBoxDecimalPlaces->x(), false),
        place(ui->LabelScientificFormat, convertRight, clientRight, false),
        // Inside the log's frame, left of its first button.
        place(ui->LabelResultsLog, ui->Bevel1->x() + ui->Bevel1->frameWidth(), ui->BitBtnOpenLogFile->x(),
              true),
    };
    fitLabelsToText();
}

void TFormTavrix::showIconsForPalette() {
    for (const auto& [button, glyph] : originalGlyphs_) {
        button->setIcon(IconForPalette(glyph, button->iconSize(), palette()));
    }
    static_cast<CategoryRowDelegate*>(ui->ListBoxConvertCategory->itemDelegate())->usePalette(palette());
    ui->ListBoxConvertCategory->viewport()->update();
}

// The desktop may change its colours while the program runs.
void TFormTavrix::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange) {
        showIconsForPalette();
    }
}

void TFormTavrix::fitLabelsToText() {
    for (const LabelPlace& place : labelPlaces_) {
        FitLabelToText(place);
    }
    for (QLineEdit* field : {ui->EditFromValue, ui->EditToValue}) {
        FitFieldFontToText(*field, font());
    }
}

void TFormTavrix::FormShow() {
    showBrandingPictures();
    {
        // Loading selects and refills step by step; only the state it ends
        // in is converted, so a refused value is reported once, not per step.
        const QScopedValueRollback quiet(conversionsHeld_, true);
        loadSettings();
    }
    refreshUnitLabels();
    CalculateConversion();
    armSplash(SplashAtStartMs);
}

void TFormTavrix::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_) {
        return;
    }
    shown_ = true;
    if (const QScreen* screen = this->screen()) {
        const QRect available = screen->availableGeometry();
        move(available.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    }
    FormShow();
}

void TFormTavrix::closeEvent(QCloseEvent* event) {
    // Closed during long work (by the window manager, say), the work stops
    // as its Cancel stops it, and the window closes once it has.
    if (desktop_.longWorkUnderWay()) {
        event->ignore();
        desktop_.cancelLongWork();
        desktop_.afterLongWork(*this, [this] { close(); });
        return;
    }
    FormClose();
    QMainWindow::closeEvent(event);
}

void TFormTavrix::FormClose() {
    saveSettings();
}

void TFormTavrix::Exit1Click() {
    close();
}

bool TFormTavrix::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            FormKeyDown(key);
            pressFocusedButton(watched);
            return true;
        }
    }
    if (watched == ui->ClientArea && event->type() == QEvent::MouseButtonPress) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (ui->ClientArea->childAt(at) == nullptr) {
            FormMouseDown();
        }
    }
    for (const QListWidget* list :
         {ui->ListBoxConvertCategory, ui->ListBoxConvertFromUnit, ui->ListBoxConvertToUnit}) {
        if (watched != list->viewport()) {
            continue;
        }
        if (event->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            pressedList_ = list;
        } else if (event->type() == QEvent::MouseButtonRelease && pressedList_ == list) {
            pressedList_ = nullptr;
            if (list->itemAt(static_cast<QMouseEvent*>(event)->position().toPoint()) != nullptr) {
                listClick(*list);
            }
        }
    }
    if (watched == ui->EditFromValue && event->type() == QEvent::FocusIn) {
        EditFromValueEnter();
    }
    if (watched == ui->ComboBoxDecimalPlaces && event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        ComboBoxDecimalPlacesExit();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFormTavrix::listClick(const QListWidget& list) {
    if (&list == ui->ListBoxConvertCategory) {
        ListBoxConvertCategoryClick();
    } else if (&list == ui->ListBoxConvertFromUnit) {
        ListBoxConvertFromUnitClick();
    } else {
        ListBoxConvertToUnitClick();
    }
}

// Enter anywhere in the window converts, once: it is not passed on, so no
// control acts on it a second time. A number typed into the Decimals box
// counts for that conversion.
void TFormTavrix::FormKeyDown(int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        takeTypedDecimals();
        CalculateConversion();
    }
}

// After the window's conversion, Enter presses the focused push button, as
// it does on any dialog of the desktop; Convert has just done its work.
void TFormTavrix::pressFocusedButton(QObject* focused) {
    auto* button = qobject_cast<QPushButton*>(focused);
    if (button == nullptr || button == ui->BitBtnCalulateResult || !button->isEnabled() ||
        !button->isVisible() || !button->hasFocus()) {
        return;
    }
    button->click();
}

void TFormTavrix::FormMouseDown() {
    CalculateConversion();
}

} // namespace tavrix
