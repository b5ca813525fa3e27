// The two spellings of unit names: switching keeps the chosen units, and the
// first run takes its spelling from the system's language.
#include "SettingsStoreFixture.h"

#include "Widgets.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>

namespace tavrix {
namespace {

QString RowText(const TFormTavrix& window, const char* listName, int row) {
    const QListWidgetItem* item = Find<QListWidget>(window, listName).item(row);
    return item ? item->text() : QStringLiteral("<no row>");
}

TEST_F(SettingsStore, SwitchingSpellingKeepsTheUnitsAndPutsTheDefaultValueBack) {
    const auto window = openWindow();
    ChooseListRow(*window, "ListBoxConvertCategory", 4); // "Density"
    ChooseListRow(*window, "ListBoxConvertFromUnit", 3);
    ChooseListRow(*window, "ListBoxConvertToUnit", 7);
    TypeValue(*window, "5");
    ChooseMenuItem(*window, "USAspelling1");

    const ShownSettings shown = SettingsShownBy(*window);
    EXPECT_EQ(shown.checkedSpellingItems, "USA");
    EXPECT_EQ(shown.fromRow, 3);
    EXPECT_EQ(shown.toRow, 7);
    EXPECT_EQ(shown.fromLabel, "gram/liter");
    EXPECT_EQ(shown.toLabel, "kg/liter");
    EXPECT_EQ(RowText(*window, "ListBoxConvertFromUnit", 3), "gram/liter");
    EXPECT_EQ(RowText(*window, "ListBoxConvertToUnit", 7), "kg/liter");
    EXPECT_EQ(shown.value, "1.000");
    // 1 g/l is 1 kg/m³, and a kg/l is 1000 kg/m³: the USA names are found again.
    EXPECT_EQ(Find<QLineEdit>(*window, "EditToValue").text(), "0.001000");

    ChooseMenuItem(*window, "Englishspelling1");
    EXPECT_EQ(SettingsShownBy(*window).fromLabel, "gram/litre");
    EXPECT_EQ(RowText(*window, "ListBoxConvertToUnit", 7), "kg/litre");
    EXPECT_EQ(Find<QLineEdit>(*window, "EditToValue").text(), "0.001000");
}

// Only English as used in the United States gives USA spelling.
TEST_F(SettingsStore, TheFirstRunSpellsAsTheSystemsLanguage) {
    const struct {
        QLocale locale;
        const char* spellingItem;
        const char* densityUnit;
        const char* fileLine;
    } cases[] = {
        {AmericanLocale, "USA", "gram/liter", "USA"},
        {GermanLocale, "European", "gram/litre", "EUROPE"},
        {QLocale(QLocale::English, QLocale::UnitedKingdom), "European", "gram/litre", "EUROPE"},
        {QLocale(QLocale::Spanish, QLocale::UnitedStates), "European", "gram/litre", "EUROPE"},
    };
    for (const auto& language : cases) {
        SCOPED_TRACE(language.locale.name().toStdString());
        ASSERT_FALSE(settingsFileExists());
        {
            const auto window = openWindow(language.locale);
            EXPECT_EQ(SettingsShownBy(*window).checkedSpellingItems, language.spellingItem);
            ChooseListRow(*window, "ListBoxConvertCategory", 4); // "Density"
            EXPECT_EQ(RowText(*window, "ListBoxConvertFromUnit", 3), language.densityUnit);
            window->close();
        }
        EXPECT_EQ(QByteArray::fromStdString(settingsFileBytes()).split('\n').value(5).toStdString(),
                  std::string(language.fileLine) + '\r');
        QFile::remove(settingsPath());
    }
}

} // namespace
} // namespace tavrix
