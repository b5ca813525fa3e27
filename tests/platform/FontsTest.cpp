#include "Fonts.h"

#include <QFile>
#include <QFont>
#include <QFontInfo>

#include <gtest/gtest.h>

namespace tavrix {
namespace {

// The test main has registered the fonts already, as the program does at start.
TEST(Fonts, TheWindowFontsResolveToTheBundledClones) {
    if (!QFile::exists("/usr/share/wine/fonts/tahoma.ttf") ||
        !QFile::exists("/usr/share/wine/fonts/ms_sans_serif.ttf"))
        GTEST_SKIP() << "fonts-wine is not installed";
    EXPECT_EQ(QFontInfo(QFont("Tahoma", 8)).family(), "Tahoma");
    EXPECT_EQ(QFontInfo(QFont("MS Sans Serif", 8)).family(), "MS Sans Serif");
    EXPECT_TRUE(RegisterBundledFonts().isEmpty()) << "a second call registered the fonts again";
}

} // namespace
} // namespace tavrix
