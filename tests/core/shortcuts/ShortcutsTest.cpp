#include "shortcuts/DesktopEntry.h"
#include "shortcuts/ShortcutCommands.h"

#include "FakeSeams.h"
#include "TestSupport.h"
#include "app/Settings.h"
#include "common/Cp1252.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace vt {
namespace {

namespace stdfs = std::filesystem;
using Texts = std::vector<std::string>;

TEST(DesktopEntry, ValuesAreEscapedSoThatExecRunsExactlyItsArguments) {
    // In quotes " ` $ \ take a backslash and % doubles; then a value doubles every backslash.
    EXPECT_EQ(desktopExecValue({"xdg-open", "/P/it's \"q\" $HOME `id` 100% %f a\\b"}),
              R"("xdg-open" "/P/it's \\"q\\" \\$HOME \\`id\\` 100%% %%f a\\\\b")");
    EXPECT_EQ(desktopStringValue(" caf\xC3\xA9\ttab\nnew line\r "),
              "\\scaf\xC3\xA9\\ttab\\nnew line\\r\\s");
    EXPECT_THROW(desktopStringValue("bell\a"), std::invalid_argument);
}

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

TEST_F(Shortcuts, ProgramShortcutsStartTheProgramsOfOurFolder) {
    temp.write("Vantora/vtviewer", "#!/bin/sh\n"); // the viewer is built for this host
    stdfs::permissions(temp.host("Vantora/vtviewer"), stdfs::perms::owner_all);
    commands.CmdCreate1_Click();
    commands.CmdCreate3_Click();
    commands.CmdCreate5_Click();
    commands.CmdCreate6_Click();
    EXPECT_EQ(prompter.texts(),
              (Texts{"Create a shortcut to Vantora on your desktop?",
                     "Create a shortcut to the Vantora Launcher on your desktop?",
                     "Create a shortcut to the Vantora Thumbnailer on your desktop?",
                     "Create a shortcut to the Vantora Utility Module on your "
                     "desktop?"}));
    EXPECT_EQ(prompter.messages[0].icon, Icon::Question);
    const std::pair<const char*, const char*> programs[] = {
        {"Vantora", "vtviewer"},
        {"Vantora Launcher", "VTLaunch.EXE"},
        {"Vantora Thumbnailer", "VTThumb.EXE"},
        {"Vantora Utility Module", "VTUtil.EXE"}};
    for (const auto& [name, program] : programs)
        EXPECT_EQ(temp.read("Desk top/" + std::string(name) + ".desktop"),
                  desktopEntryText(name, {temp.host("Vantora/") + program}, temp.host("Vantora/")));
}

TEST_F(Shortcuts, DocumentShortcutsStartExactlyTheLastImageOrShow) {
    commands.CmdCreate2_Click(); // nothing known yet
    commands.CmdCreate4_Click();
    paths.LastOpenedFile = temp.win("Pics\\"); // a folder is no image...
    commands.CmdCreate2_Click();
    paths.LastSlideShow = temp.win("Shows\\"); // ...but is taken as a show, named after it
    commands.CmdCreate4_Click();
    EXPECT_EQ(temp.read("Desk top/.desktop"),
              desktopEntryText(paths.LastSlideShow, {"xdg-open", temp.host("Shows/")},
                               temp.host("Shows/")));
    paths.LastOpenedFile = "Beach.JPG"; // no folder to start in
    commands.CmdCreate2_Click();
    EXPECT_EQ(temp.read("Desk top/Beach.JPG.desktop"),
              "[Desktop Entry]\nType=Application\nVersion=1.0\nName=Beach.JPG\n"
              "Exec=\"xdg-open\" \"Beach.JPG\"\nTerminal=false\n");
    const std::string image = "Unable to determine the image that was last opened...";
    const std::string ask = "Create a shortcut for the following image on your desktop?\r\n\r\n";
    EXPECT_EQ(prompter.texts(),
              (Texts{image,
                     "Unable to determine the slide show that was last opened.\r\n\r\nOpen the "
                     "slide show you would like to create a shortcut for and then try again...",
                     image,
                     "Create a shortcut for the following slide show on your desktop?\r\n\r\n" +
                         paths.LastSlideShow,
                     ask + "Beach.JPG"}));
    EXPECT_EQ(prompter.messages[0].icon, Icon::Information);

    const bool validate = std::system("command -v desktop-file-validate >/dev/null") == 0;
    for (const std::string name : {"it's \"quoted\" $HOME `id` 100% %f.jpg", "caf\xE9 \x80.jpg",
                                   " lead and trail ", "tab\there\nnew line.jpg", "-dash.jpg"}) {
        paths.LastOpenedFile = temp.win("Pics\\") + name;
        commands.CmdCreate2_Click();
        const std::string host = cp1252::toUtf8(name), file = "Desk top/" + host + ".desktop";
        EXPECT_EQ(stdfs::status(temp.host(file)).permissions(), stdfs::perms(0755)) << name;
        EXPECT_EQ(temp.read(file), desktopEntryText(host, {"xdg-open", temp.host("Pics/" + host)},
                                                    temp.host("Pics/")));
        temp.write("check.desktop", temp.read(file));
        const std::string check = "desktop-file-validate " + temp.host("check.desktop");
        EXPECT_EQ(validate ? std::system(check.c_str()) : 0, 0) << name;
    }
    EXPECT_EQ(prompter.texts().back(), ask + paths.LastOpenedFile);
}

TEST_F(Shortcuts, NoMakesNothingAndFailuresEndInOneMessageLeavingNothing) {
    prompter.answers = {Answer::No};
    commands.CmdCreate1_Click();
    EXPECT_EQ(busy.pendingRuns, 0);         // nothing after the question, no component either
    paths.LastOpenedFile = "Q:\\Beach.JPG"; // no host file can have that name
    commands.CmdCreate2_Click();
    paths.LastOpenedFile =
        temp.win("Pics\\") + "a/b.jpg"; // a launcher in a folder that is not there
    commands.CmdCreate2_Click();
    ShortcutCommands missing([] { return std::unique_ptr<ShortcutHelper>(); }, busy, prompter,
                             temp.win(), paths);
    missing.CmdCreate5_Click();
    desktop = "";
    commands.CmdCreate6_Click();
    const std::string trouble =
        "Vantora Utility Module is having trouble adding the shortcut to your desktop...";
    const Texts texts = prompter.texts();
    EXPECT_EQ((Texts{texts.at(2), texts.at(4), texts.at(6), texts.at(8)}),
              (Texts{trouble, trouble, trouble,
                     "An error occurred while getting the path to your desktop folder, unable to "
                     "create shortcut..."}));
    EXPECT_EQ(prompter.messages[2].icon, Icon::Information);
    EXPECT_EQ(prompter.messages[8].icon, Icon::Exclamation);

    desktop = temp.host("Desk top");
    stdfs::permissions(desktop, stdfs::perms::owner_read | stdfs::perms::owner_exec);
    if (::access(desktop.c_str(), W_OK) != 0) { // root writes anyway
        commands.CmdCreate3_Click();
        EXPECT_EQ(prompter.texts().back(), trouble);
    }
    EXPECT_TRUE(stdfs::is_empty(desktop));
}

} // namespace vt
