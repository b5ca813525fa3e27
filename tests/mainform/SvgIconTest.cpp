// Icons drawn on first use must look as Qt's own SVG icons do: sharp at
// every screen scale, greyed when disabled, every button given its glyph.
#include "SvgIcon.h"
#include "MainFormFixture.h"

#include <QAbstractButton>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <gtest/gtest.h>

namespace tavrix {
namespace {

const QString Glyph = QStringLiteral(":/icons/glyph-calculator.svg");

// The SVG drawn straight into `pixels` square pixels.
QImage DrawnDirectly(int pixels) {
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QSvgRenderer(Glyph).render(&painter, QRectF(0, 0, pixels, pixels));
    return image;
}

class SvgIconScale : public ::testing::TestWithParam<qreal> {};

TEST_P(SvgIconScale, IsDrawnAtTheScreensPixelDensity) {
    const qreal scale = GetParam();
    const int pixels = qRound(16 * scale);
    const QPixmap pixmap = SvgIcon(Glyph).pixmap(QSize(16, 16), scale);
    EXPECT_EQ(pixmap.size(), QSize(pixels, pixels)) << "drawn at the logical size and scaled up";
    EXPECT_EQ(pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), DrawnDirectly(pixels));
}

TEST_P(SvgIconScale, PaintsSharplyOnAScaledDevice) {
    const qreal scale = GetParam();
    const int pixels = qRound(16 * scale);
    QImage target(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    target.setDevicePixelRatio(scale);
    target.fill(Qt::transparent);
    {
        QPainter painter(&target);
        SvgIcon(Glyph).paint(&painter, QRect(0, 0, 16, 16));
    }
    target.setDevicePixelRatio(1.0);
    EXPECT_EQ(target, DrawnDirectly(pixels));
}

TEST_P(SvgIconScale, LooksAsQtsOwnSvgIconInEveryMode) {
    const qreal scale = GetParam();
    for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected}) {
        const QImage ours = SvgIcon(Glyph).pixmap(QSize(16, 16), scale, mode).toImage();
        const QImage qts = QIcon(Glyph).pixmap(QSize(16, 16), scale, mode).toImage();
        EXPECT_EQ(ours.convertToFormat(QImage::Format_ARGB32), qts.convertToFormat(QImage::Format_ARGB32))
            << "mode " << mode;
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, SvgIconScale, ::testing::Values(1.0, 1.5, 2.0, 3.0));

TEST(SvgIcon, DisabledIsDrawnDifferentlyFromNormal) {
    const QIcon icon = SvgIcon(Glyph);
    const QImage normal = icon.pixmap(QSize(16, 16), 1.0, QIcon::Normal).toImage();
    const QImage disabled = icon.pixmap(QSize(16, 16), 1.0, QIcon::Disabled).toImage();
    EXPECT_EQ(disabled.size(), normal.size());
    EXPECT_NE(disabled.convertToFormat(normal.format()), normal);
}

TEST(SvgIcon, AFileThatCannotBeReadDrawsNothing) {
    EXPECT_TRUE(SvgIcon(QStringLiteral(":/icons/no-such-icon.svg")).pixmap(QSize(16, 16)).isNull());
}

TEST_F(MainWindowTest, EveryGlyphButtonHasItsIcon) {
    int withIcons = 0;
    for (const QAbstractButton* button : control("ClientArea").findChildren<QAbstractButton*>()) {
        if (button->icon().isNull())
            continue;
        ++withIcons;
        const QImage drawn = button->icon().pixmap(button->iconSize(), 2.0).toImage();
        EXPECT_EQ(drawn.size(), button->iconSize() * 2) << button->objectName().toStdString();
    }
    EXPECT_EQ(withIcons, 11);
}

} // namespace
} // namespace tavrix
