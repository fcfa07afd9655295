#include "platform/SystemFolders.h"

#include "TestSupport.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace vt {
namespace {

using test::TempFolder;

// A buffer of 260 spaces as a query leaves it: text, then a NUL.
FolderAnswer answer(std::string text, std::uint32_t returned) {
    std::string buffer = text + '\0';
    buffer.resize(260, ' ');
    return {buffer, returned};
}

TEST(SystemFolders, EachQueryReadsItsAnswerItsOwnWay) {
    const std::string app = "Z:\\opt\\vantora\\";
    EXPECT_EQ(windowsFolderFrom(answer("C:\\WINDOWS", 10)), "C:\\WINDOWS\\");
    EXPECT_EQ(windowsFolderFrom(answer("C:\\WINDOWS", 6)), "C:\\WIN\\");
    EXPECT_EQ(windowsFolderFrom(answer("C:\\", 3)), "C:\\");
    EXPECT_EQ(windowsFolderFrom(answer("", 0)), "\\");

    EXPECT_EQ(systemFolderFrom(answer("C:\\WINDOWS\\SYSTEM32", 6)), "C:\\WINDOWS\\SYSTEM32\\");
    EXPECT_EQ(systemFolderFrom(answer("C:\\WINDOWS\\SYSTEM32", 0)), "");
    EXPECT_EQ(systemFolderFrom({std::string(259, 'x') + "\\", 300}), std::string(259, 'x') + "\\");

    EXPECT_EQ(tempFolderFrom(answer(" C:\\TEMP\\", 9), app), "C:\\TEMP\\");
    EXPECT_EQ(tempFolderFrom(answer("C:\\TEMP", 7), app), "C:\\TEMP\\");
    EXPECT_EQ(tempFolderFrom({std::string(260, ' '), 300}, app), "\\");
    EXPECT_EQ(tempFolderFrom(answer("C:\\TEMP\\", 0), app), app);
}

TEST(SystemFolders, WindowsFoldersNeedThemOnDriveCAndTempIsTheHosts) {
    TempFolder folder;
    std::filesystem::create_directories(folder.host("c/WINDOWS"));
    test::ScopedDriveMap drives(DriveMap({{'C', folder.host("c")}}));
    EXPECT_EQ(GetWindowsFolder() + "|" + GetSystemFolder(), "C:\\windows\\|");
    std::filesystem::create_directories(folder.host("c/WINDOWS/System32"));
    EXPECT_EQ(GetWindowsFolder() + "|" + GetSystemFolder(),
              "C:\\windows\\|C:\\windows\\system32\\");
    {
        test::ScopedDriveMap noC(DriveMap(DriveMap::Roots{}));
        EXPECT_EQ(GetWindowsFolder() + "|" + GetSystemFolder(), "\\|");
    }
    test::ScopedEnvironment tmpdir("TMPDIR", folder.host("tmp").c_str());
    EXPECT_EQ(GetTempFolder("Z:\\app\\"), folder.win("tmp\\"));
    test::ScopedEnvironment noTmpdir("TMPDIR", nullptr);
    EXPECT_EQ(GetTempFolder("Z:\\app\\"), "Z:\\tmp\\");
}

} // namespace
} // namespace vt
