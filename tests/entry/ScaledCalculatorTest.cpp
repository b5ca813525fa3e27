// On a screen scaled to twice the size every text of the calculator (the
// display and the operation sign included) is drawn by a face that scales
// smoothly, at the size it has unscaled; a one-size bitmap face would draw
// tiny, widely spaced glyphs.
#include "CalculatorPopUp.h"
#include "DataPaths.h"
#include "ScriptedDesktop.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tavrix {
namespace {

TEST(ScaledCalculator, EveryTextIsDrawnByAScalableFace) {
    ASSERT_EQ(qGuiApp->devicePixelRatio(), 2.0) << "run with QT_SCALE_FACTOR=2";
    QTemporaryDir folder;
    const DataPaths paths(folder.path());
    ScriptedDesktop desktop;
    TFormCalculatorPopUp calculator(desktop, paths);
    calculator.show();
    for (const QWidget* control : calculator.findChildren<QWidget*>()) {
        const QFontInfo drawn(control->font());
        EXPECT_TRUE(QFontDatabase::isSmoothlyScalable(drawn.family()))
            << control->objectName().toStdString() << " draws in " << drawn.family().toStdString();
        EXPECT_EQ(drawn.pixelSize(), 11) << control->objectName().toStdString();
    }
}

} // namespace
} // namespace tavrix
