// The bitmaps the build draws ahead, so that start-up need not draw the
// SVG pictures and icons, are exactly what drawing them now gives, at the
// sizes the windows show them, on ordinary and on doubled screens.
#include "PictureWords.h"
#include "SvgPicture.h"
#include "Tavrix_Branding_001.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QTranslator>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace tavrix {
namespace {

// With a language, the picture's words are drawn in it.
// The largest difference of one colour channel of one pixel; -1 when the
// sizes differ.
int LargestDifference(const QImage& one, const QImage& other) {
    if (one.size() != other.size())
        return -1;
    int largest = 0;
    for (int y = 0; y < one.height(); ++y) {
        for (int x = 0; x < one.width(); ++x) {
            const QRgb a = one.pixel(x, y);
            const QRgb b = other.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
        }
    }
    return largest;
}

void ExpectDrawnAhead(const QString& svgFile, QSize size, int ratio, const QString& language = {}) {
    SCOPED_TRACE(svgFile.toStdString() + " at " + std::to_string(ratio) + "x " + language.toStdString());
    const QImage ahead = PrerenderedPixels(svgFile, size * ratio, language);
    ASSERT_FALSE(ahead.isNull()) << "the build drew no bitmap";
    QTranslator translation;
    if (!language.isEmpty() && language != QLatin1String("en")) {
        ASSERT_TRUE(
            translation.load(QStringLiteral("tavrix_") + language, QStringLiteral(TAVRIX_TRANSLATIONS_DIR)));
        QCoreApplication::installTranslator(&translation);
    }
    QPixmap drawn = RenderSvgAt(svgFile, size, ratio);
    if (!language.isEmpty()) {
        DrawPictureWords(drawn, svgFile);
    }
    const QImage now = drawn.toImage().convertToFormat(PrerenderedFormat);
    if (language.isEmpty()) {
        EXPECT_EQ(ahead, now);
    } else {
        // Text drawn by the build tool and by the program may round an edge
        // of an accented glyph differently by a level or so.
        EXPECT_LE(LargestDifference(ahead, now), 8);
        EXPECT_GE(LargestDifference(ahead, now), 0) << "of another size";
    }
}

// The banner and the supplier's picture, shown at start, in each language.
TEST(PrerenderedPictures, TheBrandingPicturesAtTheirLabelsSizes) {
    const TFormTavrixBranding branding(nullptr);
    for (const int ratio : {1, 2}) {
        for (const char* language : {"en", "de", "fr"}) {
            ExpectDrawnAhead(":/branding/banner.svg", branding.ImageTavrixBanner->size(), ratio, language);
            ExpectDrawnAhead(":/branding/supplier.svg", branding.ImageSupplierBranding->size(), ratio,
                             language);
        }
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
    EXPECT_TRUE(PrerenderedPixels(":/branding/banner.svg", {579, 81}, "en").isNull());
    EXPECT_TRUE(PrerenderedPixels(":/branding/banner.svg", {578, 81}, "es").isNull());
    EXPECT_TRUE(PrerenderedPixels(":/icons/glyph-save.svg", {24, 24}).isNull());
    EXPECT_TRUE(PrerenderedName("/tmp/banner.svg", {578, 81}).isEmpty());
    // A ratio of 1.5 has no bitmap drawn ahead: the SVG is drawn at it.
    const QPixmap drawn = RenderSvgAt(":/branding/banner.svg", {578, 81}, 1.5);
    EXPECT_EQ(drawn.size(), QSize(867, 122));
}

} // namespace
} // namespace tavrix
