#include "platform/DriveMap.h"
#include "platform/SystemFolders.h"

#include "TestSupport.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace vt {
namespace {

namespace stdfs = std::filesystem;
using test::TempFolder;

TEST(DriveMap, DriveLettersComeFromTheWinePrefix) {
    TempFolder folder;
    const std::string prefix = folder.host("home/.wine"), media = folder.host("media d");
    stdfs::create_directories(prefix + "/drive_c");
    stdfs::create_directories(prefix + "/dosdevices");
    stdfs::create_directories(media);
    stdfs::create_directory_symlink("../drive_c", prefix + "/dosdevices/c:");
    stdfs::create_directory_symlink(media, prefix + "/dosdevices/D:");
    stdfs::create_directory_symlink("/nowhere", prefix + "/dosdevices/e:");
    stdfs::create_symlink("/dev/null", prefix + "/dosdevices/d::");
    test::ScopedEnvironment noPrefix("WINEPREFIX", nullptr);
    test::ScopedEnvironment home("HOME", folder.host("home").c_str());
    EXPECT_EQ(DriveMap::fromEnvironment().roots(),
              (DriveMap::Roots{{'C', stdfs::canonical(prefix + "/drive_c").string()},
                               {'D', stdfs::canonical(media).string()},
                               {'Z', ""}}));
}

TEST(DriveMap, MapsPathsBothWaysAndBackExactly) {
    const DriveMap map({{'C', "/wine/drive_c"}, {'D', "/wine/drive_c/d"}, {'E', "/e \u00e9"}});
    EXPECT_EQ(map.toHost("z:"), "/");
    EXPECT_EQ(map.toHost("c:\\Shows/a.vts"), "/wine/drive_c/Shows/a.vts");
    EXPECT_EQ(map.toHost("C:a.vts"), "/wine/drive_c/a.vts");
    EXPECT_EQ(map.toHost("Z:\\tmp\\caf\xE9 \x80.jpg"), "/tmp/caf\u00e9 \u20ac.jpg");
    for (const char* nowhere : {"Q:\\a.vts", "\\\\server\\share\\a.vts", "pics:a.jpg", "1:\\a"})
        EXPECT_EQ(map.toHost(nowhere), std::nullopt) << nowhere;

    EXPECT_EQ(map.toWindows("/wine/drive_c/d/x.jpg"), "D:\\x.jpg");
    EXPECT_EQ(map.toWindows("/wine/drive_cx/a"), "Z:\\wine\\drive_cx\\a");
    EXPECT_EQ(map.toWindows("/tmp/caf\u00e9 \u20ac \u0151.jpg"), "Z:\\tmp\\caf\xE9 \x80 ?.jpg");
    for (const char* path : {"/", "/tmp/a b/c.vts", "/x/./y/../z", "/trailing/", "//double//slash",
                             "/e \u00e9", "/e \u00e9/", "/e \u00e9/caf\u00e9 \u20ac.jpg"})
        EXPECT_EQ(map.toHost(map.toWindows(path)), path) << path;
}

TEST(DriveMap, FindsEntriesIgnoringLetterCase) {
    TempFolder folder;
    for (const char* name : {"c/Shows/My Pics/A.jpg", "c/Shows/My Pics/b.jpg",
                             "c/Shows/My Pics/B.jpg", "c/Caf\u00e9/x.vts"})
        folder.write(name, "");
    const std::string root = folder.host("c");
    const DriveMap map({{'C', root}});
    EXPECT_EQ(map.toHost("C:\\shows\\My Pics\\B.jpg"), root + "/Shows/My Pics/B.jpg");
    EXPECT_EQ(map.toHost("C:\\CAF\xC9\\X.VTS"), root + "/Caf\u00e9/x.vts");
    EXPECT_EQ(map.toHost("C:\\shows\\NEW\\a.jpg"), root + "/Shows/NEW/a.jpg");
    test::ScopedCurrentFolder here(root);
    EXPECT_EQ(map.toHost("shows\\my pics\\A.JPG"), "Shows/My Pics/A.jpg");
}

// A buffer of 260 spaces as a folder query leaves it: text, then a NUL.
FolderAnswer answer(const std::string& text, std::uint32_t returned) {
    return {text + '\0' + std::string(259 - text.size(), ' '), returned};
}

TEST(SystemFolders, EachQueryReadsItsAnswerItsOwnWay) {
    const std::string app = "Z:\\opt\\vantora\\";
    EXPECT_EQ(windowsFolderFrom(answer("C:\\WINDOWS", 6)), "C:\\WIN\\");
    EXPECT_EQ(systemFolderFrom(answer("C:\\WINDOWS\\SYSTEM32", 6)), "C:\\WINDOWS\\SYSTEM32\\");
    EXPECT_EQ(tempFolderFrom(answer(" C:\\TEMP", 8), app), "C:\\TEMP\\");
    EXPECT_EQ(tempFolderFrom({std::string(260, ' '), 300}, app), "\\"); // too long for the buffer
    EXPECT_EQ(tempFolderFrom(answer("C:\\TEMP\\", 0), app), app);
}

TEST(SystemFolders, WindowsFoldersNeedThemOnDriveCAndTempIsTheHosts) {
    TempFolder folder;
    test::ScopedDriveMap drives(DriveMap({{'C', folder.host("c")}}));
    const auto both = [] { return GetWindowsFolder() + "|" + GetSystemFolder(); };
    EXPECT_EQ(both(), "\\|");
    stdfs::create_directories(folder.host("c/WINDOWS"));
    EXPECT_EQ(both(), "C:\\windows\\|");
    stdfs::create_directories(folder.host("c/WINDOWS/System32"));
    EXPECT_EQ(both(), "C:\\windows\\|C:\\windows\\system32\\");
    test::ScopedEnvironment tmpdir("TMPDIR", folder.host("tmp").c_str());
    EXPECT_EQ(GetTempFolder("Z:\\app\\"), folder.win("tmp\\"));
}

} // namespace
} // namespace vt
