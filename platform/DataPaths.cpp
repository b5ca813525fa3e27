#include "DataPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <utility>

namespace tavrix {

DataPaths DataPaths::forThisProgram() {
    return forExecutableIn(QCoreApplication::applicationDirPath());
}

namespace {

// <prefix>/share/tavrix of an installed program, empty for one that keeps
// everything beside itself.
QString InstalledDataFolder(const QDir& executableDir) {
    const QString prefix = QDir::cleanPath(executableDir.absoluteFilePath(QStringLiteral("..")));
    const QString installedData = prefix + QStringLiteral("/share/tavrix");
    const bool installed =
        executableDir.dirName() == QLatin1String("bin") && QFileInfo(installedData).isDir();
    return installed ? installedData : QString();
}

} // namespace

DataPaths DataPaths::forExecutableIn(const QString& executableFolder) {
    const QDir executableDir(executableFolder);
    const QString installedData = InstalledDataFolder(executableDir);
    if (installedData.isEmpty())
        return DataPaths(QDir::cleanPath(executableDir.absolutePath()));
    const QString prefix = QDir::cleanPath(executableDir.absoluteFilePath(QStringLiteral("..")));

    const QString configFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    // A missing folder would make every later save fail; one that cannot be
    // made shows up as a failed save, which the callers already handle.
    QDir().mkpath(configFolder);
    return DataPaths(configFolder, installedData + QStringLiteral("/Help"),
                     prefix + QStringLiteral("/" TAVRIX_HELP_MODULE_PATH),
                     prefix + QStringLiteral("/" TAVRIX_PRINT_MODULE_PATH));
}

DataPaths::DataPaths(QString folder, QString helpFolder, QString helpModule, QString printModule)
    : folder_(std::move(folder)),
      helpFolder_(helpFolder.isEmpty() ? folder_ + QStringLiteral("/Help") : std::move(helpFolder)),
      helpModule_(helpModule.isEmpty() ? folder_ + QStringLiteral("/" TAVRIX_HELP_MODULE_FILE)
                                       : std::move(helpModule)),
      printModule_(printModule.isEmpty() ? folder_ + QStringLiteral("/" TAVRIX_PRINT_MODULE_FILE)
                                         : std::move(printModule)) {}

QString DataPaths::translationsFolderFor(const QString& executableFolder) {
    const QDir executableDir(executableFolder);
    const QString installedData = InstalledDataFolder(executableDir);
    return (installedData.isEmpty() ? QDir::cleanPath(executableDir.absolutePath()) : installedData) +
           QStringLiteral("/translations");
}

QString DataPaths::memoryFile() const {
    return folder_ + QStringLiteral("/mem.dat");
}

QString DataPaths::settingsFile() const {
    return folder_ + QStringLiteral("/Tavrix.ini");
}

} // namespace tavrix
