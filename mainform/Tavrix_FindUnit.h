// "Find unit...": a small window over the category list where a person types
// part of a unit's name and picks the unit from the matches, by keyboard
// alone if they like. It closes as soon as another window takes the
// activation, the way a popup does, but is a window of its own: a popup is
// left out of the screen reader's tree. There the list's current row is read
// out as Up and Down move it, while the keys stay in the field.
#pragma once

#include "Tavrix_Units.h"

#include <QFrame>

class QLineEdit;
class QListWidget;

namespace tavrix {

class FixedRowHeightDelegate;

class TFormFindUnit : public QFrame {
    Q_OBJECT

public:
    explicit TFormFindUnit(QWidget* parent);

    // Opens the window over `area` (in the parent's coordinates) with the
    // last search selected, listing the names in `spelling` in rows of
    // `rowHeight` pixels, as the window's lists have them.
    void ShowOver(const QRect& area, Spelling spelling, int rowHeight);

    QLineEdit* EditFindUnit = nullptr;
    QListWidget* ListBoxFoundUnits = nullptr;

signals:
    // The person chose `unit`: as the one to convert to with Shift+Enter,
    // otherwise as the one to convert from. The window has closed.
    void unitChosen(UnitIndex unit, bool asTarget);

public slots:
    void EditFindUnitChange();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void chooseCurrentUnit(bool asTarget);
    void closeToMainWindow();
    void moveInList(int rows);

    Spelling spelling_ = Spelling::European;
    FixedRowHeightDelegate* rowHeights_ = nullptr;
};

} // namespace tavrix
