#include "Fonts.h"

#include <QFile>
#include <QFontDatabase>

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
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(SmallWindowFontPixels);
    return font;
}

} // namespace tavrix
