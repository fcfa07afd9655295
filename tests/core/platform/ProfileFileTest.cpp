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
    // The values of section/key pairs as 260-byte reads give them, joined by
    // '|'; "<default>" where a key is absent.
    std::string read(std::initializer_list<std::pair<const char*, const char*>> keys,
                     std::uint32_t size = 260) {
        std::string all;
        for (const auto& [section, key] : keys) {
            std::string buffer(size, ' ');
            const auto count =
                GetPrivateProfileStringA(section, key, "<default>  ", buffer.data(), size, file);
            all += buffer.substr(0, count) + (buffer[count] == '\0' ? "|" : "<no NUL>|");
        }
        return all;
    }

    bool write(std::string_view section, std::string_view key, std::string_view value) {
        return WritePrivateProfileStringA(section, key, value, file);
    }

    TempFolder folder;
    std::string file = folder.win("VANTORA.INI");
};

const std::string OddFile = "; the viewer's settings\r\n[ section1 ]\r\nNaMe1=first\r\n"
                            "name1=second\r\nname3\r\n;name=commented\r\nk=a ;b\r\n#hash=plain\r\n"
                            "q1=\"val2\"\r\nq2='v'\r\nq3=\"a'\r\nempty=\r\n"
                            "\t spaced  =  padded value \t\r\n\r\n[SECTION1]\r\nonly=second\r\n"
                            "[other]\r\nkey2 = \"bar\"\r\n";

TEST_F(ProfileFile, ReadsKeysTheWindowsWay) {
    folder.write("VANTORA.INI", OddFile);
    EXPECT_EQ(read({{"section1", "name1"},
                    {"SECTION1", "NAME1"},
                    {"section1", "name3"},
                    {"section1", ";name"},
                    {"section1", "k"},
                    {"section1", "#hash"},
                    {"section1", "q1"},
                    {"section1", "q2"},
                    {"section1", "q3"},
                    {"section1", "empty"},
                    {"section1", "spaced"},
                    {"section1", "only"},
                    {"Other", "KEY2"},
                    {"missing", "k"}}),
              "first|first|<default>|<default>|a ;b|plain|val2|v|\"a'||padded value|<default>|"
              "bar|<default>|");
    EXPECT_EQ(read({{"section1", "spaced"}}, 5) + read({{"section1", "spaced"}}, 1), "padd||");

    for (const std::string ending : {"\r", "\n"}) {
        folder.write("VANTORA.INI", "[a]" + ending + "x=1" + ending + ending + "[b]" + ending +
                                        "y=2" + ending + "z=3");
        EXPECT_EQ(read({{"a", "x"}, {"b", "y"}, {"B", "z"}}), "1|2|3|");
    }
    file = folder.win("ABSENT.INI");
    EXPECT_EQ(read({{"a", "x"}}), "<default>|");
}

TEST_F(ProfileFile, WritesOnlyTheLinesItMust) {
    folder.write("VANTORA.INI", OddFile + "[Utility]\r\nUseNotePad=yes\r\n");
    EXPECT_TRUE(write("section1", "NAME1", "changed"));
    EXPECT_TRUE(write("utility", "UseNotepad", "True"));
    std::string expected = OddFile + "[Utility]\r\nUseNotePad=True\r\n";
    expected.replace(expected.find("NaMe1=first"), 11, "NaMe1=changed");
    EXPECT_EQ(folder.read("VANTORA.INI"), expected);

    folder.write("VANTORA.INI", "[a]\nx=1\nnot a key\n; note\n\n[A]\ny=2\n[empty]\r[tail]\rt=1");
    EXPECT_TRUE(write("A", "new", "v"));
    EXPECT_TRUE(write("EMPTY", "e", "w"));
    EXPECT_TRUE(write("tail", "u", "2"));
    EXPECT_TRUE(write("Utility", "k", " as given "));
    EXPECT_EQ(folder.read("VANTORA.INI"), "[a]\nx=1\nnew=v\r\nnot a key\n; note\n\n[A]\ny=2\n"
                                          "[empty]\re=w\r\n[tail]\rt=1\r\nu=2\r\n"
                                          "[Utility]\r\nk= as given \r\n");

    file = folder.win("NEW.INI");
    EXPECT_TRUE(write("Utility", "chkSlide", "True"));
    EXPECT_EQ(folder.read("NEW.INI"), "[Utility]\r\nchkSlide=True\r\n");
}

TEST_F(ProfileFile, ReplacesTheFileWholeOrNotAtAll) {
    folder.write("real/prefs.ini", "[Viewer]\r\nk=1\r\n");
    stdfs::create_symlink("real/prefs.ini", folder.host("VANTORA.INI"));
    stdfs::permissions(folder.host("real/prefs.ini"), stdfs::perms(0640));
    EXPECT_TRUE(write("Viewer", "k", "2"));
    EXPECT_TRUE(stdfs::is_symlink(folder.host("VANTORA.INI")));
    EXPECT_EQ(folder.read("real/prefs.ini"), "[Viewer]\r\nk=2\r\n");
    EXPECT_EQ(stdfs::status(folder.host("real/prefs.ini")).permissions(), stdfs::perms(0640));

    stdfs::permissions(folder.host("real/prefs.ini"), stdfs::perms(0444));
    stdfs::create_directory(folder.host("folder.ini"));
    for (const char* failing : {"VANTORA.INI", "folder.ini", "missing\\VANTORA.INI"}) {
        file = folder.win(failing);
        EXPECT_FALSE(write("Viewer", "k", "3")) << failing;
    }
    EXPECT_EQ(folder.read("real/prefs.ini"), "[Viewer]\r\nk=2\r\n");
    std::vector<std::string> names;
    for (const auto& entry : stdfs::recursive_directory_iterator(folder.host()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"VANTORA.INI", "folder.ini", "prefs.ini", "real"}));
}

TEST(RegistryStore, ReadsTheViewersValuesAfreshEachTime) {
    TempFolder folder;
    test::ScopedEnvironment config("XDG_CONFIG_HOME", folder.host("config").c_str());
    const auto both = [] {
        return registry::GetSetting("VTViewer", "Settings", "EXEPath") + "|" +
               registry::GetSetting("VTViewer", "Runtime", "EXEPath");
    };
    EXPECT_EQ(both(), "|");
    folder.write("config/VTViewer.ini", "[Settings]\r\nEXEPath=C:\\Vantora\\\r\n");
    EXPECT_EQ(both(), "C:\\Vantora\\|");
    folder.write("config/VTViewer.ini", "[Runtime]\nEXEPath=C:\\Runtime\\\n");
    EXPECT_EQ(both(), "|C:\\Runtime\\");

    test::ScopedEnvironment noConfig("XDG_CONFIG_HOME", nullptr);
    test::ScopedEnvironment home("HOME", folder.host("home").c_str());
    EXPECT_EQ(registry::settingsFile("VTViewer"), folder.host("home/.config/VTViewer.ini"));
}

} // namespace
} // namespace vt
