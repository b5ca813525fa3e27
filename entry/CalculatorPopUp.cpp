#include "CalculatorPopUp.h"

#include "CalculatorKeys.h"
#include "CalculatorMemoryFile.h"
#include "CalculatorPictures.h"
#include "Desktop.h"
#include "Fonts.h"
#include "LocaleNumberFormat.h"
#include "NumericField.h"
#include "RightEdit.h"
#include "WindowPlacement.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

namespace tavrix {

namespace {

constexpr int ClientWidth = 243;
constexpr int ClientHeight = 205;
constexpr int FontHeight = 11;
constexpr int DisplayMaxPreDecimal = 12;
constexpr int DisplayMaxPostDecimal = 8;

// "Arial Narrow" where it is installed, else a condensed sans.
QFont NarrowFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow"),
                      QStringLiteral("DejaVu Sans Condensed")});
    font.setStretch(QFont::Condensed);
    font.setPixelSize(FontHeight);
    return font;
}

// The memory can hold numbers wider than its label (15 digits, a sign, an
// exponent): the face then narrows a pixel at a time, down to a size still
// legible, so that no digit is cut off.
void ShowNarrowedToFit(QLabel& label, const QString& text) {
    constexpr int SmallestLegiblePixels = 8;
    QFont font = NarrowFont();
    const int room = label.contentsRect().width();
    while (font.pixelSize() > SmallestLegiblePixels && QFontMetrics(font).horizontalAdvance(text) > room) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    label.setFont(font);
    label.setText(text);
}

QLabel* MakeLabel(QWidget* parent, const char* name, QRect bounds, Qt::Alignment alignment,
                  const QColor& background, const QColor& text, const QFont& font) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(bounds);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    // Clicks go to the picture underneath: the sign sits inside the OK outline.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

// The calculator key a typed character stands for, or NoKey.
int OperationKeyOf(QChar typed) {
    switch (typed.unicode()) {
    case '*':
    case 'x':
        return KeyMultiply;
    case '/':
        return KeyDivide;
    case '+':
        return KeyAdd;
    case '-':
        return KeySubtract;
    case '=':
        return KeyEquals;
    default:
        return NoKey;
    }
}

// The one character a key press types, or none (null) for keys that type
// nothing and for Ctrl combinations, which are never calculator keys.
QChar TypedCharacter(const QKeyEvent& key) {
    if ((key.modifiers() & Qt::ControlModifier) || key.text().size() != 1) {
        return {};
    }
    return key.text().front();
}

} // namespace

TFormCalculatorPopUp::TFormCalculatorPopUp(Desktop& desktop, const DataPaths& paths, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      desktop_(desktop), paths_(paths) {
    setObjectName(QStringLiteral("FormCalculatorPopUp"));
    setWindowTitle(tr("Calculator"));
    setFixedSize(ClientWidth, ClientHeight);
    setFont(SmallWindowFont());

    ImageKeyPad = new TCalculatorPicture(this, QSize(KeyPadWidth, KeyPadHeight), [this](QPainter& painter) {
        PaintKeyPad(painter, model_.decimalSeparator());
    });
    ImageKeyPad->setObjectName(QStringLiteral("ImageKeyPad"));
    ImageKeyPad->move(12, 36);
    ImageOKbutton = new TCalculatorPicture(this, QSize(OkButtonWidth, OkButtonHeight), PaintOkButton);
    ImageOKbutton->setObjectName(QStringLiteral("ImageOKbutton"));
    ImageOKbutton->move(199, 6);
    ImageSignOutline =
        new TCalculatorPicture(this, QSize(SignOutlineSize, SignOutlineSize), PaintSignOutline);
    ImageSignOutline->setObjectName(QStringLiteral("ImageSignOutline"));
    ImageSignOutline->move(169, 10);

    RightEditInputDisplay = new TRightEdit(this);
    RightEditInputDisplay->setObjectName(QStringLiteral("RightEditInputDisplay"));
    RightEditInputDisplay->setBounds(12, 8, 145, 22);
    RightEditInputDisplay->setText(model_.displayText());
    // The rules' filter is installed first so that the window's own look at
    // each key, installed after it, runs before it.
    auto* displayFilter = new NumericKeyFilter(
        *RightEditInputDisplay, desktop_, [] { return ValueShape{}; }, DisplayMaxPreDecimal,
        DisplayMaxPostDecimal);
    // A pasted number is a new entry where a typed digit would begin one.
    displayFilter->setPasteReplacesText([this] { return model_.StartNewEntry(); });
    connect(displayFilter, &NumericKeyFilter::pasted, this, [this] {
        const TRightEdit& display = *RightEditInputDisplay;
        model_.takePastedDisplay(display.text(), display.cursorPosition());
        showModelState();
    });
    RightEditInputDisplay->installEventFilter(this);

    const QColor lime(0x00, 0xff, 0x00);
    LabelNextCalcOperation = MakeLabel(this, "LabelNextCalcOperation", QRect(172, 13, 15, 14),
                                       Qt::AlignHCenter, lime, Qt::red, SmallWindowFont());
    LabelMemoryContent = MakeLabel(this, "LabelMemoryContent", QRect(16, 170, 99, 15), Qt::AlignRight, lime,
                                   Qt::red, NarrowFont());
    LabelCurrentCalcValue = MakeLabel(this, "LabelCurrentCalcValue", QRect(12, 160, 108, 13), Qt::AlignRight,
                                      Qt::yellow, Qt::black, NarrowFont());
    LabelCurrentCalcValue->setVisible(false);

    connect(ImageKeyPad, &TCalculatorPicture::mouseDown, this, &TFormCalculatorPopUp::ImageKeyPadMouseDown);
    connect(ImageOKbutton, &TCalculatorPicture::mouseDown, this,
            &TFormCalculatorPopUp::ImageOKbuttonMouseDown);
    connect(ImageSignOutline, &TCalculatorPicture::mouseDown, this,
            &TFormCalculatorPopUp::ImageOKbuttonMouseDown);

    nameControlsForScreenReaders();
    FormCreate();
}

// The keypad is a picture: a screen reader learns from its description
// that the keyboard works the same keys.
void TFormCalculatorPopUp::nameControlsForScreenReaders() {
    const struct {
        QWidget* control;
        QString name;
        QString description;
    } spoken[] = {
        {RightEditInputDisplay, tr("Display"), tr("The number being entered, or the last result")},
        {ImageKeyPad, tr("Keypad"),
         tr("Calculator keys; on the keyboard type digits, the separator, + - * / and Enter for =")},
        {ImageOKbutton, tr("OK"), tr("Hands the calculator's value back, unless an operation waits")},
        {ImageSignOutline, tr("OK"), tr("Shows the pending operation; hands the value back like OK")},
        {LabelNextCalcOperation, tr("Operation"), tr("The pending operation, or = after a result")},
        {LabelMemoryContent, tr("Memory"), tr("The value in the calculator's memory")},
        {LabelCurrentCalcValue, tr("Current value"), tr("The calculator's current value")},
    };
    for (const auto& control : spoken) {
        control.control->setAccessibleName(control.name);
        control.control->setAccessibleDescription(control.description);
    }
}

void TFormCalculatorPopUp::FormCreate() {
    LabelNextCalcOperation->setAutoFillBackground(false);
    LabelMemoryContent->setAutoFillBackground(false);
    showModelState();
}

void TFormCalculatorPopUp::ShowCalculatorAt(int left, int top) {
    PlaceWindowAt(*this, left, top);
    desktop_.execModal(*this);
}

void TFormCalculatorPopUp::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
    }
}

void TFormCalculatorPopUp::FormShow() {
    const CalculatorMemoryReading reading = ReadCalculatorMemory(paths_.memoryFile());
    model_.beginOpening(reading.memory, NumberFormatOf(desktop_.locale()));
    showModelState();
    RightEditInputDisplay->setFocus();
    if (!reading.problem.isEmpty()) {
        desktop_.showError(reading.problem);
    }
}

void TFormCalculatorPopUp::done(int result) {
    if (isVisible()) {
        FormClose();
    }
    QDialog::done(result);
}

void TFormCalculatorPopUp::FormClose() {
    const QString problem = WriteCalculatorMemory(paths_.memoryFile(), model_.CalcMemory());
    if (!problem.isEmpty()) {
        desktop_.showError(problem);
    }
}

void TFormCalculatorPopUp::ImageKeyPadMouseDown(Qt::MouseButton, QPoint position) {
    model_.clearOperationSign();
    const int code = KeyAtPoint(position.x(), position.y());
    const QString caption = KeyCaption(code, model_.decimalSeparator());
    if (caption.isEmpty()) {
        showModelState();
        return;
    }
    PressKey(code, caption.front());
}

void TFormCalculatorPopUp::ImageOKbuttonMouseDown(Qt::MouseButton, QPoint) {
    model_.acceptIfComplete();
    done(model_.CalcAccepted() ? Accepted : Rejected);
}

void TFormCalculatorPopUp::PressKey(int code, QChar text) {
    takeDisplayEdits();
    const QString message = model_.PressKey(code, text);
    showModelState();
    if (!message.isEmpty()) {
        desktop_.showInformation(message);
    }
}

void TFormCalculatorPopUp::takeDisplayEdits() {
    const TRightEdit& display = *RightEditInputDisplay;
    model_.setDisplay(display.text(),
                      display.hasSelectedText() ? display.selectionStart() : display.cursorPosition());
}

void TFormCalculatorPopUp::showModelState() {
    TRightEdit& display = *RightEditInputDisplay;
    if (display.text() != model_.displayText()) {
        display.setText(model_.displayText());
        display.setCursorPosition(model_.caret());
    } else if (!display.hasSelectedText() && display.cursorPosition() != model_.caret()) {
        display.setCursorPosition(model_.caret());
    }
    LabelNextCalcOperation->setText(model_.operationSign());
    ShowNarrowedToFit(*LabelMemoryContent, model_.memoryText());
    LabelCurrentCalcValue->setText(model_.currentValueText());
}

bool TFormCalculatorPopUp::eventFilter(QObject* watched, QEvent* event) {
    if (watched == RightEditInputDisplay && event->type() == QEvent::KeyPress) {
        const QChar typed = TypedCharacter(*static_cast<QKeyEvent*>(event));
        if (typed.isNull()) {
            return false;
        }
        const QChar goesOn = FormKeyPress(typed);
        RightEditInputDisplayKeyPress(goesOn);
        // A key the window turned into another one is not typed as it was;
        // the display's filter would swallow what it became.
        return goesOn != typed;
    }
    return QDialog::eventFilter(watched, event);
}

// Keys sent to the window itself reach the display as if typed there; what
// the display passes back up (Escape, Enter) gets the dialog's own handling.
void TFormCalculatorPopUp::keyPressEvent(QKeyEvent* event) {
    if (forwardingKey_ || event->key() == Qt::Key_Escape) {
        QDialog::keyPressEvent(event);
        return;
    }
    forwardingKey_ = true;
    QCoreApplication::sendEvent(RightEditInputDisplay, event);
    forwardingKey_ = false;
}

QChar TFormCalculatorPopUp::FormKeyPress(QChar key) {
    if (key == QChar(13)) {
        key = QLatin1Char('=');
    }
    if (const int code = OperationKeyOf(key); code != NoKey) {
        PressKey(code, key);
    }
    return key;
}

void TFormCalculatorPopUp::RightEditInputDisplayKeyPress(QChar key) {
    takeDisplayEdits();
    model_.prepareTypedCharacter(key);
    showModelState();
}

} // namespace tavrix
