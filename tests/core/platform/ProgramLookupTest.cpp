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
    ProgramSearch search() const { return ProgramSearch({temp.host("bin")}); }
    Texts argvOf(std::string_view commandLine) const {
        const HostLookup lookup = lookUpCommand(commandLine, {}, search());
        return lookup.command ? lookup.command->argv
                              : Texts{"error " + std::to_string(lookup.error)};
    }

    test::TempFolder temp;
};

} // namespace

TEST_F(ProgramLookupTest, ANativeBuildBesideTheProgramWinsOverWine) {
    temp.write("Vantora Viewer/VTViewer.EXE", "MZ");
    executable("bin/wine");
    const std::string viewer = temp.win("Vantora Viewer\\VTViewer.EXE");
    EXPECT_EQ(argvOf(viewer + " ABOUT"),
              (Texts{temp.host("bin/wine"), temp.host("Vantora Viewer/VTViewer.EXE"), "ABOUT"}));

    executable("Vantora Viewer/vtviewer");
    EXPECT_EQ(argvOf(viewer + " /SHOW \"a b\" \xE9"),
              (Texts{temp.host("Vantora Viewer/vtviewer"), "/SHOW", "a b", "\xC3\xA9"}));
    EXPECT_EQ(argvOf(temp.win("VANTORA VIEWER\\vtviewer.exe")),
              (Texts{temp.host("Vantora Viewer/vtviewer")}));
}

TEST_F(ProgramLookupTest, AWindowsProgramWithoutWineOrNoProgramAtAllFails) {
    temp.write("V/VTThumb.exe", "MZ");
    EXPECT_EQ(argvOf(temp.win("V\\VTTHUMB.EXE")), (Texts{"error " + std::to_string(ENOEXEC)}));
    EXPECT_EQ(argvOf(temp.win("V\\VTLaunch.EXE")), (Texts{"error " + std::to_string(ENOENT)}));
    EXPECT_EQ(argvOf(""), (Texts{"error " + std::to_string(ENOENT)}));
    // A bare name is a native program on the search path, or nothing.
    EXPECT_EQ(argvOf("VTViewer.EXE /SHOW"), (Texts{"error " + std::to_string(ENOENT)}));
    executable("bin/vtviewer");
    EXPECT_EQ(argvOf("VTViewer.EXE /SHOW"), (Texts{temp.host("bin/vtviewer"), "/SHOW"}));
}

TEST_F(ProgramLookupTest, NotepadAndWordPadAreTheDesktopsEditors) {
    const std::string readme = temp.win("My Folder\\README.TXT");
    EXPECT_EQ(argvOf("NOTEPAD.EXE " + readme), (Texts{"error " + std::to_string(ENOENT)}));
    executable("bin/xdg-open");
    EXPECT_EQ(argvOf("NOTEPAD.EXE " + readme),
              (Texts{temp.host("bin/xdg-open"), temp.host("My Folder/README.TXT")}));
    executable("bin/mousepad");
    EXPECT_EQ(argvOf("\"notepad.exe\" \"" + readme + "\""),
              (Texts{temp.host("bin/mousepad"), temp.host("My Folder/README.TXT")}));
    EXPECT_EQ(argvOf("WORDPAD.EXE -x.txt"), (Texts{temp.host("bin/mousepad"), "./-x.txt"}));
    executable("bin/abiword");
    EXPECT_EQ(argvOf("WordPad"), (Texts{temp.host("bin/abiword")}));
    EXPECT_EQ(argvOf("NOTEPAD.EXE"), (Texts{temp.host("bin/mousepad")}));
}

TEST_F(ProgramLookupTest, TheWorkingFolderMustBeAFolder) {
    executable("V/vtlaunch");
    temp.write("V/file.txt", "");
    const ProgramSearch none({});
    const auto inFolder = lookUpCommand(temp.win("V\\VTLaunch.EXE"), temp.win("v\\"), none);
    ASSERT_TRUE(inFolder.command);
    EXPECT_EQ(inFolder.command->folder, temp.host("V/"));
    EXPECT_EQ(lookUpCommand(temp.win("V\\VTLaunch.EXE"), temp.win("W\\"), none).error, ENOENT);
    EXPECT_EQ(lookUpCommand(temp.win("V\\VTLaunch.EXE"), temp.win("V\\file.txt"), none).error,
              ENOTDIR);
}

} // namespace vt
