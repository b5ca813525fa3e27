// The bitmaps the build draws ahead, so that start-up need not draw the
// SVG pictures and icons, are exactly what drawing them now gives, at the
// sizes the windows show them, on ordinary and on doubled screens.
#include "SvgPicture.h"
#include "Tavrix_Branding_001.h"

#include <QDir>
#include <QLabel>

#include <gtest/gtest.h>

namespace tavrix {
namespace {

void ExpectDrawnAhead(const QString& svgFile, QSize size, int ratio) {
    SCOPED_TRACE(svgFile.toStdString() + " at " + std::to_string(ratio) + "x");
    const QImage ahead = PrerenderedPixels(svgFile, size * ratio);
    ASSERT_FALSE(ahead.isNull()) << "the build drew no bitmap";
    const QImage drawn = RenderSvgAt(svgFile, size, ratio).toImage().convertToFormat(PrerenderedFormat);
    EXPECT_EQ(ahead, drawn);
}

TEST(PrerenderedPictures, TheBrandingPicturesAtTheirLabelsSizes) {
    const TFormTavrixBranding branding(nullptr);
    for (const int ratio : {1, 2}) {
        ExpectDrawnAhead(":/branding/banner.svg", branding.ImageTavrixBanner->size(), ratio);
        ExpectDrawnAhead(":/branding/supplier.svg", branding.ImageSupplierBranding->size(), ratio);
        ExpectDrawnAhead(":/branding/splash.svg", {380, 200}, ratio); // the splash's client area
    }
}

TEST(PrerenderedPictures, EveryCategoryIconAndGlyphAtSixteenPixels) {
    const QStringList icons =
        QDir(":/icons").entryList({"category-*.svg", "glyph-*.svg"}, QDir::Files, QDir::Name);
    ASSERT_EQ(icons.size(), 24 + 12);
    for (const QString& icon : icons) {
        for (const int ratio : {1, 2}) {
            ExpectDrawnAhead(":/icons/" + icon, QSize(16, 16) * ratio, 1);
        }
    }
}

// The window manager is given the program's icon at these sizes as the main
// window first shows.
TEST(PrerenderedPictures, TheProgramsIconAtTheWindowManagersSizes) {
    for (const int size : {16, 32, 64, 128}) {
        ExpectDrawnAhead(":/icons/tavrix.svg", QSize(size, size), 1);
    }
}

TEST(PrerenderedPictures, OtherSizesAndOtherFilesAreDrawnAsBefore) {
    EXPECT_TRUE(PrerenderedPixels(":/branding/banner.svg", {579, 81}).isNull());
    EXPECT_TRUE(PrerenderedPixels(":/icons/glyph-save.svg", {24, 24}).isNull());
    EXPECT_TRUE(PrerenderedName("/tmp/banner.svg", {578, 81}).isEmpty());
    // A ratio of 1.5 has no bitmap drawn ahead: the SVG is drawn at it.
    const QPixmap drawn = RenderSvgAt(":/branding/banner.svg", {578, 81}, 1.5);
    EXPECT_EQ(drawn.size(), QSize(867, 122));
}

} // namespace
} // namespace tavrix
