#include "platform/ProfileFile.h"

#include "TestSupport.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <iterator>

namespace vt {
namespace {

namespace stdfs = std::filesystem;

class ProfileFile : public ::testing::Test {
  protected:
    // The values of "section/key" pairs as 260-byte reads give them, joined
    // by '|'; "<default>" where a key is absent.
    std::string read(std::initializer_list<std::string_view> keys) {
        std::string all;
        for (const std::string_view key : keys) {
            const auto slash = key.find('/');
            std::string buffer(260, ' ');
            const auto count = GetPrivateProfileStringA(key.substr(0, slash), key.substr(slash + 1),
                                                        "<default>  ", buffer.data(), 260, file);
            all += buffer.substr(0, count) + (buffer[count] == '\0' ? "|" : "<no NUL>|");
        }
        return all;
    }

    bool write(std::string_view section, std::string_view key, std::string_view value) {
        return WritePrivateProfileStringA(section, key, value, file);
    }

    test::TempFolder folder;
    std::string file = folder.win("VANTORA.INI");
};

TEST_F(ProfileFile, ReadsAndWritesKeysTheWindowsWayChangingOnlyTheLinesItMust) {
    const std::string odd = "; the viewer's settings\r\n[ section1 ]\r\nNaMe1=first\r\n"
                            "name1=second\r\nname3\r\n;name=commented\r\nk=a ;b\r\n#hash=plain\r\n"
                            "q1=\"val2\"\r\nq2='v'\r\nq3=\"a'\r\nempty=\r\n"
                            "\t spaced  =  padded value \t\r\n\r\n[SECTION1]\r\nonly=second\r\n"
                            "[other]\r\nkey2 = \"bar\"\r\n";
    folder.write("VANTORA.INI", odd + "[Utility]\r\nUseNotePad=yes\r\n");
    EXPECT_EQ(
        read({"section1/name1", "SECTION1/NAME1", "section1/name3", "section1/;name", "section1/k",
              "section1/#hash", "section1/q1", "section1/q2", "section1/q3", "section1/empty",
              "section1/spaced", "section1/only", "Other/KEY2", "missing/k"}),
        "first|first|<default>|<default>|a ;b|plain|val2|v|\"a'||padded value|<default>|"
        "bar|<default>|");
    EXPECT_TRUE(write("section1", "NAME1", "changed") && write("utility", "UseNotepad", "True"));
    std::string expected = odd + "[Utility]\r\nUseNotePad=True\r\n";
    expected.replace(expected.find("NaMe1=first"), 11, "NaMe1=changed");
    EXPECT_EQ(folder.read("VANTORA.INI"), expected);

    folder.write("VANTORA.INI", "[a]\nx=1\nnot a key\n; note\n\n[A]\ny=2\n[empty]\r[tail]\rt=1");
    EXPECT_EQ(read({"A/x", "a/y", "TAIL/t"}), "1|<default>|1|"); // LF and CR line ends
    EXPECT_TRUE(write("A", "new", "v") && write("EMPTY", "e", "w") && write("tail", "u", "2") &&
                write("Utility", "k", " as given "));
    EXPECT_EQ(folder.read("VANTORA.INI"), "[a]\nx=1\nnew=v\r\nnot a key\n; note\n\n[A]\ny=2\n"
                                          "[empty]\re=w\r\n[tail]\rt=1\r\nu=2\r\n"
                                          "[Utility]\r\nk= as given \r\n");
}

TEST_F(ProfileFile, ReplacesTheFileWholeOrNotAtAll) {
    folder.write("VANTORA.INI", "[Viewer]\r\nk=1\r\n");
    EXPECT_TRUE(write("Viewer", "k", "2"));
    stdfs::permissions(folder.host("VANTORA.INI"), stdfs::perms(0444));
    EXPECT_FALSE(write("Viewer", "k", "3") ||
                 WritePrivateProfileStringA("Viewer", "k", "3", folder.win("no\\VANTORA.INI")));
    EXPECT_EQ(folder.read("VANTORA.INI"), "[Viewer]\r\nk=2\r\n");
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(stdfs::directory_iterator(folder.host()), {}), 1);
}

} // namespace
} // namespace vt
