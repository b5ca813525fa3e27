#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>
#include <vector>

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

QStringList Warnings;

void KeepWarning(QtMsgType, const QMessageLogContext&, const QString& message) {
    Warnings << message;
}

// Whatever stands where the program's translation should be, the program
// speaks English and says why; the folder, which may be any, is named as the
// terminal is to show it, never with a control character for it to obey.
TEST(InstallTranslations, AnUnreadableTranslationIsNamedWithItsCause) {
    struct Case {
        const char* what;
        std::function<void(const QString&)> make;
        const char* cause;
    };
    const std::vector<Case> cases{
        {"missing", [](const QString&) {}, "there is no such file"},
        {"empty", [](const QString& path) { QFile(path).open(QIODevice::WriteOnly); },
         "not a translation file"},
        {"damaged",
         [](const QString& path) {
             QFile file(path);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             file.write(QByteArray(4096, 'x'));
         },
         "not a translation file"},
        {"folder", [](const QString& path) { QDir().mkpath(path); }, "not a regular file"},
        {"FIFO", [](const QString& path) { ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0); },
         "not a regular file"},
    };
    for (const Case& c : cases) {
        QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/tavrix\x1B]0;title\a-XXXXXX"));
        const QString path = folder.filePath(QStringLiteral("tavrix_fr.qm"));
        const QString shown =
            QString(path).replace(u'\x1B', QStringLiteral("\\x1B")).replace(u'\a', QStringLiteral("\\x07"));
        c.make(path);
        Warnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(KeepWarning);
        EXPECT_EQ(InstallTranslations(folder.path(), {QStringLiteral("fr")}), QStringLiteral("fr"));
        qInstallMessageHandler(previous);
        EXPECT_EQ(QCoreApplication::translate("tavrix::QtDesktop", "Confirm"), QStringLiteral("Confirm"))
            << c.what;
        ASSERT_EQ(Warnings.size(), 1) << c.what;
        EXPECT_TRUE(Warnings.front().contains(shown) && Warnings.front().contains(QLatin1String(c.cause)))
            << c.what << ": " << Warnings.front().toStdString();
        qDeleteAll(qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly));
    }
}

} // namespace
} // namespace tavrix
