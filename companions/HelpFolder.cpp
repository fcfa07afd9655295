#include "companions/HelpFolder.h"

#include "platform/DriveMap.h"

#include <string>
#include <unistd.h>

namespace vt {

void setHelpFolder(std::string_view appFolder) {
    if (appFolder.size() < 2)
        return;
    const DriveMap& drives = DriveMap::current();
    const auto driveRoot = drives.toHost(std::string(appFolder.substr(0, 2)) + "\\");
    if (!driveRoot || ::chdir(driveRoot->c_str()) != 0)
        return;
    const auto folder = drives.toHost(appFolder);
    if (!folder)
        return;
    // A folder that cannot be entered leaves its drive selected, as on Windows.
    [[maybe_unused]] const int ignored = ::chdir(folder->c_str());
}

} // namespace vt
