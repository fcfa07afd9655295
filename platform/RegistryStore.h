#pragma once

#include <string>
#include <string_view>

// The per-user settings another program of the family leaves for us. On
// Linux they are the profile file ${XDG_CONFIG_HOME:-~/.config}/<application>.ini,
// one section per registry section. We only ever read them.
namespace vt::registry {

// The host path of an application's settings file.
std::string settingsFile(std::string_view application);

// A value read afresh from the file; "" when the file, the section or the
// value is absent.
std::string GetSetting(std::string_view application, std::string_view section,
                       std::string_view key);

} // namespace vt::registry
