#include "platform/ProgramLookup.h"

#include "TestSupport.h"

#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>

namespace vt {
namespace {

using Texts = std::vector<std::string>;

class ProgramLookupTest : public ::testing::Test {
  protected:
    void executable(std::string_view name) {
        temp.write(name, "#!/bin/sh\n");
        std::filesystem::permissions(temp.host(name), std::filesystem::perms::owner_all);
    }
    // The host command's argv, or the errno that says why there is none.
    Texts argvOf(std::string_view commandLine) const {
        const auto lookup = lookUpCommand(commandLine, {}, ProgramSearch({temp.host("bin")}));
        return lookup.command ? lookup.command->argv : Texts{std::to_string(lookup.error)};
    }

    test::TempFolder temp;
};

TEST_F(ProgramLookupTest, NativeBuildsFirstThenWineAndTheDesktopsEditorsForNotepadAndWordPad) {
    const std::string viewer = temp.win("Vantora Viewer\\VTViewer.EXE") + " ABOUT";
    EXPECT_EQ(argvOf(viewer), (Texts{std::to_string(ENOENT)}));
    temp.write("Vantora Viewer/VTViewer.EXE", "MZ");
    EXPECT_EQ(argvOf(viewer), (Texts{std::to_string(ENOEXEC)}));
    EXPECT_EQ((HostLookup{std::nullopt, ENOEXEC}.failure()),
              "This is a Windows program, and Wine, which runs Windows programs here, is not "
              "installed (there is no wine on the PATH)");
    executable("bin/wine");
    EXPECT_EQ(argvOf(viewer),
              (Texts{temp.host("bin/wine"), temp.host("Vantora Viewer/VTViewer.EXE"), "ABOUT"}));
    // The prefix goes along, for a launcher started where WINEPREFIX is not set.
    executable("bin/env");
    test::ScopedEnvironment prefix("WINEPREFIX", nullptr);
    EXPECT_EQ(argvOf(viewer),
              (Texts{temp.host("bin/env"), "WINEPREFIX=" + std::string(getenv("HOME")) + "/.wine",
                     temp.host("bin/wine"), temp.host("Vantora Viewer/VTViewer.EXE"), "ABOUT"}));
    executable("Vantora Viewer/vtviewer");
    EXPECT_EQ(argvOf(temp.win("VANTORA VIEWER\\VTViewer.EXE") + " /SHOW \"a b\" \xE9"),
              (Texts{temp.host("Vantora Viewer/vtviewer"), "/SHOW", "a b", "\xC3\xA9"}));

    const std::string readme = temp.win("My Folder\\README.TXT");
    EXPECT_EQ(argvOf("NOTEPAD.EXE " + readme), (Texts{std::to_string(ENOENT)}));
    executable("bin/xdg-open");
    EXPECT_EQ(argvOf("WORDPAD.EXE " + readme),
              (Texts{temp.host("bin/xdg-open"), temp.host("My Folder/README.TXT")}));
    executable("bin/mousepad");
    executable("bin/abiword");
    EXPECT_EQ(argvOf("\"notepad.exe\" \"-x.txt\""), (Texts{temp.host("bin/mousepad"), "./-x.txt"}));
    EXPECT_EQ(argvOf("WordPad"), (Texts{temp.host("bin/abiword")}));
}

} // namespace
} // namespace vt
