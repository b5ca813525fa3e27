#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <array>

namespace tavrix {

namespace {

// The languages translations/ holds, besides English.
constexpr std::array<QStringView, 2> SpokenLanguages{u"de", u"fr"};

void Install(const QString& file, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file, folder)) {
        QCoreApplication::installTranslator(translator);
        return;
    }
    qWarning("tavrix: cannot load the translation %s from %s", qUtf8Printable(file), qUtf8Printable(folder));
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
