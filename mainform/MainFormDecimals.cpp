// The Decimals box's edit field: a number typed there counts once the person
// presses Enter or leaves the box, so the box never shows one number while
// the result uses another.
#include "Tavrix_MainForm.h"
#include "ui_Tavrix_MainForm.h"

#include <optional>

namespace tavrix {

namespace {

// The number of decimals a typed text stands for: one of the box's items,
// "0" to "16", blanks around it forgiven.
std::optional<int> TypedDecimals(const QString& typed, int itemCount) {
    const QString text = typed.trimmed();
    if (text.isEmpty() || text.size() > 2) {
        return std::nullopt;
    }
    for (const QChar c : text) {
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
    }
    const int decimals = text.toInt();
    return decimals < itemCount ? std::optional<int>(decimals) : std::nullopt;
}

} // namespace

bool TFormTavrix::takeTypedDecimals() {
    QComboBox& box = *ui->ComboBoxDecimalPlaces;
    const int inForce = box.currentIndex();
    const std::optional<int> typed = TypedDecimals(box.currentText(), box.count());
    const int decimals = typed.value_or(inForce);
    box.setCurrentIndex(decimals);
    // setCurrentIndex leaves the edit field alone when the index stays.
    box.setEditText(box.itemText(decimals));
    return decimals != inForce;
}

void TFormTavrix::ComboBoxDecimalPlacesExit() {
    if (takeTypedDecimals()) {
        CalculateConversion();
    }
}

} // namespace tavrix
