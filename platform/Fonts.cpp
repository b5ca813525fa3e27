#include "Fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>

#include <array>

namespace tavrix {

namespace {

struct BundledFont {
    const char* family;
    const char* file;
};

constexpr std::array<BundledFont, 2> BundledFonts{{
    {"Tahoma", "/usr/share/wine/fonts/tahoma.ttf"},
    {"MS Sans Serif", "/usr/share/wine/fonts/ms_sans_serif.ttf"},
}};

constexpr int SmallWindowFontPixels = 11;

} // namespace

QStringList RegisterBundledFonts() {
    QStringList registered;
    for (const BundledFont& font : BundledFonts) {
        const QString file = QString::fromLatin1(font.file);
        if (QFontDatabase::hasFamily(QString::fromLatin1(font.family)) || !QFile::exists(file))
            continue;
        const int id = QFontDatabase::addApplicationFont(file);
        if (id >= 0)
            registered += QFontDatabase::applicationFontFamilies(id);
    }
    return registered;
}

QFont SmallWindowFont() {
    const QString family = QStringLiteral("MS Sans Serif");
    QFont font(family);
    // The bundled face is a bitmap of one size: scaled up it would draw tiny,
    // widely spaced glyphs, so scaled screens get the window font's face.
    if (qGuiApp != nullptr && qGuiApp->devicePixelRatio() > 1.0 &&
        !QFontDatabase::isSmoothlyScalable(family)) {
        font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")});
    }
    font.setPixelSize(SmallWindowFontPixels);
    return font;
}

} // namespace tavrix
