// Where the program keeps its own files ("Tavrix.ini", "mem.dat") and finds
// its help and the help viewer's module. An unpacked or freshly built
// program keeps them beside its executable; an installed one (<prefix>/bin
// with <prefix>/share/tavrix) keeps its files in the person's configuration
// folder, since the program folder is not theirs to write, and finds the
// module in <prefix>/lib/tavrix/plugins.
#pragma once

#include <QString>

namespace tavrix {

class DataPaths {
public:
    // The layout of the running executable decides.
    static DataPaths forThisProgram();
    // The decision for an executable living in `executableFolder`.
    static DataPaths forExecutableIn(const QString& executableFolder);

    // The translations of an executable living in `executableFolder`, found
    // without making the configuration folder that a conversion on the
    // command line never needs.
    static QString translationsFolderFor(const QString& executableFolder);

    // Everything in `folder`, help in its "Help" subfolder unless given.
    explicit DataPaths(QString folder, QString helpFolder = {}, QString helpModule = {},
                       QString printModule = {});

    const QString& folder() const { return folder_; }
    const QString& helpFolder() const { return helpFolder_; }
    const QString& helpModule() const { return helpModule_; }
    const QString& printModule() const { return printModule_; }
    QString memoryFile() const;
    QString settingsFile() const;

private:
    QString folder_;
    QString helpFolder_;
    QString helpModule_;
    QString printModule_;
};

} // namespace tavrix
