#include "platform/DriveMap.h"
#include "platform/SystemFolders.h"

#include "TestSupport.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace vt {
namespace {

namespace stdfs = std::filesystem;

TEST(DriveMap, DriveLettersComeFromTheWinePrefixAndFindEntriesIgnoringLetterCase) {
    test::TempFolder folder;
    const std::string prefix = folder.host(".wine"), shows = prefix + "/drive_c/Shows";
    for (const char* name :
         {"Shows/My Pics/A.jpg", "Shows/My Pics/b.jpg", "Shows/My Pics/B.jpg", "Caf\u00e9/x.vts"})
        folder.write(".wine/drive_c/" + std::string(name), "");
    stdfs::create_directory(prefix + "/dosdevices");
    for (const auto& [target, name] : std::vector<std::pair<std::string, std::string>>{
             {"../drive_c", "c:"}, {shows, "D:"}, {"/nowhere", "e:"}, {"/dev/null", "d::"}})
        stdfs::create_symlink(target, prefix + "/dosdevices/" + name);
    test::ScopedEnvironment noPrefix("WINEPREFIX", nullptr);
    test::ScopedEnvironment home("HOME", folder.host().c_str());
    const DriveMap map = DriveMap::fromEnvironment();
    const std::string root = stdfs::canonical(prefix + "/drive_c").string();
    EXPECT_EQ(map.roots(), (DriveMap::Roots{{'C', root}, {'D', root + "/Shows"}, {'Z', ""}}));

    EXPECT_EQ(map.toHost("C:\\shows\\My Pics\\B.jpg"), root + "/Shows/My Pics/B.jpg");
    EXPECT_EQ(map.toHost("C:\\CAF\xC9\\X.VTS"), root + "/Caf\u00e9/x.vts");
    EXPECT_EQ(map.toHost("C:\\shows\\NEW\\a.jpg"), root + "/Shows/NEW/a.jpg");
    test::ScopedCurrentFolder here(root);
    EXPECT_EQ(map.toHost("shows\\my pics\\A.JPG"), "Shows/My Pics/A.jpg");
}

TEST(DriveMap, MapsPathsBothWaysAndBackExactly) {
    const DriveMap map({{'C', "/wine/drive_c"}, {'D', "/wine/drive_c/d"}, {'E', "/e \u00e9"}});
    EXPECT_EQ(map.toHost("c:\\Shows/a.vts"), "/wine/drive_c/Shows/a.vts");
    EXPECT_EQ(map.toHost("C:a.vts"), "/wine/drive_c/a.vts");
    for (const char* nowhere : {"Q:\\a.vts", "\\\\server\\share\\a.vts", "pics:a.jpg", "1:\\a"})
        EXPECT_EQ(map.toHost(nowhere), std::nullopt) << nowhere;

    EXPECT_EQ(map.toWindows("/wine/drive_c/d/x.jpg"), "D:\\x.jpg");
    EXPECT_EQ(map.toWindows("/wine/drive_cx/a"), "Z:\\wine\\drive_cx\\a");
    EXPECT_EQ(map.toWindows("/tmp/caf\u00e9 \u20ac \u0151.jpg"), "Z:\\tmp\\caf\xE9 \x80 ?.jpg");
    for (const char* path : {"/", "/tmp/a b/c.vts", "/x/./y/../z", "/trailing/", "//double//slash",
                             "/e \u00e9", "/e \u00e9/", "/e \u00e9/caf\u00e9 \u20ac.jpg"})
        EXPECT_EQ(map.toHost(map.toWindows(path)), path) << path;
}

// A buffer of 260 spaces as a folder query leaves it: text, then a NUL.
FolderAnswer answer(const std::string& text, std::uint32_t returned) {
    return {text + '\0' + std::string(259 - text.size(), ' '), returned};
}

TEST(SystemFolders, EachQueryReadsItsAnswerItsOwnWayAndWindowsFoldersNeedThemOnDriveC) {
    EXPECT_EQ(windowsFolderFrom(answer("C:\\WINDOWS", 6)), "C:\\WIN\\");
    EXPECT_EQ(systemFolderFrom(answer("C:\\WINDOWS\\SYSTEM32", 6)), "C:\\WINDOWS\\SYSTEM32\\");
    EXPECT_EQ(tempFolderFrom(answer(" C:\\TEMP", 8), "Z:\\app\\"), "C:\\TEMP\\");
    // An answer too long for the buffer leaves it as it was.
    EXPECT_EQ(tempFolderFrom({std::string(260, ' '), 300}, "Z:\\app\\"), "\\");
    EXPECT_EQ(tempFolderFrom(answer("C:\\TEMP\\", 0), "Z:\\app\\"), "Z:\\app\\");

    test::TempFolder folder;
    test::ScopedDriveMap drives(DriveMap({{'C', folder.host("c")}}));
    EXPECT_EQ(GetWindowsFolder() + "|" + GetSystemFolder(), "\\|");
    stdfs::create_directories(folder.host("c/WINDOWS/System32"));
    EXPECT_EQ(GetWindowsFolder() + "|" + GetSystemFolder(),
              "C:\\windows\\|C:\\windows\\system32\\");
    test::ScopedEnvironment tmpdir("TMPDIR", folder.host("tmp").c_str());
    EXPECT_EQ(GetTempFolder("Z:\\app\\"), folder.win("tmp\\"));
}

} // namespace
} // namespace vt
