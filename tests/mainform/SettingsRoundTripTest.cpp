// Every setting survives closing the window and opening a new one, in the
// file's exact nine lines; unexpected text in the file falls back as it should.
#include "SettingsStoreFixture.h"
#include "Widgets.h"

#include <QApplication>
#include <QLineEdit>
#include <QSessionManager>

namespace tavrix {
namespace {

TEST_F(SettingsStore, EverySettingComesBackInANewWindow) {
    {
        const auto window = openWindow();
        ChooseMenuItem(*window, "Mediumfontsize1");
        ChooseDecimals(*window, 2);
        ChooseListRow(*window, "ListBoxConvertCategory", 4); // "Density"
        ChooseListRow(*window, "ListBoxConvertFromUnit", 3);
        ChooseListRow(*window, "ListBoxConvertToUnit", 7);
        ChooseMenuItem(*window, "USAspelling1");
        ChooseMenuItem(*window, "Usethousandsseparator1");
        TypeValue(*window, "12.5");
        EXPECT_FALSE(settingsFileExists()) << "changing a setting writes nothing";
        window->close();
    }
    EXPECT_EQ(settingsFileBytes(), "9\r\n2\r\n4\r\n3\r\n7\r\nUSA\r\nTRUE\r\nFALSE\r\n12.5\r\n");
    {
        const auto window = openWindow();
        EXPECT_EQ(SettingsShownBy(*window),
                  (ShownSettings{9, "Medium", 2, 4, 3, 7, "gram/liter", "kg/liter", "USA", true, false, true,
                                 false, "12.5", "21 21 21"}));
        ChooseMenuItem(*window, "Largefontsize1");
        ChooseDecimals(*window, 16);
        ChooseMenuItem(*window, "Scientificformat1");
        ChooseMenuItem(*window, "Usethousandsseparator1");
        ChooseListRow(*window, "ListBoxConvertCategory", 23); // "Volume / Capacity"
        ChooseListRow(*window, "ListBoxConvertFromUnit", 15);
        ChooseListRow(*window, "ListBoxConvertToUnit", 7);
        ChooseMenuItem(*window, "Englishspelling1");
        TypeValue(*window, "0.25");
        window->close();
    }
    EXPECT_EQ(settingsFileBytes(), "10\r\n16\r\n23\r\n15\r\n7\r\nEUROPE\r\nFALSE\r\nTRUE\r\n0.25\r\n");
    {
        const auto window = openWindow();
        // The names sharing a Liquid measure name keep their three trailing spaces.
        EXPECT_EQ(SettingsShownBy(*window),
                  (ShownSettings{10, "Large", 16, 23, 15, 7, "fluid ounce UK   ", "litre   ", "European",
                                 false, true, false, true, "0.25", "22 22 22"}));
        ChooseMenuItem(*window, "Smallfontsize1");
        window->close();
    }
    {
        const auto window = openWindow();
        const ShownSettings shown = SettingsShownBy(*window);
        EXPECT_EQ(shown.fontSize, 8);
        EXPECT_EQ(shown.checkedFontItems, "Small");
        EXPECT_EQ(shown.rowHeights, "20 20 20");
    }
}

// A unit added since the first catalogue is stored by its list position, after
// the category's first units, and comes back; the first units keep theirs.
TEST_F(SettingsStore, AnAddedUnitComesBackByItsPlaceInTheList) {
    {
        const auto window = openWindow();
        ChooseListRow(*window, "ListBoxConvertCategory", 13); // "Liquid measure": 11 units, then 8 added
        ChooseListRow(*window, "ListBoxConvertFromUnit", 17);
        ChooseListRow(*window, "ListBoxConvertToUnit", 10);
        window->close();
    }
    EXPECT_NE(settingsFileBytes().find("\r\n13\r\n17\r\n10\r\n"), std::string::npos);
    const auto window = openWindow();
    const ShownSettings shown = SettingsShownBy(*window);
    EXPECT_EQ(shown.fromLabel, "tablespoon (metric)");
    EXPECT_EQ(shown.toLabel, "barrels(oil)");
}

// Positions below 0 count as 0; the spelling is USA and a check mark off
// only for exactly "USA" and "FALSE". The next close writes them as read.
// Loading selects and refills step by step; a stored value that is refused
// is reported once, for the state the window opens in.
// The window keeps its own copy of the data paths: the caller's may be gone
// long before the window saves its settings on closing.
TEST_F(SettingsStore, TheWindowOutlivesTheDataPathsItWasGiven) {
    const auto window = openWindow(DataPaths(folder_.path()), GermanLocale);
    window->close();
    EXPECT_TRUE(settingsFileExists());
}

TEST_F(SettingsStore, AStoredRefusedValueIsReportedOnce) {
    // Angles, "1/4 circle" to "tangent of angle": 1 quarter circle is 90°.
    writeSettingsFile("8\r\n6\r\n1\r\n9\r\n4\r\nEUROPE\r\nFALSE\r\nFALSE\r\n1\r\n");
    desktop_.expectInformation("The \"1/4 circle\" value is not a valid.");
    const auto window = openWindow();
    EXPECT_EQ(Find<QLineEdit>(*window, "EditToValue").text(), "Error");
}

TEST_F(SettingsStore, UnexpectedTextInTheFileFallsBack) {
    writeSettingsFile("8\r\n6\r\n4\r\n-3\r\n5\r\nusa\r\nfalse\r\n\r\n7\r\n");
    {
        const auto window = openWindow(AmericanLocale);
        EXPECT_EQ(SettingsShownBy(*window),
                  (ShownSettings{8, "Small", 6, 4, 0, 5, "gram/mm³", "kg/cm³", "European", true, true, false,
                                 true, "7", "20 20 20"}));
        window->close();
    }
    EXPECT_EQ(settingsFileBytes(), "8\r\n6\r\n4\r\n0\r\n5\r\nEUROPE\r\nTRUE\r\nTRUE\r\n7\r\n");

    // A font size no menu item stands for checks none of them.
    writeSettingsFile("11\r\n0\r\n4\r\n3\r\n-1\r\nUSA\r\nFALSE\r\nNO\r\n3\r\n");
    const auto window = openWindow();
    EXPECT_EQ(SettingsShownBy(*window), (ShownSettings{11, "", 0, 4, 3, 0, "gram/liter", "gram/mm³", "USA",
                                                       false, true, false, true, "3", "23 23 23"}));
}

// The desktop session may end without closing the window; the settings are
// saved all the same, and the window stays open.
TEST_F(SettingsStore, TheEndOfTheDesktopSessionSavesTheSettings) {
    const auto window = openWindow();
    ChooseMenuItem(*window, "Largefontsize1");
    ChooseDecimals(*window, 3);
    // The application's own session manager: its constructor is not public.
    QSessionManager* session = qApp->findChild<QSessionManager*>();
    ASSERT_NE(session, nullptr) << "the application made no session manager";
    emit qApp->commitDataRequest(*session);
    EXPECT_EQ(settingsFileBytes(), "10\r\n3\r\n0\r\n0\r\n1\r\nEUROPE\r\nFALSE\r\nFALSE\r\n1.000\r\n");
    EXPECT_TRUE(window->isVisible());
}

} // namespace
} // namespace tavrix
