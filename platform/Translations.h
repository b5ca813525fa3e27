// The language the program speaks: the first of the desktop's languages that
// it has a translation for, English when none before English fits. Its own
// texts and Qt's (the buttons of boxes, file and print dialogs) both follow.
#pragma once

#include <QString>
#include <QStringList>

namespace tavrix {

// "de" or "fr" for the first of `uiLanguages` (as QLocale::uiLanguages()
// gives them: "de-DE", "fr", "en-US") that the program speaks; empty for
// English, the language of its sources.
QString ChosenLanguage(const QStringList& uiLanguages);

// Loads the program's translation from `folder` and Qt's own from its
// translations folder into the running application, for the language
// chosen from `uiLanguages`. Returns the language, empty when the program
// speaks English. A missing or damaged translation file leaves that part
// in English and says so on standard error.
QString InstallTranslations(const QString& folder, const QStringList& uiLanguages);

// The language the program's own texts speak, as its translation file
// names it ("de"), or "en" without one.
QString ProgramLanguage();

} // namespace tavrix
