#include "platform/ProfileFile.h"
#include "platform/RegistryStore.h"

#include "TestSupport.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace vt {
namespace {

namespace stdfs = std::filesystem;
using test::TempFolder;

class ProfileFile : public ::testing::Test {
protected:
    // What a 260-byte read gives back, or "<default>" when the key is absent.
    std::string read(std::string_view section, std::string_view key, std::uint32_t size = 260) {
        std::string buffer(size, ' ');
        const auto count = GetPrivateProfileStringA(section, key, "<default>  ", buffer.data(),
                                                    size, file);
        EXPECT_EQ(buffer[count], '\0');
        return buffer.substr(0, count);
    }

    bool write(std::string_view section, std::string_view key, std::string_view value) {
        return WritePrivateProfileStringA(section, key, value, file);
    }

    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& entry : stdfs::directory_iterator(folder.host()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TempFolder folder;
    std::string file = folder.win("VANTORA.INI");
};

const std::string OddFile = "; the viewer's settings\r\n"
                            "[ section1 ]\r\n"
                            "NaMe1=first\r\n"
                            "name1=second\r\n"
                            "name3\r\n"
                            ";name=commented\r\n"
                            "k=a ;b\r\n"
                            "#hash=plain\r\n"
                            "q1=\"val2\"\r\n"
                            "q2='v'\r\n"
                            "q3=\"a'\r\n"
                            "empty=\r\n"
                            "\t spaced  =  padded value \t\r\n"
                            "\r\n"
                            "[SECTION1]\r\n"
                            "only=in the second\r\n"
                            "[other]\r\n"
                            "key2 = \"bar\"\r\n";

TEST_F(ProfileFile, ReadsKeysTheWindowsWay) {
    folder.write("VANTORA.INI", OddFile);
    EXPECT_EQ(read("section1", "name1"), "first");
    EXPECT_EQ(read("SECTION1", "NAME1"), "first");
    EXPECT_EQ(read("section1", "name3"), "<default>");
    EXPECT_EQ(read("section1", ";name"), "<default>");
    EXPECT_EQ(read("section1", "k"), "a ;b");
    EXPECT_EQ(read("section1", "#hash"), "plain");
    EXPECT_EQ(read("section1", "q1"), "val2");
    EXPECT_EQ(read("section1", "q2"), "v");
    EXPECT_EQ(read("section1", "q3"), "\"a'");
    EXPECT_EQ(read("section1", "empty"), "");
    EXPECT_EQ(read("section1", "spaced"), "padded value");
    EXPECT_EQ(read("section1", "only"), "<default>");
    EXPECT_EQ(read("Other", "KEY2"), "bar");
    EXPECT_EQ(read("missing", "k"), "<default>");
    EXPECT_EQ(read("section1", "spaced", 5), "padd");
    EXPECT_EQ(read("section1", "spaced", 1), "");
    file = folder.win("ABSENT.INI");
    EXPECT_EQ(read("section1", "name1"), "<default>");
}

TEST_F(ProfileFile, ReadsEveryKindOfLineEnd) {
    const std::string crlf = "[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\nz=3";
    for (const std::string ending : {"\r", "\n"}) {
        std::string other;
        for (char c : crlf)
            other += c == '\n' ? "" : c == '\r' ? ending : std::string(1, c);
        folder.write("VANTORA.INI", other);
        EXPECT_EQ(read("a", "x") + read("b", "y") + read("b", "z"), "123") << other;
    }
}

TEST_F(ProfileFile, RewritesOnlyTheLineOfAnExistingKey) {
    folder.write("VANTORA.INI", OddFile + "[Utility]\r\nUseNotePad=yes\r\n");
    EXPECT_TRUE(write("section1", "NAME1", "changed"));
    EXPECT_TRUE(write("utility", "UseNotepad", "True"));
    std::string expected = OddFile + "[Utility]\r\nUseNotePad=True\r\n";
    expected.replace(expected.find("NaMe1=first"), 11, "NaMe1=changed");
    EXPECT_EQ(folder.read("VANTORA.INI"), expected);
}

TEST_F(ProfileFile, AddsAKeyAfterTheLastKeyOfTheFirstSection) {
    folder.write("VANTORA.INI", "[a]\nx=1\nnot a key\n; note\n\n[A]\ny=2\n[empty]\r[tail]\rt=1");
    EXPECT_TRUE(write("A", "new", "v"));
    EXPECT_TRUE(write("EMPTY", "e", "w"));
    EXPECT_TRUE(write("tail", "u", "2"));
    EXPECT_EQ(folder.read("VANTORA.INI"), "[a]\nx=1\nnew=v\r\nnot a key\n; note\n\n[A]\ny=2\n"
                                          "[empty]\re=w\r\n[tail]\rt=1\r\nu=2\r\n");
}

TEST_F(ProfileFile, AppendsANewSectionAtTheEnd) {
    EXPECT_TRUE(write("Utility", "chkSlide", "True"));
    EXPECT_EQ(folder.read("VANTORA.INI"), "[Utility]\r\nchkSlide=True\r\n");

    folder.write("VANTORA.INI", "[Viewer]\r\nk=1");
    EXPECT_TRUE(write("Utility", "chkSlide", "False"));
    EXPECT_EQ(folder.read("VANTORA.INI"), "[Viewer]\r\nk=1\r\n[Utility]\r\nchkSlide=False\r\n");

    folder.write("VANTORA.INI", "[Viewer]\nk=1\n");
    EXPECT_TRUE(write("Utility", "x", " value as given "));
    EXPECT_EQ(folder.read("VANTORA.INI"), "[Viewer]\nk=1\n[Utility]\r\nx= value as given \r\n");
}

TEST_F(ProfileFile, ReplacesTheFileWholeAndKeepsLinksAndPermissions) {
    folder.write("real/prefs.ini", "[Viewer]\r\nk=1\r\n");
    stdfs::create_symlink("real/prefs.ini", folder.host("VANTORA.INI"));
    stdfs::permissions(folder.host("real/prefs.ini"), stdfs::perms(0640));
    EXPECT_TRUE(write("Viewer", "k", "2"));
    EXPECT_TRUE(stdfs::is_symlink(folder.host("VANTORA.INI")));
    EXPECT_EQ(folder.read("real/prefs.ini"), "[Viewer]\r\nk=2\r\n");
    EXPECT_EQ(stdfs::status(folder.host("real/prefs.ini")).permissions(), stdfs::perms(0640));
    EXPECT_EQ(entries(), (std::vector<std::string>{"VANTORA.INI", "real"}));
}

TEST_F(ProfileFile, AFailedWriteChangesNothing) {
    file = folder.win("missing\\VANTORA.INI");
    EXPECT_FALSE(write("Utility", "k", "v"));
    EXPECT_FALSE(folder.exists("missing"));

    folder.write("locked.ini", "[Utility]\r\nk=1\r\n");
    stdfs::permissions(folder.host("locked.ini"), stdfs::perms(0444));
    file = folder.win("locked.ini");
    EXPECT_FALSE(write("Utility", "k", "2"));
    EXPECT_EQ(folder.read("locked.ini"), "[Utility]\r\nk=1\r\n");

    stdfs::create_directory(folder.host("folder.ini"));
    file = folder.win("folder.ini");
    EXPECT_FALSE(write("Utility", "k", "2"));
    EXPECT_EQ(entries(), (std::vector<std::string>{"folder.ini", "locked.ini"}));
}

TEST(RegistryStore, ReadsTheViewersValuesAfreshEachTime) {
    TempFolder folder;
    test::ScopedEnvironment config("XDG_CONFIG_HOME", folder.host("config").c_str());
    EXPECT_EQ(registry::settingsFile("VTViewer"), folder.host("config/VTViewer.ini"));
    EXPECT_EQ(registry::GetSetting("VTViewer", "Settings", "EXEPath"), "");

    folder.write("config/VTViewer.ini", "[Settings]\r\nEXEPath=C:\\Vantora\\\r\n");
    EXPECT_EQ(registry::GetSetting("VTViewer", "Settings", "EXEPath"), "C:\\Vantora\\");
    EXPECT_EQ(registry::GetSetting("VTViewer", "Runtime", "EXEPath"), "");

    folder.write("config/VTViewer.ini", "[Runtime]\nEXEPath=C:\\Runtime\\\n");
    EXPECT_EQ(registry::GetSetting("VTViewer", "Settings", "EXEPath"), "");
    EXPECT_EQ(registry::GetSetting("VTViewer", "Runtime", "EXEPath"), "C:\\Runtime\\");

    test::ScopedEnvironment noConfig("XDG_CONFIG_HOME", nullptr);
    test::ScopedEnvironment home("HOME", folder.host("home").c_str());
    EXPECT_EQ(registry::settingsFile("VTViewer"), folder.host("home/.config/VTViewer.ini"));
}

} // namespace
} // namespace vt
