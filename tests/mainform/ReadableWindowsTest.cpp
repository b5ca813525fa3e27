// What every person can read: at each font size and in either spelling no
// label or button text is cut off or covered, and a screen reader finds a
// name for every control, menu item and window.
#include "PaletteIcons.h"
#include "ReadableControls.h"
#include "ResultsLogFixture.h"
#include "Tavrix_Branding_001.h"
#include "Tavrix_Splash.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace tavrix {
namespace {

using ReadableWindows = ResultsLogTest;

TEST_F(ReadableWindows, NoTextIsCutOffOrCoveredAtAnyFontSizeInEitherSpelling) {
    QWidget& client = control("ClientArea");
    for (const char* spelling : {"Englishspelling1", "USAspelling1"}) {
        trigger(spelling);
        for (const char* size : {"Smallfontsize1", "Mediumfontsize1", "Largefontsize1"}) {
            trigger(size);
            const std::string when = std::string(size) + " " + spelling;
            ExpectReadable(client, when.c_str());
            // The longest unit names of all, on both sides.
            chooseCategory("Angles");
            chooseFrom("arcsecond (second of arc)");
            chooseTo("arcminute (minute of arc)");
            ExpectReadable(client, (when + ", long unit names").c_str());
            trigger("Scientificformat1");
            ExpectReadable(client, (when + ", scientific").c_str());
            trigger("Scientificformat1");
            EXPECT_TRUE(control("Bevel1")
                            .contentsRect()
                            .translated(control("Bevel1").pos())
                            .contains(control("LabelResultsLog").geometry()))
                << "the log's label stays inside its frame, " << when;
        }
    }
    ExpectReadable(calculator, "in the calculator");
    ExpectReadable(logTextDialog, "in the amend dialog");
}

// The label keeps its place while its text fits.
TEST_F(ReadableWindows, LabelsKeepTheirPlacesWhereTheirTextFits) {
    trigger("Smallfontsize1");
    EXPECT_EQ(control("LabelResultsLog").geometry(), QRect(224, 444, 62, 15));
    EXPECT_EQ(control("LabelDecimalPlaces").geometry(), QRect(470, 380, 46, 15));
    EXPECT_EQ(control("LabelConvertFromUnit").geometry(), QRect(220, 88, 161, 15));
    trigger("Largefontsize1");
    trigger("Smallfontsize1");
    EXPECT_EQ(control("LabelResultsLog").geometry(), QRect(224, 444, 62, 15));
}

// A window that opens at the large size from its settings fits its labels
// before anyone touches the menu.
TEST_F(ReadableWindows, AWindowOpeningAtTheLargeSizeFitsItsLabels) {
    QFile settings(paths.settingsFile());
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("10\r\n6\r\n0\r\n0\r\n1\r\nEUROPE\r\nFALSE\r\nFALSE\r\n1.000\r\n");
    settings.close();
    TFormTavrix large(desktop, paths);
    large.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&large));
    ASSERT_EQ(large.font().pointSize(), 10);
    ExpectReadable(Find<QWidget>(large, "ClientArea"), "opened at 10 points");
}

// Whether any pixel of `icon`, drawn 16 pixels large, has the colour `rgb`.
bool Shows(const QIcon& icon, QRgb rgb) {
    const QImage image = icon.pixmap(16).toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) > 0 && (pixel & RGB_MASK) == (rgb & RGB_MASK)) {
                return true;
            }
        }
    }
    return false;
}

// The contrast ratio of two colours, 1 to 21, as readability guidelines define it.
double Contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double lighter = std::max(luminance(a), luminance(b));
    const double darker = std::min(luminance(a), luminance(b));
    return (lighter + 0.05) / (darker + 0.05);
}

// A dark desktop palette reaching the running window: the texts stay
// readable, the icons' dark outlines turn light, and the hints keep their
// pale yellow with dark text. The picture lands in the build folder.
TEST_F(ReadableWindows, UnderADarkPaletteTextsAndIconsStandOut) {
    const QPalette light = QApplication::palette();
    QPalette dark(QColor(49, 54, 59), QColor(35, 38, 41));
    dark.setColor(QPalette::WindowText, QColor(239, 240, 241));
    dark.setColor(QPalette::Text, QColor(239, 240, 241));
    dark.setColor(QPalette::ButtonText, QColor(239, 240, 241));
    QApplication::setPalette(dark);
    QCoreApplication::processEvents(); // the windows hear of it like of any desktop change

    const QIcon open = control<QAbstractButton>("BitBtnOpenLogFile").icon();
    EXPECT_FALSE(Shows(open, IconOutlineColour)) << "a dark outline on a dark button";
    EXPECT_TRUE(Shows(open, qRgb(239, 240, 241)));
    QWidget& client = control("ClientArea");
    for (const QLabel* label : client.findChildren<QLabel*>()) {
        if (label->isVisible() && !label->text().isEmpty() &&
            label->y() > control("ImageTavrixBanner").height()) {
            EXPECT_GE(Contrast(label->palette().color(label->foregroundRole()),
                               client.palette().color(QPalette::Window)),
                      4.5)
                << label->objectName().toStdString();
        }
    }
    EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), QColor(0xFF, 0xFF, 0xA8));
    EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipText), QColor(Qt::black));
    EXPECT_TRUE(
        window.grab().save(QDir(QStringLiteral(MAINFORM_SCREENSHOT_DIR)).filePath("mainform-dark.png")));

    QApplication::setPalette(light);
    QCoreApplication::processEvents();
    EXPECT_TRUE(Shows(control<QAbstractButton>("BitBtnOpenLogFile").icon(), IconOutlineColour))
        << "back on a light palette, the outline is dark again";
}

// The name a screen reader gives `object`, or why it has none.
QString SpokenName(QObject* object) {
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(object);
    return spoken == nullptr ? QString() : spoken->text(QAccessible::Name).trimmed();
}

void ExpectEveryControlNamed(QWidget& window) {
    EXPECT_NE(SpokenName(&window), QString()) << window.objectName().toStdString();
    for (QWidget* control : window.findChildren<QWidget*>()) {
        // Qt's own parts (viewports, scroll bars, the combo box's field) are spoken for by their owners.
        if (control->objectName().isEmpty() || control->objectName().startsWith("qt_")) {
            continue;
        }
        EXPECT_NE(SpokenName(control), QString()) << control->objectName().toStdString() << " has no name";
    }
}

TEST_F(ReadableWindows, AScreenReaderFindsANameForEveryControlMenuItemAndWindow) {
    ExpectEveryControlNamed(window);
    ExpectEveryControlNamed(calculator);
    ExpectEveryControlNamed(logTextDialog);
    TFormTavrixSplash splash(desktop, SupplierWebAddress);
    ExpectEveryControlNamed(splash);

    for (QMenu* menu : window.menuBar()->findChildren<QMenu*>()) {
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(menu);
        ASSERT_NE(spoken, nullptr);
        for (int item = 0; item < spoken->childCount(); ++item) {
            const QAccessibleInterface* entry = spoken->child(item);
            if (entry->role() != QAccessible::Separator) {
                EXPECT_NE(entry->text(QAccessible::Name), QString())
                    << "item " << item << " of " << menu->title().toStdString();
            }
        }
    }
    // The glyph buttons take their hints; the lists say what they list; the result field says what it holds.
    EXPECT_EQ(control("BitBtnOpenLogFile").accessibleName(), "Open Results Log file");
    EXPECT_EQ(control("BitBtnCalculateEntry").accessibleName(), "Calculate value for entry");
    EXPECT_NE(control("ListBoxConvertCategory").accessibleDescription(), QString());
    EXPECT_TRUE(control("EditToValue").accessibleDescription().contains("result"));
    // A menu reads as its caption, without the mark of its Alt key.
    EXPECT_EQ(SpokenName(&control<QMenu>("Settings1")), "Settings");
}

// A combo box's own name is the value it shows ("6"): a screen reader on
// Linux names it after the label related to it, and its field, which holds
// the keyboard focus, by the field's own name.
TEST_F(ReadableWindows, TheDecimalsListReadsAsDecimals) {
    QComboBox& decimals = control<QComboBox>("ComboBoxDecimalPlaces");
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(&decimals);
    ASSERT_NE(spoken, nullptr);
    QStringList labels;
    for (const auto& [label, relation] : spoken->relations(QAccessible::Label)) {
        labels << label->text(QAccessible::Name);
    }
    EXPECT_EQ(labels, QStringList{"Decimals"});
    EXPECT_EQ(SpokenName(decimals.lineEdit()), "Decimals");
}

} // namespace
} // namespace tavrix
