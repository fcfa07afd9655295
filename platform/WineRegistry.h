#pragma once

#include <optional>
#include <string>
#include <string_view>

// Wine's registry files (user.reg, system.reg): the text Wine writes, read
// the way Wine reads it back. We only ever read them.
namespace vt::registry {

// The Wine prefix we work with: $WINEPREFIX, else ~/.wine.
std::string winePrefix();

// Wine's per-user registry: $WINEPREFIX/user.reg, the prefix ~/.wine unless
// set.
std::string wineUserRegistry();

// The string value valueName ("@" or "" for the key's default value) of the
// key keyPath ("Software\\Maker\\Program", relative to the file's root,
// letter case aside) in the text of a registry file, as UTF-8. nullopt when
// the file is no Wine registry, or the key or value is absent, or the value
// is not a string (REG_SZ, or REG_EXPAND_SZ left unexpanded).
std::optional<std::string> findWineString(std::string_view fileText, std::string_view keyPath,
                                          std::string_view valueName);

} // namespace vt::registry
