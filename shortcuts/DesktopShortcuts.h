#pragma once

#include "shortcuts/ShortcutHelper.h"

namespace vt {

// Makes shortcut components that write launchers into the user's desktop
// folder, as the XDG user folders name it.
ShortcutHelperFactory desktopShortcutHelpers();

} // namespace vt
