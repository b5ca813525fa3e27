#include "Translations.h"

#include "TerminalText.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace tavrix {

namespace {

// The program's own translation in force, if any.
QPointer<QTranslator> programTranslation;

// The languages translations/ holds, besides English, as the build lists them.
QStringList SpokenLanguages() {
    return QStringLiteral(TAVRIX_SPOKEN_LANGUAGES).split(QLatin1Char(','));
}

QString LanguageCode(const QString& tag) {
    return QLocale::languageToCode(QLocale(tag).language());
}

// Why `path` gave no translation.
const char* WhyNotLoaded(const QString& path) {
    const QFileInfo file(path);
    if (!file.exists())
        return "there is no such file";
    if (!file.isFile())
        return "it is not a regular file";
    if (!file.isReadable())
        return "it cannot be read";
    return "it is not a translation file";
}

QTranslator* Install(const QString& name, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(name, folder)) {
        QCoreApplication::installTranslator(translator);
        return translator;
    }
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".qm");
    qWarning("tavrix: cannot load the translation %s: %s; this part stays in English",
             ShownOnTerminal(path.toStdString()).c_str(), WhyNotLoaded(path));
    delete translator;
    return nullptr;
}

} // namespace

QString ChosenLanguage(const QStringList& uiLanguages) {
    const QStringList spoken = SpokenLanguages();
    for (const QString& tag : uiLanguages) {
        const QLocale::Language language = QLocale(tag).language();
        if (language == QLocale::English)
            return {};
        const QString code = QLocale::languageToCode(language);
        if (language != QLocale::C && spoken.contains(code))
            return code;
    }
    return {};
}

QString InstallTranslations(const QString& folder, const QStringList& uiLanguages) {
    const QString language = ChosenLanguage(uiLanguages);
    if (language.isEmpty())
        return language;
    programTranslation = Install(QStringLiteral("tavrix_") + language, folder);
    Install(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return language;
}

QString ProgramLanguage() {
    return programTranslation.isNull() ? QStringLiteral("en") : LanguageCode(programTranslation->language());
}

} // namespace tavrix
