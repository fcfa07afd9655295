#include "platform/UserFolders.h"

#include "platform/DriveMap.h"
#include "platform/FileSystem.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace vt::userfolders {
namespace {

constexpr std::string_view OwnFolder = "vtutil";

std::string xdgFolder(const char* variable, std::string_view fallback) {
    const char* value = std::getenv(variable);
    if (value && value[0] == '/')
        return value;
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + std::string(fallback);
}

} // namespace

std::string configHome() { return xdgFolder("XDG_CONFIG_HOME", "/.config"); }
std::string cacheHome() { return xdgFolder("XDG_CACHE_HOME", "/.cache"); }

std::string ownHostFolder(const std::string& hostBase) {
    return hostBase + "/" + std::string(OwnFolder);
}

std::string ownFolder(const std::string& hostBase) {
    return DriveMap::current().toWindows(ownHostFolder(hostBase)) + "\\";
}

Failure makeFolders(const std::string& hostFolder) {
    std::error_code error;
    std::filesystem::create_directories(hostFolder, error);
    return files::failureOf(error ? error.value() : 0);
}

bool folderWritable(std::string_view windowsFolder) {
    const auto host = DriveMap::current().toHost(windowsFolder);
    return host && !host->empty() && ::access(host->c_str(), W_OK | X_OK) == 0;
}

} // namespace vt::userfolders
