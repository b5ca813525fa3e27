#include "Fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>

#include <array>
#include <utility>

namespace tavrix {

namespace {

// Tahoma and MS Sans Serif.
constexpr std::array<const char*, 2> BundledFontFiles{
    "/usr/share/wine/fonts/tahoma.ttf",
    "/usr/share/wine/fonts/ms_sans_serif.ttf",
};

constexpr int SmallWindowFontPixels = 11;

} // namespace

QStringList RegisterBundledFonts() {
    // Registered without asking Qt first whether it knows the family: that
    // question makes fontconfig resolve aliases and run its substitution
    // rules, a third of the program's start-up. Once per run is enough.
    static bool registeredBefore = false;
    QStringList registered;
    if (std::exchange(registeredBefore, true))
        return registered;
    for (const char* fileName : BundledFontFiles) {
        const QString file = QString::fromLatin1(fileName);
        if (!QFile::exists(file))
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
