#include "shortcuts/DesktopShortcuts.h"

#include "platform/DriveMap.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace vt {

// The test run's home has no desktop folder yet: the user's own is made.
TEST(DesktopShortcuts, FindTheUsersDesktopFolder) {
    const std::string desktop = std::string(std::getenv("HOME")) + "/Desktop";
    auto helper = desktopShortcutHelpers()();
    ASSERT_TRUE(helper);
    std::string path;
    EXPECT_EQ(helper->GetFolderPath(0, ShortcutHelper::Desktop, path), 1);
    EXPECT_EQ(path, DriveMap::current().toWindows(desktop));
    EXPECT_TRUE(std::filesystem::is_directory(desktop));
}

} // namespace vt
