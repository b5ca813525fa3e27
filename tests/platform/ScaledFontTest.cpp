// On a screen scaled to twice the size (this program runs with
// QT_SCALE_FACTOR=2), the small windows' text still comes from a face that
// scales smoothly, not from a one-size bitmap.
#include "Fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>

#include <gtest/gtest.h>

namespace tavrix {
namespace {

TEST(ScaledScreen, SmallWindowTextIsDrawnByAScalableFace) {
    ASSERT_EQ(qGuiApp->devicePixelRatio(), 2.0) << "run with QT_SCALE_FACTOR=2";
    const QFontInfo resolved(SmallWindowFont());
    EXPECT_TRUE(QFontDatabase::isSmoothlyScalable(resolved.family())) << resolved.family().toStdString();
    EXPECT_EQ(resolved.pixelSize(), 11);
}

} // namespace
} // namespace tavrix
