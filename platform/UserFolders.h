#pragma once

#include "common/Failure.h"

#include <string>
#include <string_view>

// The user's own folders for what the program writes for them, as the XDG
// base directories name them. A package install's program folder is not the
// user's to write, and the folder we were started from never is.
namespace vt::userfolders {

// ${XDG_CONFIG_HOME:-~/.config} and ${XDG_CACHE_HOME:-~/.cache}, host paths
// without a trailing slash; a relative setting is invalid and means the
// default.
std::string configHome();
std::string cacheHome();

// Our own folder under one of them: the host path, and the same in Windows
// form with a trailing backslash.
std::string ownHostFolder(const std::string& hostBase);
std::string ownFolder(const std::string& hostBase);

// Creates a host folder and the folders above it.
Failure makeFolders(const std::string& hostFolder);

// True when files can be made in the folder a Windows path names.
bool folderWritable(std::string_view windowsFolder);

} // namespace vt::userfolders
