#include "platform/RegistryStore.h"

#include "platform/FileSystem.h"
#include "platform/ProfileFile.h"

#include <cstdlib>

namespace vt::registry {
namespace {

std::string configFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && config[0] == '/')
        return config; // a relative value is invalid and means the default
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.config";
}

} // namespace

std::string settingsFile(std::string_view application) {
    return configFolder() + "/" + std::string(application) + ".ini";
}

std::string GetSetting(std::string_view application, std::string_view section,
                       std::string_view key) {
    files::FileBytes bytes;
    if (!files::readHostFile(settingsFile(application), bytes).empty())
        return {};
    return profile::findValue(bytes.view(), section, key).value_or("");
}

} // namespace vt::registry
