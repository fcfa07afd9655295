#include "companions/CompanionCommands.h"

#include "FakeSeams.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

const std::string AppFolder = "Z:\\opt\\vtutil\\";
const std::string NotFound = "No such file or directory";

class CompanionCommandsTest : public ::testing::Test {
  protected:
    CompanionCommands commands() {
        return CompanionCommands(starter, shell, busy, prompter, AppFolder,
                                 [this] { return viewerFolders.empty() ? viewer : next(); });
    }
    std::string next() {
        std::string folder = viewerFolders.front();
        viewerFolders.erase(viewerFolders.begin());
        return folder;
    }

    std::string viewer = "C:\\Program Files\\Vantora\\";
    std::vector<std::string> viewerFolders; // successive reads, before viewer
    test::FakeProgramStarter starter;
    test::FakeShellOpener shell;
    test::FakeBusyPointer busy;
    test::RecordingPrompter prompter;
};

struct ProgramCase {
    void (CompanionCommands::*click)();
    std::string commandLine, failure;
};

const std::vector<ProgramCase> ProgramCases = {
    {&CompanionCommands::mnuOpenVantora_Click, "C:\\Program Files\\Vantora\\VTViewer.EXE",
     "Unable to start Vantora."},
    {&CompanionCommands::mnuOpenSSEditor_Click, "C:\\Program Files\\Vantora\\VTViewer.EXE /SHOW",
     "Unable to start Vantora to open the Slide Show Editor."},
    {&CompanionCommands::mnuOpenThumbBrowser_Click,
     "C:\\Program Files\\Vantora\\VTViewer.EXE /THUMBNAIL",
     "Unable to start Vantora to open the Thumbnail Browser."},
    {&CompanionCommands::mnuOpenThumbnailer_Click, "C:\\Program Files\\Vantora\\VTThumb.EXE",
     "Unable to start the Vantora Thumbnailer."},
    {&CompanionCommands::mnuOpenLauncher_Click, "C:\\Program Files\\Vantora\\VTLaunch.EXE",
     "Unable to start the Vantora Launcher."},
    {&CompanionCommands::mnuReadmeTxt_Click, "NOTEPAD.EXE C:\\Program Files\\Vantora\\README.TXT",
     "Unable to start Notepad to view the README.TXT file."},
};

} // namespace

TEST_F(CompanionCommandsTest, ProgramsStartFromTheViewerFolderUnquoted) {
    auto companions = commands();
    for (const ProgramCase& c : ProgramCases) {
        (companions.*c.click)();
        ASSERT_FALSE(starter.starts.empty());
        EXPECT_EQ(starter.starts.back().commandLine, c.commandLine);
        EXPECT_EQ(starter.starts.back().workingFolder, "");
    }
    EXPECT_TRUE(prompter.messages.empty());

    starter.failure = NotFound;
    for (const ProgramCase& c : ProgramCases) {
        (companions.*c.click)();
        ASSERT_FALSE(prompter.messages.empty());
        EXPECT_EQ(prompter.messages.back().text, c.failure + "\r\n\r\n" + NotFound + "...");
        EXPECT_EQ(prompter.messages.back().icon, Icon::Critical);
    }
    EXPECT_EQ(prompter.messages.size(), ProgramCases.size());
}

TEST_F(CompanionCommandsTest, WithoutAViewerFolderTheBareNameIsStarted) {
    viewer.clear();
    starter.failure = NotFound;
    commands().mnuOpenVantora_Click();
    EXPECT_EQ(starter.starts.at(0).commandLine, "VTViewer.EXE");
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{"Unable to start Vantora.\r\n\r\n" + NotFound + "..."}));
}

TEST_F(CompanionCommandsTest, OnlyTheAboutAndReadmePageRunWhileBusy) {
    busy.hourglass = true;
    auto companions = commands();
    for (const ProgramCase& c : ProgramCases)
        (companions.*c.click)();
    EXPECT_TRUE(starter.starts.empty());
    companions.mnuAboutVTViewer_Click();
    companions.mnuReadmeHtm_Click();
    ASSERT_EQ(starter.starts.size(), 1u);
    EXPECT_EQ(starter.starts[0].commandLine, "C:\\Program Files\\Vantora\\VTViewer.EXE ABOUT");
    EXPECT_EQ(shell.calls.size(), 1u);
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_TRUE(busy.hourglass);
}

TEST_F(CompanionCommandsTest, AboutNamesTheViewerItTried) {
    viewerFolders = {"C:\\Old\\", "C:\\New\\"};
    starter.failure = NotFound;
    commands().mnuAboutVTViewer_Click();
    EXPECT_EQ(starter.starts.at(0).commandLine, "C:\\Old\\VTViewer.EXE ABOUT");
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text,
              "Unable to start Vantora to show the About dialog.\r\n\r\nC:\\New\\VTViewer.EXE"
              "\r\n\r\nNo such file or directory...");
    EXPECT_EQ(prompter.messages[0].icon, Icon::Critical);
}

TEST_F(CompanionCommandsTest, TheReadmePageOpensInTheBrowser) {
    auto companions = commands();
    companions.mnuReadmeHtm_Click();
    shell.result = {31, {}};
    companions.mnuReadmeHtm_Click();
    shell.result = {0, "Permission denied"};
    companions.mnuReadmeHtm_Click();
    ASSERT_EQ(shell.calls.size(), 3u);
    EXPECT_EQ(shell.calls[0].file, "C:\\Program Files\\Vantora\\README.HTM");
    EXPECT_EQ(shell.calls[0].parameters, "");
    EXPECT_EQ(shell.calls[0].folder, AppFolder);
    const std::string failed = "Unable to start your web browser to view the readme "
                               "page:\r\n\r\nZ:\\opt\\vtutil\\README.HTM";
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{failed, failed + "\r\n\r\nPermission denied..."}));
    EXPECT_EQ(prompter.messages[0].icon, Icon::Exclamation);
    EXPECT_EQ(prompter.messages[1].icon, Icon::Exclamation);
}

} // namespace vt
