#pragma once

#include "platform/ProgramLookup.h"
#include "shortcuts/ShortcutHelper.h"

#include <string>
#include <string_view>
#include <vector>

// Shortcuts on a freedesktop desktop: launchers (Desktop Entry files) that
// start exactly their target, whatever characters its name holds.
namespace vt {

// A string value of a desktop entry: backslashes and line breaks escaped,
// blanks at either end kept. Other control characters cannot be written and
// are thrown.
std::string desktopStringValue(std::string_view utf8);

// The Exec value that runs argv as it is: each argument in double quotes with
// its specials escaped, percent signs doubled.
std::string desktopExecValue(const std::vector<std::string>& argv);

// A launcher named name that runs argv in folder ("" for no folder).
std::string desktopEntryText(std::string_view name, const std::vector<std::string>& argv,
                             std::string_view folder);

// How a launcher starts target, a Windows path: a program as it would be
// started from the menus, a document with the desktop's opener. Throws when
// nothing on the host runs the program, or no host file can have that name.
std::vector<std::string> launchCommand(std::string_view target, const ProgramSearch& search);

// Writes launchers into the desktop folder; hostDesktop is "" when there is
// none.
class DesktopEntryShortcutHelper : public ShortcutHelper {
public:
    DesktopEntryShortcutHelper(std::string hostDesktop, ProgramSearch search)
        : m_hostDesktop(std::move(hostDesktop)), m_search(std::move(search)) {}

    std::int32_t GetFolderPath(std::int32_t owner, std::int16_t folder, std::string& path) override;
    std::int32_t CreateShortcut(std::string& linkPath, std::string& target,
                                std::string& workingFolder, std::string& arguments,
                                std::string& iconFile, std::int32_t& iconIndex,
                                std::int32_t& showCommand) override;

private:
    std::string launcherPath(std::string_view linkPath) const;

    std::string m_hostDesktop;
    ProgramSearch m_search;
};

} // namespace vt
