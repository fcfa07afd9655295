#pragma once

#include <string>

namespace vt {

// Marks the launcher at `hostPath` as one the user trusts (the GIO attribute
// metadata::trusted), so that GNOME and the desktops that follow it start it
// without asking first. True when it was marked; false, and nothing changed,
// where GIO or its metadata store is missing: the launcher works as before.
bool markLauncherTrusted(const std::string& hostPath);

} // namespace vt
