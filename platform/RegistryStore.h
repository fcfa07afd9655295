#pragma once

#include <string>
#include <string_view>

// The per-user settings another program of the family leaves for us, where
// Windows programs keep theirs: Wine's registry, key
// Software\VB and VBA Program Settings\<application>\<section> of
// $WINEPREFIX/user.reg. Without Wine (or without the value there) the
// profile file ${XDG_CONFIG_HOME:-~/.config}/<application>.ini stands in, one
// section per registry section. We only ever read them.
namespace vt::registry {

// The host path of an application's stand-in settings file.
std::string settingsFile(std::string_view application);

// The registry key of an application's section, relative to the user's root.
std::string settingsKey(std::string_view application, std::string_view section);

// A value read afresh, in the show code page; "" when it is absent from both
// places (a missing or broken file counts as absent).
std::string GetSetting(std::string_view application, std::string_view section,
                       std::string_view key);

} // namespace vt::registry
