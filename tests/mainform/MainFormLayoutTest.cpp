// The main window as it opens: its size and title bar, the captions the
// program sets itself, the menu tree and its check marks, the tab order, the
// drawing of the category rows, and a picture of the whole window.
#include "CategoryRowDelegate.h"
#include "MainFormFixture.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMenu>
#include <QMenuBar>

#include <utility>
#include <vector>

namespace tavrix {
namespace {

using MainWindowLayout = MainWindowTest;

TEST_F(MainWindowLayout, FixedSizeWindowWithoutMaximiseButton) {
    EXPECT_EQ(window.windowTitle(), "Tavrix");
    EXPECT_EQ(control("ClientArea").size(), QSize(578, 568));
    EXPECT_EQ(window.centralWidget(), &control("ClientArea"));
    // Nothing but the menu bar sits above the client area.
    EXPECT_EQ(window.height(), 568 + window.menuBar()->height());
    EXPECT_EQ(window.width(), 578);
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
}

TEST_F(MainWindowLayout, OpensOnAccelerationWithAResult) {
    EXPECT_EQ(categories().count(), CategoryCount);
    EXPECT_EQ(categories().item(0)->text(), "Acceleration");
    EXPECT_EQ(categories().item(23)->text(), "Volume / Capacity");
    EXPECT_EQ(categories().currentRow(), 0);
    EXPECT_EQ(fromLabel(), "cm/sec²");
    EXPECT_EQ(toLabel(), "m/sec²");
    EXPECT_EQ(value(), "1.000");
    EXPECT_EQ(result(), "0.010000"); // 1 cm/s² = 0.01 m/s², at the default 6 decimals
    EXPECT_TRUE(addToLogEnabled());
    EXPECT_EQ(control<QComboBox>("ComboBoxDecimalPlaces").currentText(), "6");
    EXPECT_FALSE(control("LabelGiveAwayYourOwn").isVisible());
    EXPECT_FALSE(control("LabelScientificFormat").isVisible());
    EXPECT_TRUE(control("LabelDecimalPlaces").isVisible());
    // Moved down to the Decimals row so the two can take turns in one place.
    EXPECT_EQ(control("LabelScientificFormat").y(), 380);
}

TEST_F(MainWindowLayout, DivideButtonsShowTheDivisionSign) {
    const std::pair<const char*, const char*> captions[] = {
        {"BitBtnDivideBy2", "÷2"},     {"BitBtnDivideBy3", "÷3"},   {"BitBtnDivideBy4", "÷4"},
        {"BitBtnDivideBy5", "÷5"},     {"BitBtnDivideBy10", "÷10"}, {"BitBtnMultiplyBy2", "x2"},
        {"BitBtnMultiplyBy3", "x3"},   {"BitBtnMultiplyBy4", "x4"}, {"BitBtnMultiplyBy5", "x5"},
        {"BitBtnMultiplyBy10", "x10"}, {"BitBtnReciprocal", "1/x"}};
    for (const auto& [name, caption] : captions) {
        EXPECT_EQ(control<QAbstractButton>(name).text(), QString::fromUtf8(caption)) << name;
    }
}

// One menu's items; a separator reads "-".
QStringList MenuItems(const QMenu& menu) {
    QStringList items;
    for (const QAction* action : menu.actions()) {
        items << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return items;
}

// Each menu's caption marks the letter that opens it with Alt.
TEST_F(MainWindowLayout, MenuTreeWithExactCaptions) {
    const std::vector<std::pair<QString, QStringList>> expected = {
        {"&File",
         {"Open Results Log file", "Save Results Log file", "-", "Email Results Log", "Print Results Log",
          "-", "Exit"}},
        {"&Edit",
         {"Clear Results log", "Copy Results Log to clipboard", "Delete selected text in Results Log", "-",
          "Edit text in Results Log", "Calculate entry for Results Log", "-", "Find unit..."}},
        {"&Settings",
         {"Small font size", "Medium font size", "Large font size", "-", "Use thousands separator in results",
          "Results in Scientific format", "-", "European spelling", "USA spelling", "-",
          "Restore default settings"}},
        {"&Help", {"Contents ...     ", "Index ...", "-", "About"}},
    };
    const QList<QAction*> bar = window.menuBar()->actions();
    ASSERT_EQ(bar.size(), 6);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const QAction* top = bar.at(static_cast<qsizetype>(i));
        EXPECT_EQ(top->text(), expected[i].first);
        ASSERT_NE(top->menu(), nullptr) << expected[i].first.toStdString();
        EXPECT_EQ(MenuItems(*top->menu()), expected[i].second);
    }
    const QAction& spacer = *bar.at(4);
    EXPECT_EQ(spacer.text(), "---------------------->");
    EXPECT_TRUE(spacer.isVisible());
    EXPECT_FALSE(spacer.isEnabled());
    const QAction& giveAway = *bar.at(5);
    EXPECT_EQ(giveAway.text(), "Give-Away-Your-Own-Branded-Version-Of-Tavrix!");
    EXPECT_TRUE(giveAway.isVisible());
    EXPECT_TRUE(giveAway.isEnabled());
    EXPECT_EQ(Find<QAction>(window, "Contents1").shortcut(), QKeySequence(Qt::Key_F1));
}

QStringList Checked(const TFormTavrix& window, std::initializer_list<const char*> group) {
    QStringList checked;
    for (const char* name : group) {
        if (Find<QAction>(window, QString::fromLatin1(name)).isChecked()) {
            checked << QString::fromLatin1(name);
        }
    }
    return checked;
}

const std::initializer_list<const char*> FontSizeItems = {"Smallfontsize1", "Mediumfontsize1",
                                                          "Largefontsize1"};
const std::initializer_list<const char*> SpellingItems = {"Englishspelling1", "USAspelling1"};

// Choosing an item checks it and clears the others; choosing the checked
// item again must not leave the group without a check.
TEST_F(MainWindowLayout, FontSizeAndSpellingEachShowExactlyOneCheck) {
    EXPECT_EQ(Checked(window, FontSizeItems), QStringList{"Smallfontsize1"});
    EXPECT_EQ(Checked(window, SpellingItems), QStringList{"Englishspelling1"});
    for (const char* item : {"Mediumfontsize1", "Mediumfontsize1", "Largefontsize1", "Smallfontsize1"}) {
        trigger(item);
        EXPECT_EQ(Checked(window, FontSizeItems), QStringList{item}) << "after " << item;
    }
    for (const char* item : {"USAspelling1", "USAspelling1", "Englishspelling1", "Englishspelling1"}) {
        trigger(item);
        EXPECT_EQ(Checked(window, SpellingItems), QStringList{item}) << "after " << item;
    }
    EXPECT_EQ(Checked(window, FontSizeItems), QStringList{"Smallfontsize1"});
}

TEST(MainWindowLocale, EnglishAsUsedInTheUnitedStatesStartsWithUSASpelling) {
    QTemporaryDir folder;
    const DataPaths paths(folder.path());
    ScriptedDesktop desktop;
    desktop.setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    TFormTavrix window(desktop, paths);
    window.show();
    EXPECT_EQ(Checked(window, SpellingItems), QStringList{"USAspelling1"});
    EXPECT_EQ(Checked(window, FontSizeItems), QStringList{"Smallfontsize1"});
}

TEST_F(MainWindowLayout, TabVisitsTheControlsInLayoutOrder) {
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const QStringList expected = {"ListBoxConvertCategory",
                                  "ListBoxConvertFromUnit",
                                  "ListBoxConvertToUnit",
                                  "EditFromValue",
                                  "BitBtnCalculateEntry",
                                  "BitBtnMultiplyBy2",
                                  "BitBtnMultiplyBy3",
                                  "BitBtnMultiplyBy4",
                                  "BitBtnMultiplyBy5",
                                  "BitBtnMultiplyBy10",
                                  "BitBtnReciprocal",
                                  "BitBtnDivideBy2",
                                  "BitBtnDivideBy3",
                                  "BitBtnDivideBy4",
                                  "BitBtnDivideBy5",
                                  "BitBtnDivideBy10",
                                  "BitBtnCalulateResult",
                                  "ComboBoxDecimalPlaces",
                                  "BitBtnAddToResultsLog",
                                  "BitBtnOpenLogFile",
                                  "BitBtnSaveLogFile",
                                  "BitBtnEmailLog",
                                  "BitBtnPrintLog",
                                  "BitBtnNewLog",
                                  "BitBtnCopyLogToClipboard",
                                  "BitBtnDeleteLogLine",
                                  "BitBtnCalculatorStringToLog",
                                  "BitBtnAddNoteToLog",
                                  "MemoResultsLog"};
    categories().setFocus();
    QStringList visited;
    for (qsizetype step = 0; step < expected.size(); ++step) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        visited << focused->objectName();
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    EXPECT_EQ(visited, expected);
}

// The background of an unselected row, and whether a pixel differs from it.
struct RowPicture {
    QImage image;
    QRect row;
    QRgb background;

    bool inked(int x, int y) const { return image.pixel(row.left() + x, row.top() + y) != background; }
    // Whether anything is drawn in the row-relative rectangle.
    bool anyInk(QRect area) const {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (inked(x, y)) {
                    return true;
                }
            }
        }
        return false;
    }
    // The first column, from `fromX`, with ink anywhere in the row.
    int firstInkedColumn(int fromX) const {
        for (int x = fromX; x < row.width(); ++x) {
            if (anyInk(QRect(x, 0, 1, row.height()))) {
                return x;
            }
        }
        return -1;
    }
    int firstInkedLine(QRect area) const {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            if (anyInk(QRect(area.left(), y, area.width(), 1))) {
                return y;
            }
        }
        return -1;
    }
};

TEST_F(MainWindowLayout, CategoryRowsAreTwentyPixelsWithIconAndName) {
    QListWidget& list = categories();
    EXPECT_EQ(list.font().pointSize(), 8);
    const auto* delegate = dynamic_cast<const CategoryRowDelegate*>(list.itemDelegate());
    ASSERT_NE(delegate, nullptr);
    QStyleOptionViewItem option;
    option.initFrom(&list);
    EXPECT_EQ(delegate->sizeHint(option, list.model()->index(0, 0)).height(), 20);
    for (int row : {0, 1, 23}) {
        EXPECT_EQ(list.visualItemRect(list.item(row)).height(), 20) << row;
    }
    EXPECT_EQ(list.visualItemRect(list.item(1)).top() - list.visualItemRect(list.item(0)).top(), 20);

    // Row 1 ("Angles") is neither selected nor focused: only icon and name are drawn on it.
    list.viewport()->repaint();
    const QImage shot = list.viewport()->grab().toImage();
    const QRect row = list.visualItemRect(list.item(1));
    const RowPicture picture{shot, row, shot.pixel(row.right() - 1, row.bottom() - 1)};
    EXPECT_FALSE(picture.anyInk(QRect(0, 0, 4, 20))) << "left of the icon";
    EXPECT_FALSE(picture.anyInk(QRect(4, 0, 16, 2))) << "above the icon";
    EXPECT_TRUE(picture.anyInk(QRect(4, 2, 16, 16))) << "the icon";
    EXPECT_FALSE(picture.anyInk(QRect(20, 0, 17, 20))) << "between icon and name";
    const int nameStart = picture.firstInkedColumn(37);
    EXPECT_GE(nameStart, 37);
    EXPECT_LE(nameStart, 39) << "the name begins 37 pixels in";
    EXPECT_GE(picture.firstInkedLine(QRect(37, 0, row.width() - 37, 20)), 3) << "the name begins 3 down";

    // The row height follows the font: size + 12.
    trigger("Largefontsize1");
    EXPECT_EQ(list.visualItemRect(list.item(0)).height(), 22);
    trigger("Mediumfontsize1");
    EXPECT_EQ(list.visualItemRect(list.item(0)).height(), 21);
    EXPECT_EQ(fromUnits().visualItemRect(fromUnits().item(0)).height(), 21);
}

// Saves the picture in the build folder, for a person to look at.
TEST_F(MainWindowLayout, RendersTheWholeClientArea) {
    QWidget& client = control("ClientArea");
    const QImage shot = client.grab().toImage();
    EXPECT_EQ(shot.size() / shot.devicePixelRatio(), QSize(578, 568));
    const QString file = QDir(QStringLiteral(MAINFORM_SCREENSHOT_DIR)).filePath("mainform-window.png");
    EXPECT_TRUE(shot.save(file, "PNG")) << file.toStdString();
    const QImage whole = window.grab().toImage();
    EXPECT_TRUE(whole.save(QDir(QStringLiteral(MAINFORM_SCREENSHOT_DIR)).filePath("mainform-with-menu.png")));
}

} // namespace
} // namespace tavrix
