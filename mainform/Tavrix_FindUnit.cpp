#include "Tavrix_FindUnit.h"

#include "ShownCategoryNames.h"

#include "CategoryRowDelegate.h"
#include "UnitSearch.h"
#include "Utf8Text.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tavrix {

namespace {

constexpr int UnitRole = Qt::UserRole;

} // namespace

// A tool window stays over the main window without a frame of its own, as
// the popup did, and takes the keyboard when it opens.
TFormFindUnit::TFormFindUnit(QWidget* parent) : QFrame(parent, Qt::Tool | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("TFormFindUnit"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setWindowTitle(tr("Find unit"));
    setAccessibleName(windowTitle());
    EditFindUnit = new QLineEdit(this);
    EditFindUnit->setObjectName(QStringLiteral("EditFindUnit"));
    EditFindUnit->setPlaceholderText(tr("Type part of a unit's name"));
    EditFindUnit->setAccessibleName(windowTitle());
    EditFindUnit->setAccessibleDescription(
        tr("Up and Down choose a unit, Enter converts from it, Shift+Enter converts to it"));
    ListBoxFoundUnits = new QListWidget(this);
    ListBoxFoundUnits->setObjectName(QStringLiteral("ListBoxFoundUnits"));
    ListBoxFoundUnits->setAccessibleName(tr("Units found"));
    ListBoxFoundUnits->setFocusPolicy(Qt::NoFocus); // the keys stay in the field
    rowHeights_ = new FixedRowHeightDelegate(ListBoxFoundUnits);
    ListBoxFoundUnits->setItemDelegate(rowHeights_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(3);
    layout->addWidget(EditFindUnit);
    layout->addWidget(ListBoxFoundUnits);
    connect(EditFindUnit, &QLineEdit::textChanged, this, &TFormFindUnit::EditFindUnitChange);
    connect(ListBoxFoundUnits, &QListWidget::itemActivated, this, [this] { chooseCurrentUnit(false); });
    EditFindUnit->installEventFilter(this);
}

void TFormFindUnit::ShowOver(const QRect& area, Spelling spelling, int rowHeight) {
    spelling_ = spelling;
    setFont(parentWidget()->font());
    rowHeights_->setRowHeight(rowHeight);
    setGeometry(QRect(parentWidget()->mapToGlobal(area.topLeft()), area.size()));
    EditFindUnitChange();
    EditFindUnit->selectAll();
    show();
    raise();
    activateWindow();
    EditFindUnit->setFocus();
}

void TFormFindUnit::EditFindUnitChange() {
    ListBoxFoundUnits->clear();
    const QString typed = EditFindUnit->text();
    const std::vector<UnitIndex> found = SearchUnits(typed.toStdString(), spelling_);
    if (found.empty() && !typed.trimmed().isEmpty()) {
        // Said in the list, where the person looks, and made its current
        // row below, which a screen reader reads out; it can't be chosen.
        auto* nothing = new QListWidgetItem(tr("No unit matches"));
        nothing->setFlags(Qt::NoItemFlags);
        ListBoxFoundUnits->addItem(nothing);
    }
    for (const UnitIndex unit : found) {
        auto* item = new QListWidgetItem(FromUtf8(VisibleName(unit, spelling_)) + QStringLiteral(" \u2014 ") +
                                         ShownCategoryName(CategoryOfUnit(unit)));
        item->setData(UnitRole, unit);
        ListBoxFoundUnits->addItem(item);
    }
    ListBoxFoundUnits->setCurrentRow(0);
}

void TFormFindUnit::moveInList(int rows) {
    const int count = ListBoxFoundUnits->count();
    if (count > 0 && ListBoxFoundUnits->item(0)->data(UnitRole).isValid()) {
        ListBoxFoundUnits->setCurrentRow(std::clamp(ListBoxFoundUnits->currentRow() + rows, 0, count - 1));
    }
}

void TFormFindUnit::chooseCurrentUnit(bool asTarget) {
    const QListWidgetItem* item = ListBoxFoundUnits->currentItem();
    if (item == nullptr || !item->data(UnitRole).isValid()) {
        return;
    }
    const auto unit = static_cast<UnitIndex>(item->data(UnitRole).toUInt());
    closeToMainWindow();
    emit unitChosen(unit, asTarget);
}

// Closed by a key, the window gives the keyboard back to the main window,
// where the popup left it; without a window manager no one else would.
void TFormFindUnit::closeToMainWindow() {
    close();
    parentWidget()->activateWindow();
}

bool TFormFindUnit::eventFilter(QObject* watched, QEvent* event) {
    if (watched != EditFindUnit || event->type() != QEvent::KeyPress) {
        return QFrame::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const int page =
        std::max(1, ListBoxFoundUnits->height() / std::max(1, ListBoxFoundUnits->sizeHintForRow(0)));
    switch (key->key()) {
    case Qt::Key_Up:
        moveInList(-1);
        return true;
    case Qt::Key_Down:
        moveInList(1);
        return true;
    case Qt::Key_PageUp:
        moveInList(-page);
        return true;
    case Qt::Key_PageDown:
        moveInList(page);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        chooseCurrentUnit(key->modifiers().testFlag(Qt::ShiftModifier));
        return true;
    case Qt::Key_Escape:
        closeToMainWindow();
        return true;
    default:
        return QFrame::eventFilter(watched, event);
    }
}

// Whatever else the person turns to, a click in the main window or another
// program, takes the activation and closes the window, as it closed a popup.
void TFormFindUnit::changeEvent(QEvent* event) {
    QFrame::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow()) {
        close();
    }
}

} // namespace tavrix
