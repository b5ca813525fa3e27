// The pop-up calculator: a four-function calculator with memory, square
// root, reciprocal, sign change and pi, worked by clicking its keypad picture
// or by typing. It is created once and reused; each opening runs modally, and
// afterwards the caller reads CalcAccepted() and CalcValue().
#pragma once

#include "CalculatorModel.h"
#include "DataPaths.h"

#include <QDialog>

class QLabel;

namespace tavrix {

class Desktop;
class TCalculatorPicture;
class TRightEdit;

class TFormCalculatorPopUp : public QDialog {
    Q_OBJECT

public:
    TFormCalculatorPopUp(Desktop& desktop, const DataPaths& paths, QWidget* parent = nullptr);

    // Opens the calculator with its top-left corner at (left, top) on the
    // screen, or centred on the screen when `left` is negative; returns when
    // it closes.
    void ShowCalculatorAt(int left, int top);

    // Whether the calculator was left with OK while no operation waited for
    // its second operand; the caller then takes CalcValue().
    bool CalcAccepted() const { return model_.CalcAccepted(); }
    double CalcValue() const { return model_.CalcValue(); }

    // Closing by any route (OK, the close box, Escape) passes here.
    void done(int result) override;

public slots:
    void ImageKeyPadMouseDown(Qt::MouseButton button, QPoint position);
    void ImageOKbuttonMouseDown(Qt::MouseButton button, QPoint position);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void nameControlsForScreenReaders();
    void FormShow();
    void FormClose();
    // The window's look at every key typed, before the display: operation
    // keys act here; Enter becomes "=". Returns the character as it goes on.
    QChar FormKeyPress(QChar key);
    void RightEditInputDisplayKeyPress(QChar key);

    void PressKey(int code, QChar text);
    // The display belongs to the person as well: their edits reach the model
    // before each key, and the model's state is shown after it.
    void takeDisplayEdits();
    void showModelState();

    Desktop& desktop_;
    DataPaths paths_;
    TCalculatorModel model_;
    bool forwardingKey_ = false;

    TRightEdit* RightEditInputDisplay;
    TCalculatorPicture* ImageKeyPad;
    TCalculatorPicture* ImageOKbutton;
    TCalculatorPicture* ImageSignOutline;
    QLabel* LabelNextCalcOperation;
    QLabel* LabelMemoryContent;
    QLabel* LabelCurrentCalcValue;
};

} // namespace tavrix
