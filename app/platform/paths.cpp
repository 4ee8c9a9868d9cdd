#include "paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace sumwick {

bool IsExistingFolder(const QString& path) {
  const QFileInfo info(path);
  return info.exists() && info.isDir();
}

SettingsLocation ResolveSettingsLocation(const QString& programFolder,
                                         const QString& userConfigFolder,
                                         const std::function<bool(const QString&)>& isWritable) {
  auto writable = [&isWritable](const QString& folder) {
    return isWritable ? isWritable(folder) : QFileInfo(folder).isWritable();
  };
  const QString dataFolder = QDir(programFolder).filePath(QStringLiteral("data"));
  // An existing data folder decides by itself; otherwise (missing, or a file of that name) the
  // program's folder does.
  const bool besideProgram =
      IsExistingFolder(dataFolder) ? writable(dataFolder) : writable(programFolder);
  if (besideProgram) {
    return {dataFolder, QDir(dataFolder).filePath(QStringLiteral("config.abc")), false};
  }
  return {userConfigFolder, QDir(userConfigFolder).filePath(QStringLiteral("config.abc")), true};
}

SettingsLocation DefaultSettingsLocation() {
  return ResolveSettingsLocation(
      QCoreApplication::applicationDirPath(),
      QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

void EnsureDataFolder(const SettingsLocation& location) {
  if (IsExistingFolder(location.dataFolder)) return;
  if (location.perUser) {
    QDir().mkpath(location.dataFolder);
  } else {
    QDir().mkdir(location.dataFolder);
  }
}

}  // namespace sumwick
