#include "shortcuts/TrustedLauncher.h"

#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>

namespace vt {
namespace {

// GIO is loaded when needed rather than linked: vtshow and the desktops
// without GLib need none of it, and its absence is no failure. Loading the
// library also does without starting the `gio` program for every launcher.
constexpr const char* GioLibrary = "libgio-2.0.so.0";

struct GError;
using NewForPath = void* (*)(const char*);
using SetAttributeString = int (*)(void*, const char*, const char*, int, void*, GError**);
using Unref = void (*)(void*);
using FreeError = void (*)(GError*);

struct Gio {
    NewForPath newForPath = nullptr;
    SetAttributeString setAttributeString = nullptr;
    Unref unref = nullptr;
    FreeError freeError = nullptr;
};

template <class Function> Function symbol(void* library, const char* name) {
    return reinterpret_cast<Function>(::dlsym(library, name));
}

// Loaded once and kept: GLib is not made to be unloaded.
const Gio* gio() {
    static const Gio loaded = [] {
        Gio functions;
        void* library = ::dlopen(GioLibrary, RTLD_NOW | RTLD_LOCAL);
        if (!library)
            return functions;
        functions.newForPath = symbol<NewForPath>(library, "g_file_new_for_path");
        functions.setAttributeString =
            symbol<SetAttributeString>(library, "g_file_set_attribute_string");
        functions.unref = symbol<Unref>(library, "g_object_unref");
        functions.freeError = symbol<FreeError>(library, "g_error_free");
        return functions;
    }();
    const bool complete =
        loaded.newForPath && loaded.setAttributeString && loaded.unref && loaded.freeError;
    return complete ? &loaded : nullptr;
}

// GIO keeps file metadata in a daemon on the session bus. Without a bus it
// would only complain on standard error, or start one of its own.
bool hasSessionBus() {
    if (std::getenv("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::error_code error;
    return runtime && std::filesystem::exists(std::filesystem::path(runtime) / "bus", error);
}

} // namespace

bool markLauncherTrusted(const std::string& hostPath) {
    if (!hasSessionBus())
        return false;
    const Gio* functions = gio();
    if (!functions)
        return false;
    void* file = functions->newForPath(hostPath.c_str());
    if (!file)
        return false;
    GError* error = nullptr;
    const bool marked = functions->setAttributeString(file, "metadata::trusted", "true", 0,
                                                      nullptr, &error) != 0;
    if (error)
        functions->freeError(error);
    functions->unref(file);
    return marked;
}

} // namespace vt
