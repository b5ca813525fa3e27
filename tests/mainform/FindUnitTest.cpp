// "Find unit..." worked by keyboard alone: Ctrl+F, a few letters, arrows and
// Enter, Shift+Enter or Escape. Expected results are worked out by hand from
// the units' definitions (1 knot = 1852 m/hour, 1 inch = 25.4 mm).
#include "MainFormFixture.h"
#include "Tavrix_FindUnit.h"

#include <QApplication>

namespace tavrix {
namespace {

class FindUnit : public MainWindowTest {
protected:
    // Ctrl+F, wherever the focus is in the window.
    TFormFindUnit& openFinder() {
        EXPECT_EQ(Find<QAction>(window, QStringLiteral("Findunit1")).text(), QStringLiteral("Find unit..."));
        QApplication::setActiveWindow(&window);
        QTest::keyClick(&valueField(), Qt::Key_F, Qt::ControlModifier);
        auto* finder = window.findChild<TFormFindUnit*>();
        EXPECT_NE(finder, nullptr);
        EXPECT_TRUE(finder->isVisible());
        return *finder;
    }
    static QLineEdit& field(TFormFindUnit& finder) { return *finder.EditFindUnit; }
    static QStringList found(TFormFindUnit& finder) { return rowTexts(*finder.ListBoxFoundUnits); }
    static void press(TFormFindUnit& finder, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&field(finder), key, modifiers);
    }
};

const QString Dash = QStringLiteral(" \u2014 ");

struct ChoiceCase {
    const char* typed;
    int downs;            // Down presses before Enter
    bool asTarget;        // Shift+Enter
    const char* category; // chosen in the category list
    const char* fromUnit;
    const char* toUnit;
    const char* value;
    const char* result;
};

void PrintTo(const ChoiceCase& c, std::ostream* out) {
    *out << c.typed << (c.downs > 0 ? " Down" : "") << (c.asTarget ? " Shift+Enter" : " Enter");
}

class ChoosingAFoundUnit : public FindUnit, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(ChoosingAFoundUnit, ChoosesItsCategoryThenTheUnitAndConverts) {
    const ChoiceCase& c = GetParam();
    TFormFindUnit& finder = openFinder();
    QTest::keyClicks(&field(finder), QString::fromUtf8(c.typed));
    for (int down = 0; down < c.downs; ++down) {
        press(finder, Qt::Key_Down);
    }
    press(finder, Qt::Key_Return, c.asTarget ? Qt::ShiftModifier : Qt::NoModifier);
    EXPECT_FALSE(finder.isVisible());
    EXPECT_EQ(categories().currentItem()->text(), QString::fromUtf8(c.category));
    EXPECT_EQ(fromLabel(), QString::fromUtf8(c.fromUnit));
    EXPECT_EQ(toLabel(), QString::fromUtf8(c.toUnit));
    EXPECT_EQ(value(), c.value);
    EXPECT_EQ(result(), c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ChoosingAFoundUnit,
    ::testing::Values(
        // Velocity opens on mm/sec to mm/min, 1.000; a knot is 1852000 mm an hour.
        ChoiceCase{"knot", 0, false, "Velocity", "knot", "mm/min", "1.000", "30866.666667"},
        // Shift+Enter takes the unit to convert to: 3.6 m an hour is 3.6/1852 knot.
        ChoiceCase{"knot", 0, true, "Velocity", "mm/sec", "knot", "1.000", "0.001944"},
        // "inch" lists the inch first, then the names it begins, shorter first: "in²" is
        // 2.54² cm².
        ChoiceCase{"inch", 0, false, "Length", "inch", "cm (centimetre)", "1.000", "2.540000"},
        ChoiceCase{"inch", 1, false, "Area", "in²", "cm²", "1.000", "6.451600"},
        // Units added to a category come after its first ones: a kWh is 3600000 J,
        // 3600000/9.80665 kg-m; a millilitre is a fifth of a metric teaspoon.
        ChoiceCase{"kWh", 0, false, "Energy", "kWh (kilowatt-hour)", "kg-m", "1.000", "367097.836672"},
        ChoiceCase{"tsp", 0, true, "Liquid measure", "millilitre (cm³)", "teaspoon (metric)", "1.000",
                   "0.200000"}));

TEST_F(FindUnit, ListsUnitAndCategoryAtEveryKeyInTheShownSpelling) {
    trigger("USAspelling1");
    TFormFindUnit& finder = openFinder();
    QTest::keyClicks(&field(finder), "lit");
    EXPECT_TRUE(found(finder).contains("liter" + Dash + "Liquid measure"));
    EXPECT_TRUE(found(finder).contains("liter" + Dash + "Volume / Capacity")); // no trailing spaces
    QTest::keyClicks(&field(finder), "re/km");
    // The whole name typed comes first; "liter/100 km" holds both words in that order too,
    // "km/liter" the other way round, which is another unit.
    EXPECT_EQ(found(finder), (QStringList{"liter/km" + Dash + "Fuel consumption",
                                          "liter/100 km" + Dash + "Fuel consumption"}));
    EXPECT_EQ(finder.accessibleName(), "Find unit");
    EXPECT_EQ(field(finder).accessibleName(), "Find unit");
    EXPECT_EQ(finder.ListBoxFoundUnits->accessibleName(), "Units found");
}

TEST_F(FindUnit, UpStopsAtTheTopAndEscapeClosesWithoutAChoice) {
    chooseCategory("Temperature");
    TFormFindUnit& finder = openFinder();
    QTest::keyClicks(&field(finder), "mm");
    press(finder, Qt::Key_Down);
    press(finder, Qt::Key_Up);
    press(finder, Qt::Key_Up);
    EXPECT_EQ(finder.ListBoxFoundUnits->currentRow(), 0);
    press(finder, Qt::Key_Escape);
    EXPECT_FALSE(finder.isVisible());
    EXPECT_EQ(categories().currentItem()->text(), "Temperature");
    EXPECT_EQ(fromLabel(), "°Celsius");
    // Opened again, it offers the last search, selected so typing replaces it.
    openFinder();
    EXPECT_EQ(field(finder).selectedText(), "mm");
}

TEST_F(FindUnit, NothingFoundIsSaidAndEnterThenChangesNothing) {
    TFormFindUnit& finder = openFinder();
    EXPECT_TRUE(found(finder).isEmpty()); // nothing typed, nothing said
    QTest::keyClicks(&field(finder), "furlongs per fortnight");
    EXPECT_EQ(found(finder), QStringList{"No unit matches"});
    press(finder, Qt::Key_Down);
    press(finder, Qt::Key_Return);
    press(finder, Qt::Key_Enter, Qt::ShiftModifier);
    EXPECT_TRUE(finder.isVisible());
    EXPECT_EQ(categories().currentItem()->text(), "Acceleration");
    EXPECT_TRUE(desktop.calls().empty()); // no box
}

// The symbols people type find the unit they mean first.
TEST_F(FindUnit, SymbolsFindTheUnitPeopleMean) {
    struct Case {
        const char* typed;
        const char* first;
    };
    TFormFindUnit& finder = openFinder();
    for (const Case& c :
         {Case{"g", "gram — Mass / Weight"}, Case{"l", "litre — Liquid measure"}, Case{"in", "inch — Length"},
          Case{"K", "°Kelvin — Temperature"}, Case{"mph", "mile/hour — Velocity"}}) {
        field(finder).setText(QString::fromUtf8(c.typed));
        ASSERT_FALSE(found(finder).isEmpty()) << c.typed;
        EXPECT_EQ(found(finder).front(), QString::fromUtf8(c.first));
    }
}

} // namespace
} // namespace tavrix
