#include "companions/CompanionCommands.h"

#include "FakeSeams.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

using Texts = std::vector<std::string>;
const std::string AppFolder = "Z:\\opt\\vtutil\\";
const std::string NotFound = "\r\n\r\nNo such file or directory...";

class CompanionCommandsTest : public ::testing::Test {
protected:
    std::string viewer = "C:\\Program Files\\Vantora\\";
    test::FakeProgramStarter starter;
    test::FakeShellOpener shell;
    test::FakeBusyPointer busy;
    test::RecordingPrompter prompter;
    CompanionCommands commands{starter,  shell,     busy,
                               prompter, AppFolder, [this] { return viewer; }};
    Texts commandLines() const {
        Texts lines;
        for (const auto& start : starter.starts)
            lines.push_back(start.commandLine + "|" + start.workingFolder);
        return lines;
    }
};

using Click = void (CompanionCommands::*)();
const std::vector<Click> GuardedCommands = {
    &CompanionCommands::mnuOpenVantora_Click,      &CompanionCommands::mnuOpenSSEditor_Click,
    &CompanionCommands::mnuOpenThumbBrowser_Click, &CompanionCommands::mnuOpenThumbnailer_Click,
    &CompanionCommands::mnuOpenLauncher_Click,     &CompanionCommands::mnuReadmeTxt_Click};

} // namespace

TEST_F(CompanionCommandsTest, ProgramsStartFromTheViewerFolderUnquoted) {
    starter.failure = "No such file or directory";
    for (Click click : GuardedCommands)
        (commands.*click)();
    EXPECT_EQ(commandLines(),
              (Texts{viewer + "VTViewer.EXE|", viewer + "VTViewer.EXE /SHOW|",
                     viewer + "VTViewer.EXE /THUMBNAIL|", viewer + "VTThumb.EXE|",
                     viewer + "VTLaunch.EXE|", "NOTEPAD.EXE " + viewer + "README.TXT|"}));
    EXPECT_EQ(prompter.texts(),
              (Texts{"Unable to start Vantora." + NotFound,
                     "Unable to start Vantora to open the Slide Show Editor." + NotFound,
                     "Unable to start Vantora to open the Thumbnail Browser." + NotFound,
                     "Unable to start the Vantora Thumbnailer." + NotFound,
                     "Unable to start the Vantora Launcher." + NotFound,
                     "Unable to start Notepad to view the README.TXT file." + NotFound}));
    EXPECT_EQ(prompter.messages[0].icon, Icon::Critical);
}

TEST_F(CompanionCommandsTest, OnlyAboutAndTheReadmePageRunWhileBusyAndAboutNamesItsViewer) {
    busy.hourglass = true;
    for (Click click : GuardedCommands)
        (commands.*click)();
    viewer.clear(); // the bare name, then
    starter.failure = "No such file or directory";
    commands.mnuAboutVTViewer_Click();
    commands.mnuReadmeHtm_Click();
    EXPECT_EQ(commandLines(), (Texts{"VTViewer.EXE ABOUT|"}));
    EXPECT_EQ(prompter.texts(), (Texts{"Unable to start Vantora to show the About dialog.\r\n\r\n"
                                       "VTViewer.EXE" +
                                       NotFound}));
    EXPECT_EQ(prompter.messages[0].icon, Icon::Critical);
    EXPECT_EQ(shell.calls.size(), 1u);
}

TEST_F(CompanionCommandsTest, TheReadmePageOpensInTheBrowserAndNamesOurOwnFolder) {
    commands.mnuReadmeHtm_Click();
    shell.result = {31, {}};
    commands.mnuReadmeHtm_Click();
    shell.result = {0, "No such file or directory"};
    commands.mnuReadmeHtm_Click();
    ASSERT_EQ(shell.calls.size(), 3u);
    EXPECT_EQ(shell.calls[0].file + "|" + shell.calls[0].parameters + "|" + shell.calls[0].folder,
              "C:\\Program Files\\Vantora\\README.HTM||" + AppFolder);
    const std::string failed = "Unable to start your web browser to view the readme page:\r\n\r\n" +
                               AppFolder + "README.HTM";
    EXPECT_EQ(prompter.texts(), (Texts{failed, failed + NotFound}));
    EXPECT_EQ(prompter.messages[1].icon, Icon::Exclamation);
}

} // namespace vt
