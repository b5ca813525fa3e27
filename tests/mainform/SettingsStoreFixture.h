// The real main window on a data folder of its own: opened (so it reads the
// settings file), worked like a person works it, closed (so it writes the
// file), and a new window on the same folder to see what came back.
#pragma once

#include "DataPaths.h"
#include "ScriptedDesktop.h"
#include "Tavrix_MainForm.h"
#include "TestFiles.h"

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

namespace tavrix {

// Everything of the settings a person can see in the window.
struct ShownSettings {
    int fontSize = 0;         // the window's, in points
    QString checkedFontItems; // "Small", "Medium", "Large", joined by "+"
    int decimals = 0;         // the "Decimals" position
    int category = 0;
    int fromRow = 0;
    int toRow = 0;
    QString fromLabel;
    QString toLabel;
    QString checkedSpellingItems; // "European", "USA", joined by "+"
    bool thousandsSeparator = false;
    bool scientificFormat = false;
    bool decimalsShown = false; // the "Decimals" label and list
    bool scientificLabelShown = false;
    QString value;
    QString rowHeights; // of the category, from- and to-lists, e.g. "20 20 20"
    bool operator==(const ShownSettings&) const = default;
};
void PrintTo(const ShownSettings& shown, std::ostream* out);

ShownSettings SettingsShownBy(const TFormTavrix& window);

// What a new window shows without a settings file: 8 points, Decimals 6,
// "Acceleration" from "cm/sec²" to "m/sec²", 1.000.
ShownSettings DefaultsShown(bool usaSpelling);

// The file the window writes in that state.
std::string DefaultsFile(bool usaSpelling);

// A person's doings.
void ChooseMenuItem(TFormTavrix& window, const char* actionName);
void ChooseListRow(TFormTavrix& window, const char* listName, int row);
void ChooseDecimals(TFormTavrix& window, int position);
// Selects the value field's text, deletes it and types `text`.
void TypeValue(TFormTavrix& window, const QString& text);

inline const QLocale GermanLocale{QLocale::German, QLocale::Germany};
inline const QLocale AmericanLocale{QLocale::English, QLocale::UnitedStates};
// European spelling, numbers written with "." and ",".
inline const QLocale BritishLocale{QLocale::English, QLocale::UnitedKingdom};

class SettingsStore : public testing::Test {
protected:
    SettingsStore();

    // A new window on the data folder, shown, so it has read the settings
    // file; the desktop has the regional settings of `systemLocale`.
    std::unique_ptr<TFormTavrix> openWindow(const QLocale& systemLocale = BritishLocale) const;
    std::unique_ptr<TFormTavrix> openWindow(const DataPaths& paths, const QLocale& systemLocale) const;

    QString settingsPath() const { return paths_.settingsFile(); }
    bool settingsFileExists() const;
    std::string settingsFileBytes() const { return FileBytes(settingsPath()); }
    void writeSettingsFile(const QByteArray& bytes) const { WriteFile(settingsPath(), bytes); }

    QTemporaryDir folder_;
    DataPaths paths_;
    // Fails the test on any call nobody expected; outlives every window.
    mutable ScriptedDesktop desktop_;
};

} // namespace tavrix
