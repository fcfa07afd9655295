#include "shortcuts/DesktopEntry.h"
#include "shortcuts/ShortcutCommands.h"

#include "FakeSeams.h"
#include "app/Settings.h"
#include "common/CodePage.h"

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
    ShortcutCommands commands{
        [this] { return std::make_unique<DesktopEntryShortcutHelper>(desktop, ProgramSearch({})); },
        busy, prompter, temp.win("Vantora\\"), paths};

    void TearDown() override { EXPECT_FALSE(busy.hourglass); } // every command gives it back
};

} // namespace

TEST_F(Shortcuts, ProgramShortcutsStartTheProgramsOfOurFolderOrSayWhyNot) {
    prompter.answers = {Answer::No};
    commands.CmdCreate1_Click();
    ShortcutCommands missing([] { return std::unique_ptr<ShortcutHelper>(); }, busy, prompter,
                             temp.win(), paths);
    missing.CmdCreate5_Click();
    EXPECT_FALSE(temp.exists("Desk top")); // nothing was made

    temp.write("Vantora/vtviewer", "#!/bin/sh\n"); // the viewer is built for this host
    stdfs::permissions(temp.host("Vantora/vtviewer"), stdfs::perms::owner_all);
    for (auto click : {&ShortcutCommands::CmdCreate1_Click, &ShortcutCommands::CmdCreate3_Click,
                       &ShortcutCommands::CmdCreate5_Click, &ShortcutCommands::CmdCreate6_Click})
        (commands.*click)();
    for (const auto& [name, program] : {std::pair{"Vantora", "vtviewer"},
                                        {"Vantora Launcher", "VTLaunch.EXE"},
                                        {"Vantora Thumbnailer", "VTThumb.EXE"},
                                        {"Vantora Utility Module", "VTUtil.EXE"}})
        EXPECT_EQ(temp.read("Desk top/" + std::string(name) + ".desktop"),
                  desktopEntryText(name, {temp.host("Vantora/") + program}, temp.host("Vantora/")));
    desktop = "";
    commands.CmdCreate6_Click();
    const auto to = [](std::string p) { return "Create a shortcut to " + p + " on your desktop?"; };
    EXPECT_EQ(prompter.texts(),
              (Texts{to("Vantora"), to("the Vantora Thumbnailer"), Trouble, to("Vantora"),
                     to("the Vantora Launcher"), to("the Vantora Thumbnailer"),
                     to("the Vantora Utility Module"), to("the Vantora Utility Module"),
                     "An error occurred while getting the path to your desktop folder, unable to "
                     "create shortcut..."}));
    EXPECT_EQ(prompter.messages.at(2).icon, Icon::Information);
    EXPECT_EQ(prompter.messages.at(8).icon, Icon::Exclamation);
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
