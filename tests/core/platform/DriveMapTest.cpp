#include "platform/DriveMap.h"

#include "TestSupport.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace vt {
namespace {

namespace stdfs = std::filesystem;
using test::TempFolder;

std::string canonical(const std::string& path) { return stdfs::canonical(path).string(); }

TEST(DriveMap, DriveLettersComeFromTheWinePrefix) {
    TempFolder folder;
    const std::string prefix = folder.host("home/.wine");
    stdfs::create_directories(prefix + "/drive_c");
    stdfs::create_directories(prefix + "/dosdevices");
    stdfs::create_directories(folder.host("media d"));
    stdfs::create_directory_symlink("../drive_c", prefix + "/dosdevices/c:");
    stdfs::create_directory_symlink(folder.host("media d"), prefix + "/dosdevices/D:");
    stdfs::create_directory_symlink(folder.host("media d"), prefix + "/dosdevices/z:");
    stdfs::create_directory_symlink("/nowhere", prefix + "/dosdevices/e:");
    stdfs::create_symlink("/dev/null", prefix + "/dosdevices/com1");
    stdfs::create_symlink("/dev/null", prefix + "/dosdevices/d::");
    const DriveMap::Roots expected = {
        {'C', canonical(prefix + "/drive_c")}, {'D', canonical(folder.host("media d"))}, {'Z', ""}};

    EXPECT_EQ(DriveMap::fromPrefix(prefix).roots(), expected);
    test::ScopedEnvironment noPrefix("WINEPREFIX", nullptr);
    test::ScopedEnvironment home("HOME", folder.host("home").c_str());
    EXPECT_EQ(DriveMap::fromEnvironment().roots(), expected);
    EXPECT_EQ(DriveMap({{'c', "/mnt/c/"}}).roots(), (DriveMap::Roots{{'C', "/mnt/c"}, {'Z', ""}}));
}

TEST(DriveMap, MapsWindowsPathsToTheHost) {
    const DriveMap map({{'C', "/wine/drive_c"}, {'D', "/wine/drive_c/d"}});
    EXPECT_EQ(map.toHost("z:"), "/");
    EXPECT_EQ(map.toHost("c:\\Shows/a.vts"), "/wine/drive_c/Shows/a.vts");
    EXPECT_EQ(map.toHost("C:a.vts"), "/wine/drive_c/a.vts");
    EXPECT_EQ(map.toHost("shows\\a.vts"), "shows/a.vts");
    EXPECT_EQ(map.toHost("Z:\\tmp\\caf\xE9 \x80.jpg"), "/tmp/caf\u00e9 \u20ac.jpg");
    for (const char* nowhere : {"Q:\\a.vts", "\\\\server\\share\\a.vts", "pics:a.jpg", "1:\\a"})
        EXPECT_EQ(map.toHost(nowhere), std::nullopt) << nowhere;

    EXPECT_EQ(map.toWindows("/wine/drive_c/d/x.jpg"), "D:\\x.jpg");
    EXPECT_EQ(map.toWindows("/wine/drive_cx/a"), "Z:\\wine\\drive_cx\\a");
    EXPECT_EQ(map.toWindows("/tmp/caf\u00e9 \u20ac \u0151.jpg"), "Z:\\tmp\\caf\xE9 \x80 ?.jpg");
}

TEST(DriveMap, EveryHostPathComesBackExactly) {
    TempFolder folder;
    const std::string root = folder.host("drive \u00e9 c");
    stdfs::create_directories(root);
    const DriveMap map({{'C', root}});
    for (const std::string& path :
         {std::string("/"), std::string("/tmp/a b/c.vts"), std::string("/x/./y/../z"),
          std::string("/trailing/"), std::string("//double//slash"), root, root + "/",
          root + "/caf\u00e9 \u20ac.jpg", root + "/sub/"}) {
        const std::string windows = map.toWindows(path);
        EXPECT_EQ(map.toHost(windows), path) << windows;
    }
}

TEST(DriveMap, FindsEntriesIgnoringLetterCase) {
    TempFolder folder;
    folder.write("c/Shows/My Pics/A.jpg", "");
    folder.write("c/Shows/My Pics/b.jpg", "");
    folder.write("c/Shows/My Pics/B.jpg", "");
    folder.write("c/Caf\u00e9/x.vts", "");
    const std::string root = folder.host("c");
    test::ScopedDriveMap drives(DriveMap({{'C', root}}));
    const DriveMap& map = DriveMap::current();
    EXPECT_EQ(map.toHost("C:\\SHOWS\\my pics\\a.JPG"), root + "/Shows/My Pics/A.jpg");
    EXPECT_EQ(map.toHost("C:\\shows\\My Pics\\B.jpg"), root + "/Shows/My Pics/B.jpg");
    EXPECT_EQ(map.toHost("C:\\CAF\xC9\\X.VTS"), root + "/Caf\u00e9/x.vts");
    EXPECT_EQ(map.toHost("C:\\shows\\NEW\\a.jpg"), root + "/Shows/NEW/a.jpg");
    test::ScopedCurrentFolder here(root);
    EXPECT_EQ(map.toHost("shows\\my pics\\A.JPG"), "Shows/My Pics/A.jpg");
}

} // namespace
} // namespace vt
