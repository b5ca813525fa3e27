#include "SettingsStoreFixture.h"

#include "Tavrix_Units.h"
#include "Widgets.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStringList>

namespace tavrix {

namespace {

QString CheckedItems(const TFormTavrix& window,
                     std::initializer_list<std::pair<const char*, const char*>> items) {
    QStringList checked;
    for (const auto& [actionName, shownAs] : items) {
        if (Find<QAction>(window, actionName).isChecked())
            checked += QString::fromLatin1(shownAs);
    }
    return checked.join('+');
}

QString RowHeights(const TFormTavrix& window) {
    QStringList heights;
    for (const char* name : {"ListBoxConvertCategory", "ListBoxConvertFromUnit", "ListBoxConvertToUnit"}) {
        const auto& list = Find<QListWidget>(window, name);
        heights += list.count() == 0 ? QStringLiteral("-")
                                     : QString::number(list.visualItemRect(list.item(0)).height());
    }
    return heights.join(' ');
}

} // namespace

void PrintTo(const ShownSettings& shown, std::ostream* out) {
    *out << "{font " << shown.fontSize << " [" << shown.checkedFontItems.toStdString() << "], decimals "
         << shown.decimals << ", category " << shown.category << ", rows " << shown.fromRow << "/"
         << shown.toRow << " \"" << shown.fromLabel.toStdString() << "\" to \"" << shown.toLabel.toStdString()
         << "\", spelling [" << shown.checkedSpellingItems.toStdString() << "], thousands "
         << shown.thousandsSeparator << ", scientific " << shown.scientificFormat << ", decimals shown "
         << shown.decimalsShown << ", scientific label shown " << shown.scientificLabelShown << ", value \""
         << shown.value.toStdString() << "\", row heights " << shown.rowHeights.toStdString() << "}";
}

ShownSettings SettingsShownBy(const TFormTavrix& window) {
    ShownSettings shown;
    shown.fontSize = window.font().pointSize();
    shown.checkedFontItems = CheckedItems(
        window, {{"Smallfontsize1", "Small"}, {"Mediumfontsize1", "Medium"}, {"Largefontsize1", "Large"}});
    shown.decimals = Find<QComboBox>(window, "ComboBoxDecimalPlaces").currentIndex();
    shown.category = Find<QListWidget>(window, "ListBoxConvertCategory").currentRow();
    shown.fromRow = Find<QListWidget>(window, "ListBoxConvertFromUnit").currentRow();
    shown.toRow = Find<QListWidget>(window, "ListBoxConvertToUnit").currentRow();
    shown.fromLabel = Find<QLabel>(window, "LabelFromUnit").text();
    shown.toLabel = Find<QLabel>(window, "LabelToUnit").text();
    shown.checkedSpellingItems =
        CheckedItems(window, {{"Englishspelling1", "European"}, {"USAspelling1", "USA"}});
    shown.thousandsSeparator = Find<QAction>(window, "Usethousandsseparator1").isChecked();
    shown.scientificFormat = Find<QAction>(window, "Scientificformat1").isChecked();
    const bool decimalsLabelShown = Find<QLabel>(window, "LabelDecimalPlaces").isVisible();
    const bool decimalsListShown = Find<QComboBox>(window, "ComboBoxDecimalPlaces").isVisible();
    EXPECT_EQ(decimalsLabelShown, decimalsListShown) << "the Decimals label and list go together";
    shown.decimalsShown = decimalsLabelShown && decimalsListShown;
    shown.scientificLabelShown = Find<QLabel>(window, "LabelScientificFormat").isVisible();
    shown.value = Find<QLineEdit>(window, "EditFromValue").text();
    shown.rowHeights = RowHeights(window);
    return shown;
}

ShownSettings DefaultsShown(bool usaSpelling) {
    return {8,
            "Small",
            6,
            0,
            0,
            1,
            QStringLiteral("cm/sec²"),
            QStringLiteral("m/sec²"),
            usaSpelling ? "USA" : "European",
            false,
            false,
            true,
            false,
            "1.000",
            "20 20 20"};
}

std::string DefaultsFile(bool usaSpelling) {
    return std::string("8\r\n6\r\n0\r\n0\r\n1\r\n") + (usaSpelling ? "USA" : "EUROPE") +
           "\r\nFALSE\r\nFALSE\r\n1.000\r\n";
}

void ChooseMenuItem(TFormTavrix& window, const char* actionName) {
    Find<QAction>(window, actionName).trigger();
}

void ChooseListRow(TFormTavrix& window, const char* listName, int row) {
    auto& list = Find<QListWidget>(window, listName);
    QListWidgetItem* item = list.item(row);
    if (item == nullptr) {
        ADD_FAILURE() << listName << " has no row " << row;
        return;
    }
    list.scrollToItem(item);
    ClickAt(*list.viewport(), list.visualItemRect(item).center());
}

void ChooseDecimals(TFormTavrix& window, int position) {
    auto& decimals = Find<QComboBox>(window, "ComboBoxDecimalPlaces");
    for (int step = decimals.currentIndex(); step < position; ++step)
        PressKey(decimals, Qt::Key_Down);
    for (int step = decimals.currentIndex(); step > position; --step)
        PressKey(decimals, Qt::Key_Up);
}

void TypeValue(TFormTavrix& window, const QString& text) {
    auto& field = Find<QLineEdit>(window, "EditFromValue");
    PressKey(field, Qt::Key_End);
    PressKey(field, Qt::Key_Home, Qt::ShiftModifier);
    PressKey(field, Qt::Key_Backspace);
    TypeText(field, text);
}

SettingsStore::SettingsStore() : paths_(folder_.path()) {
    EXPECT_TRUE(folder_.isValid());
}

std::unique_ptr<TFormTavrix> SettingsStore::openWindow(const QLocale& systemLocale) const {
    return openWindow(paths_, systemLocale);
}

std::unique_ptr<TFormTavrix> SettingsStore::openWindow(const DataPaths& paths,
                                                       const QLocale& systemLocale) const {
    desktop_.setLocale(systemLocale);
    auto window = std::make_unique<TFormTavrix>(desktop_, paths);
    window->show();
    return window;
}

bool SettingsStore::settingsFileExists() const {
    return QFile::exists(settingsPath());
}

} // namespace tavrix
