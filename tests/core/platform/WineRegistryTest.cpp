#include "platform/RegistryStore.h"
#include "platform/WineRegistry.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace vt {
namespace {

using registry::findWineString;

std::string readData(const std::string& name) {
    std::ifstream in(std::string(VT_PLATFORM_TEST_DATA) + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// user.reg as Wine 8 wrote it after `wine reg add`: escaped backslashes and
// quotes, \x escapes of 2 to 4 digits, a character beyond the BMP as two
// halves, str(2) and dword values, hex values over several lines.
TEST(WineRegistry, ReadsWhatWineWrote) {
    const std::string file = readData("wine8-user.reg");
    ASSERT_FALSE(file.empty());
    const std::string viewer = "Software\\VB and VBA Program Settings\\VTViewer\\";
    const std::string other = "Software\\VB and VBA Program Settings\\Other [x]\\Settings";
    const struct {
        std::string key, value;
        std::optional<std::string> expected;
    } cases[] = {
        {viewer + "Settings", "EXEPath", "C:\\Program Files\\Vantora \"x\"\\Café\\"},
        {viewer + "Runtime", "exepath", "C:\\Runtime\\Фото\\"},
        {"software\\vb AND vba program settings\\vtviewer\\SETTINGS", "EXEPath",
         "C:\\Program Files\\Vantora \"x\"\\Café\\"},
        {other, "EXEPath", "Z:\\tmp\\写真\\😀a\tb\\"},
        {other, "Expand", "%USERPROFILE%\\x"},
        {other, "@", "default 12"},
        {other, "Count", std::nullopt}, // a number is no string
        {other, "Missing", std::nullopt},
        {viewer + "Other", "EXEPath", std::nullopt},
        {"Control Panel\\Desktop\\WindowMetrics", "IconSpacing", "-1125"},
        {"Control Panel\\Desktop\\WindowMetrics", "CaptionFont", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(findWineString(file, c.key, c.value), c.expected) << c.key << " " << c.value;
}

// Files written by hand, or by another version, and files that are no
// registry at all.
TEST(WineRegistry, ReadsHandWrittenFilesAndRefusesBrokenOnes) {
    const std::string head = "WINE REGISTRY Version 2\r\n;; comment\r\n\r\n";
    const struct {
        std::string file;
        std::optional<std::string> expected;
    } cases[] = {
        {head + "[A\\\\B] 1\r\n  \"V\" = \"no blanks around =\"\r\n\"V\"=\"x\\\\y\"\r\n", "x\\y"},
        {head + "[A\\\\B]\n; \"V\"=\"commented\"\n#time=0\n\"V\"=\"\\101\\x42\\x00434\\e\"\n",
         "ABC4\x1b"},
        {head + "[A\\\\B]\n\"V\"=\"UTF-8 by hand: Zdjęcia\"\n", "UTF-8 by hand: Zdjęcia"},
        {head + "[A\\\\B]\n\"V\"=\"first\"\n[C]\n\"V\"=\"other key\"\n[A\\\\B]\n\"V\"=\"last\"\n",
         "last"},
        {head + "[A\\\\B]\n\"V\"=\"cut at\\0 NUL\"\n", "cut at"},
        {head + "[A\\\\B]\n\"V\"=\"lone half \\xd83d\"\n", "lone half ?"},
        {head + "[A\\\\B]\n\"V\"=\"never closed\n", std::nullopt},
        {head + "[A\\\\B\n\"V\"=\"key never closed\"\n", std::nullopt},
        {head + "[A\\\\B\\\\C]\n\"V\"=\"a subkey\"\n", std::nullopt},
        {"REGEDIT4\n[A\\\\B]\n\"V\"=\"not Wine's\"\n", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(findWineString(c.file, "A\\B", "V"), c.expected) << c.file;
}

// The viewer's folder comes from Wine's registry when it is there, else from
// the stand-in file; in the show's code page either way, and read afresh.
TEST(WineRegistry, SettingsComeFromTheWinePrefixBeforeTheStandInFile) {
    test::TempFolder folder;
    test::ScopedEnvironment prefix("WINEPREFIX", folder.host("prefix").c_str());
    test::ScopedEnvironment config("XDG_CONFIG_HOME", folder.host("config").c_str());
    folder.write("config/VTViewer.ini", "[Settings]\nEXEPath=C:\\FromIni\\\n[Runtime]\nEXEPath=R\n");
    EXPECT_EQ(registry::GetSetting("VTViewer", "Settings", "EXEPath"), "C:\\FromIni\\");

    folder.write("prefix/user.reg", readData("wine8-user.reg"));
    EXPECT_EQ(registry::GetSetting("VTViewer", "Settings", "EXEPath"),
              "C:\\Program Files\\Vantora \"x\"\\Caf\xe9\\");
    EXPECT_EQ(registry::GetSetting("VTViewer", "Runtime", "EXEPath"), "C:\\Runtime\\????\\");
    EXPECT_EQ(registry::GetSetting("VTViewer", "Nowhere", "EXEPath"), "");

    folder.write("prefix/user.reg", "WINE REGISTRY Version 2\n[Software\\\\VB and VBA "
                                    "Program Settings\\\\VTViewer\\\\Settings]\n\"EXEPath\"=\"D:\\\\\"");
    EXPECT_EQ(registry::GetSetting("VTViewer", "Settings", "EXEPath"), "D:\\");
    EXPECT_EQ(registry::GetSetting("VTViewer", "Runtime", "EXEPath"), "R");
    folder.write("prefix/user.reg", "\x7f" "ELF broken");
    EXPECT_EQ(registry::GetSetting("VTViewer", "Settings", "EXEPath"), "C:\\FromIni\\");
}

} // namespace
} // namespace vt
