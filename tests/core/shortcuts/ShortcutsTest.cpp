#include "shortcuts/DesktopEntry.h"
#include "shortcuts/ShortcutCommands.h"

#include "FakeSeams.h"
#include "common/CodePage.h"
#include "settings/Settings.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace vt {
namespace {

namespace stdfs = std::filesystem;
using Texts = std::vector<std::string>;
const std::string Trouble =
    "Vantora Utility Module is having trouble adding the shortcut to your desktop...";

// The commands with launchers written into a desktop folder of their own.
class Shortcuts : public ::testing::Test {
  protected:
    test::TempFolder temp;
    std::string desktop = temp.host("Desk top"); // "": there is none
    test::FakeBusyPointer busy;
    test::RecordingPrompter prompter;
    ProgramPaths paths;
    std::string viewer; // the viewer's folder as the registry names it
    ShortcutCommands commands{[this] { return helper(); }, busy, prompter, temp.win("Vantora\\"),
                              paths, [this] { return viewer; }};

    std::unique_ptr<ShortcutHelper> helper() {
        return std::make_unique<DesktopEntryShortcutHelper>(desktop,
                                                            ProgramSearch({temp.host("bin")}));
    }

    void TearDown() override { EXPECT_FALSE(busy.hourglass); } // every command gives it back

    void executable(const std::string& name) {
        temp.write(name, "#!/bin/sh\n");
        stdfs::permissions(temp.host(name), stdfs::perms::owner_all);
    }
};

} // namespace

// Our folder's copy first (a build for this host counts), else the viewer
// folder's Windows program through Wine; with neither, or no Wine, no
// launcher at all.
TEST_F(Shortcuts, ProgramShortcutsStartAProgramThatIsThereOrSayWhyNot) {
    test::ScopedEnvironment prefix("WINEPREFIX", "/home/ann/.wine-vantora");
    prompter.answers = {Answer::No};
    commands.CmdCreate1_Click();
    EXPECT_FALSE(temp.exists("Desk top")); // nothing was made

    executable("Vantora/vtviewer");
    executable("Vantora/vtutil");
    viewer = temp.win("Program Files\\Vantora\\");
    temp.write("Program Files/Vantora/VTThumb.EXE", "MZ");
    temp.write("Program Files/Vantora/VTViewer.EXE", "MZ");
    const auto clickAll = [this] {
        for (auto click :
             {&ShortcutCommands::CmdCreate1_Click, &ShortcutCommands::CmdCreate3_Click,
              &ShortcutCommands::CmdCreate5_Click, &ShortcutCommands::CmdCreate6_Click})
            (commands.*click)();
    };
    clickAll(); // no Wine yet: the thumbnailer is as good as missing
    const Texts made = {"Vantora.desktop", "Vantora Utility Module.desktop"};
    EXPECT_EQ(temp.read("Desk top/Vantora.desktop"),
              desktopEntryText("Vantora", {temp.host("Vantora/vtviewer")}, temp.host("Vantora/")));
    EXPECT_EQ(temp.read("Desk top/Vantora Utility Module.desktop"),
              desktopEntryText("Vantora Utility Module", {temp.host("Vantora/vtutil")},
                               temp.host("Vantora/")));
    EXPECT_EQ(std::distance(stdfs::directory_iterator(desktop), {}), 2);

    executable("bin/wine");
    executable("bin/env");
    stdfs::remove(temp.host("Vantora/vtviewer"));
    clickAll();
    for (const std::string name : {"Vantora", "Vantora Thumbnailer"}) {
        const std::string program = name == "Vantora" ? "VTViewer.EXE" : "VTThumb.EXE";
        EXPECT_EQ(
            temp.read("Desk top/" + name + ".desktop"),
            desktopEntryText(name,
                             {temp.host("bin/env"), "WINEPREFIX=/home/ann/.wine-vantora",
                              temp.host("bin/wine"), temp.host("Program Files/Vantora/") + program},
                             temp.host("Program Files/Vantora/")));
    }
    EXPECT_FALSE(temp.exists("Desk top/Vantora Launcher.desktop"));
    desktop = "";
    commands.CmdCreate6_Click();
    const auto to = [](std::string p) { return "Create a shortcut to " + p + " on your desktop?"; };
    const std::string vantora = to("Vantora"), launcher = to("the Vantora Launcher"),
                      thumbnailer = to("the Vantora Thumbnailer"),
                      utility = to("the Vantora Utility Module");
    EXPECT_EQ(prompter.texts(),
              (Texts{vantora, vantora, launcher, Trouble, thumbnailer,
                     Trouble, utility, vantora, launcher, Trouble, thumbnailer, utility, utility,
                     "An error occurred while getting the path to your desktop folder, unable "
                     "to create shortcut..."}));
    EXPECT_EQ(prompter.messages.at(3).icon, Icon::Information);
    EXPECT_EQ(prompter.messages.back().icon, Icon::Exclamation);
}

// A launcher's name comes from a remembered file; whatever that holds, the
// launcher lands right in the desktop folder or is not written.
TEST_F(Shortcuts, ALauncherNameNeverLeavesTheDesktopFolder) {
    temp.write("shows/x.vts", "show");
    for (const char* show : {"../.config/autostart/x.vts", "..", ".", "a/../../x.vts"}) {
        paths.LastSlideShow = temp.win("shows\\") + show;
        commands.CmdCreate4_Click();
        EXPECT_EQ(prompter.texts().back(), Trouble) << show;
    }
    paths.LastSlideShow = temp.win("shows\\x.vts");
    commands.CmdCreate4_Click();
    EXPECT_EQ(
        temp.read("Desk top/x.vts.desktop"),
        desktopEntryText("x.vts", {"xdg-open", temp.host("shows/x.vts")}, temp.host("shows/")));
    EXPECT_EQ(std::distance(stdfs::recursive_directory_iterator(temp.host()), {}), 4);
}

TEST_F(Shortcuts, DocumentShortcutsStartExactlyTheLastImageOrShowWhateverItsName) {
    commands.CmdCreate2_Click(); // nothing known yet
    commands.CmdCreate4_Click();
    paths.LastOpenedFile = temp.win("Pics\\"); // a folder is no image...
    commands.CmdCreate2_Click();
    paths.LastSlideShow = temp.win("Shows\\"); // ...but is taken as a show, named after it
    commands.CmdCreate4_Click();
    paths.LastOpenedFile = "Beach.JPG"; // no folder to start in
    commands.CmdCreate2_Click();
    EXPECT_EQ(temp.read("Desk top/.desktop"),
              desktopEntryText(paths.LastSlideShow, {"xdg-open", temp.host("Shows/")},
                               temp.host("Shows/")));
    EXPECT_EQ(temp.read("Desk top/Beach.JPG.desktop"),
              "[Desktop Entry]\nType=Application\nVersion=1.0\nName=Beach.JPG\n"
              "Exec=\"xdg-open\" \"Beach.JPG\"\nTerminal=false\n");
    const std::string image = "Unable to determine the image that was last opened...",
                      ask = "Create a shortcut for the following ";
    EXPECT_EQ(prompter.texts(),
              (Texts{image,
                     "Unable to determine the slide show that was last opened.\r\n\r\nOpen the "
                     "slide show you would like to create a shortcut for and then try again...",
                     image, ask + "slide show on your desktop?\r\n\r\n" + paths.LastSlideShow,
                     ask + "image on your desktop?\r\n\r\nBeach.JPG"}));

    // In quotes " ` $ \ take a backslash and % doubles; then a value doubles every backslash.
    EXPECT_EQ(desktopExecValue({"xdg-open", "/P/it's \"q\" $HOME `id` 100% %f a\\b"}),
              R"("xdg-open" "/P/it's \\"q\\" \\$HOME \\`id\\` 100%% %%f a\\\\b")");
    for (const std::string name : {"it's \"quoted\" $HOME `id` 100% %f.jpg", "caf\xE9 \x80.jpg",
                                   " lead and trail ", "tab\there\nnew line.jpg", "-dash.jpg"}) {
        paths.LastOpenedFile = temp.win("Pics\\") + name;
        commands.CmdCreate2_Click();
        const std::string host = codepage::toUtf8(name), file = "Desk top/" + host + ".desktop";
        EXPECT_EQ(stdfs::status(temp.host(file)).permissions(), stdfs::perms(0755)) << name;
        EXPECT_EQ(temp.read(file), desktopEntryText(host, {"xdg-open", temp.host("Pics/" + host)},
                                                    temp.host("Pics/")));
    }
    // A name no launcher can hold, no host file, no folder for it: one message, nothing left.
    for (const auto& name : Texts{temp.win("\a"), "Q:\\Beach.JPG", temp.win() + "a/b.jpg"}) {
        paths.LastOpenedFile = name;
        commands.CmdCreate2_Click();
        EXPECT_EQ(prompter.texts().back(), Trouble) << name;
    }
    EXPECT_EQ(std::distance(stdfs::directory_iterator(desktop), {}), 7);
    // The shell hands each launcher's name over as it is.
    EXPECT_EQ(std::system(("desktop-file-validate '" + desktop + "'/*.desktop").c_str()), 0);
}

} // namespace vt
