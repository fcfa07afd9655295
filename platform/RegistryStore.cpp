#include "platform/RegistryStore.h"

#include "common/CodePage.h"
#include "platform/FileSystem.h"
#include "platform/ProfileFile.h"
#include "platform/UserFolders.h"
#include "platform/WineRegistry.h"

#include <optional>

namespace vt::registry {
namespace {

constexpr std::string_view ProgramSettingsKey = "Software\\VB and VBA Program Settings\\";

std::optional<std::string> fromWine(std::string_view application, std::string_view section,
                                    std::string_view key) {
    files::FileBytes bytes;
    if (files::readHostFile(wineUserRegistry(), bytes))
        return std::nullopt;
    const auto value = findWineString(bytes.view(), settingsKey(application, section), key);
    if (!value)
        return std::nullopt;
    return codepage::fromUtf8(*value);
}

} // namespace

std::string settingsFile(std::string_view application) {
    return userfolders::configHome() + "/" + std::string(application) + ".ini";
}

std::string settingsKey(std::string_view application, std::string_view section) {
    return std::string(ProgramSettingsKey) + std::string(application) + "\\" +
           std::string(section);
}

std::string GetSetting(std::string_view application, std::string_view section,
                       std::string_view key) {
    if (auto value = fromWine(application, section, key))
        return std::move(*value);
    files::FileBytes bytes;
    if (files::readHostFile(settingsFile(application), bytes))
        return {};
    return profile::findValue(bytes.view(), section, key).value_or("");
}

} // namespace vt::registry
