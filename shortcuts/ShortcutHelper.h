#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace vt {

// The component that finds the desktop and writes shortcuts there. Its
// failures are thrown; the commands catch them all.
class ShortcutHelper {
public:
    // The shell's number of the desktop folder.
    static constexpr std::int16_t Desktop = 0;

    virtual ~ShortcutHelper() = default;

    // Puts the folder's path into path, with or without a trailing
    // backslash; returns 0 when the folder cannot be found.
    virtual std::int32_t GetFolderPath(std::int32_t owner, std::int16_t folder,
                                       std::string& path) = 0;

    // Writes a shortcut at linkPath that starts target in workingFolder. The
    // result means nothing.
    virtual std::int32_t CreateShortcut(std::string& linkPath, std::string& target,
                                        std::string& workingFolder, std::string& arguments,
                                        std::string& iconFile, std::int32_t& iconIndex,
                                        std::int32_t& showCommand) = 0;
};

// Makes a new component for one command; null, or a throw, when the
// component is missing.
using ShortcutHelperFactory = std::function<std::unique_ptr<ShortcutHelper>()>;

} // namespace vt
