#include "Translations.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

namespace tavrix {
namespace {

// The first of the desktop's languages that the program speaks wins, and
// English (its own) stops the search.
TEST(ChosenLanguage, IsTheFirstDesktopLanguageThatTheProgramSpeaks) {
    struct Case {
        QStringList uiLanguages;
        const char* chosen;
    };
    for (const Case& c :
         {Case{{"de-DE"}, "de"}, Case{{"de_AT"}, "de"}, Case{{"fr-CA", "de"}, "fr"},
          Case{{"es-ES", "it", "fr"}, "fr"}, Case{{"en-US", "de"}, ""}, Case{{"en"}, ""}, Case{{"C"}, ""},
          Case{{}, ""}, Case{{"pt-BR"}, ""}, Case{{"dea"}, ""}, Case{{"frr-DE", "de"}, "de"}}) {
        EXPECT_EQ(ChosenLanguage(c.uiLanguages), QString::fromLatin1(c.chosen))
            << c.uiLanguages.join(',').toStdString();
    }
}

// A translation that cannot be read leaves the program's texts in English
// and Qt's own still translated.
TEST(InstallTranslations, AMissingTranslationLeavesTheProgramInEnglish) {
    QTemporaryDir empty;
    EXPECT_EQ(InstallTranslations(empty.path(), {QStringLiteral("de-DE")}), QStringLiteral("de"));
    EXPECT_EQ(QCoreApplication::translate("tavrix::QtDesktop", "Confirm"), QStringLiteral("Confirm"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
    qDeleteAll(qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly));
    EXPECT_EQ(InstallTranslations(empty.path(), {QStringLiteral("en-GB"), QStringLiteral("de")}), QString());
    EXPECT_TRUE(qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly).isEmpty());
}

} // namespace
} // namespace tavrix
