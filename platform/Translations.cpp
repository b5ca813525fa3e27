#include "Translations.h"

#include "TerminalText.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <array>

namespace tavrix {

namespace {

// The languages translations/ holds, besides English.
constexpr std::array<QStringView, 2> SpokenLanguages{u"de", u"fr"};

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

void Install(const QString& name, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(name, folder)) {
        QCoreApplication::installTranslator(translator);
        return;
    }
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".qm");
    qWarning("tavrix: cannot load the translation %s: %s; this part stays in English",
             ShownOnTerminal(path.toStdString()).c_str(), WhyNotLoaded(path));
    delete translator;
}

} // namespace

QString ChosenLanguage(const QStringList& uiLanguages) {
    for (const QString& tag : uiLanguages) {
        qsizetype end = 0;
        while (end < tag.size() && tag.at(end) != u'-' && tag.at(end) != u'_')
            ++end;
        const QStringView language = QStringView(tag).left(end);
        if (language == u"en")
            return {};
        for (const QStringView spoken : SpokenLanguages) {
            if (language == spoken)
                return spoken.toString();
        }
    }
    return {};
}

QString InstallTranslations(const QString& folder, const QStringList& uiLanguages) {
    const QString language = ChosenLanguage(uiLanguages);
    if (language.isEmpty())
        return language;
    Install(QStringLiteral("tavrix_") + language, folder);
    Install(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return language;
}

} // namespace tavrix
