#pragma once

#include <QString>
#include <functional>

namespace sumwick {

// True when path names an existing directory; false when nothing of that name exists and also when
// it names a file.
bool IsExistingFolder(const QString& path);

// Where the settings live.
struct SettingsLocation {
  QString dataFolder;    // the folder that opening step 1 makes when it is missing
  QString configFile;    // the configuration file inside it
  bool perUser = false;  // true when the program's folder cannot be written
};

// The settings live in "data/config.abc" in the program's folder. Where that folder cannot be
// written (an installed program) and holds no writable "data" folder, they go to the per-user
// configuration folder instead, so an installed program keeps its settings too. A file named "data"
// in a writable program folder keeps the place beside the program: nothing is read or saved then.
// isWritable tells whether a folder can be written; by default QFileInfo::isWritable.
SettingsLocation ResolveSettingsLocation(
    const QString& programFolder, const QString& userConfigFolder,
    const std::function<bool(const QString&)>& isWritable = {});

// The location for this process: the program's folder is the folder of the executable, the
// per-user folder QStandardPaths::AppConfigLocation (~/.config/sumwick on Linux).
SettingsLocation DefaultSettingsLocation();

// Opening step 1: creates the data folder when IsExistingFolder is false for it. In the program's
// folder one level only (the program's folder exists); the per-user folder is made with its
// parents. A failed creation is ignored.
void EnsureDataFolder(const SettingsLocation& location);

}  // namespace sumwick
