#pragma once

#include "report/FileSystem.h"

#include <functional>
#include <map>
#include <string>

namespace selen {

using FolderWritable = std::function<bool(const std::string& folder)>;
using Environment = std::map<std::string, std::string>;

// Where the settings file lives. Beside the executable, sharing its base
// name: the executable's path with its extension replaced by ".ini" (or
// ".ini" appended when it has none), as long as the executable's folder is
// writable and not part of the system (/usr). Otherwise in the user's configuration folder:
// $XDG_CONFIG_HOME/selen/selen.ini, where an unset, empty or relative
// XDG_CONFIG_HOME means $HOME/.config. Without a usable HOME either, the
// path beside the executable is kept (its writes then fail with a message
// naming it).
std::string settingsFilePath(const std::string& executablePath, const FolderWritable& folderWritable,
                             const Environment& environment);

// True when this process may create files in `folder` (an empty folder
// means the current one).
bool isFolderWritable(const std::string& folder);

// XDG_CONFIG_HOME and HOME of this process, those that are set.
Environment currentEnvironment();

// Creates the folder of `settingsPath` and any missing folders above it,
// private to the user (mode 0700), as a configuration folder should be. A
// folder that exists already is left as it is.
FileResult createSettingsFolder(const std::string& settingsPath);

}  // namespace selen
