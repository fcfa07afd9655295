#include "companions/CompanionCommands.h"
#include "companions/HelpFolder.h"
#include "companions/WebCommands.h"

#include "FakeSeams.h"
#include "TestSupport.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace vt {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;
const std::string AppFolder = "Z:\\opt\\vtutil\\";
const std::string NotFound = "\r\n\r\nNo such file or directory...";

class CompanionCommandsTest : public ::testing::Test {
  protected:
    // The command lines started, each with the folder it was started in.
    Texts started() const {
        Texts lines;
        for (const auto& start : starter.starts)
            lines.push_back(start.commandLine + "|" + start.workingFolder);
        return lines;
    }
    void runBusyTestedCommands() {
        using C = CompanionCommands;
        for (auto click :
             {&C::mnuOpenVantora_Click, &C::mnuOpenSSEditor_Click, &C::mnuOpenThumbBrowser_Click,
              &C::mnuOpenThumbnailer_Click, &C::mnuOpenLauncher_Click, &C::mnuReadmeTxt_Click})
            (commands.*click)();
    }

    std::string viewer = "C:\\Program Files\\Vantora\\";
    test::FakeProgramStarter starter;
    test::FakeShellOpener shell;
    test::FakeBusyPointer busy;
    test::RecordingPrompter prompter;
    CompanionCommands commands{starter,  shell,     busy,
                               prompter, AppFolder, [this] { return viewer; }};
    WebCommands web{shell, busy, prompter, AppFolder};
};

} // namespace

TEST_F(CompanionCommandsTest, ProgramsStartFromTheViewerFolderUnquotedUnlessBusy) {
    starter.failure = "No such file or directory";
    runBusyTestedCommands();
    EXPECT_EQ(started(),
              (Texts{viewer + "VTViewer.EXE|", viewer + "VTViewer.EXE /SHOW|",
                     viewer + "VTViewer.EXE /THUMBNAIL|", viewer + "VTThumb.EXE|",
                     viewer + "VTLaunch.EXE|", "NOTEPAD.EXE " + viewer + "README.TXT|"}));

    // While another command shows the hourglass only About, the readme page
    // and the sites run; About names the viewer it tried.
    starter.starts.clear();
    busy.hourglass = true;
    runBusyTestedCommands();
    web.mnuWebUpgrade_Click();
    viewer.clear(); // the bare name, then
    commands.mnuAboutVTViewer_Click();
    commands.mnuReadmeHtm_Click();
    web.mnuWebTessel_Click();
    EXPECT_EQ(started(), (Texts{"VTViewer.EXE ABOUT|"}));
    EXPECT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(prompter.texts(),
              (Texts{"Unable to start Vantora." + NotFound,
                     "Unable to start Vantora to open the Slide Show Editor." + NotFound,
                     "Unable to start Vantora to open the Thumbnail Browser." + NotFound,
                     "Unable to start the Vantora Thumbnailer." + NotFound,
                     "Unable to start the Vantora Launcher." + NotFound,
                     "Unable to start Notepad to view the README.TXT file." + NotFound,
                     "Unable to start Vantora to show the About dialog.\r\n\r\nVTViewer.EXE" +
                         NotFound}));
    EXPECT_EQ(prompter.messages[6].icon, Icon::Critical);
}

TEST_F(CompanionCommandsTest, PagesOpenInTheBrowserAndFailuresNameThem) {
    prompter.answers = {Answer::No};
    web.mnuWebUpgrade_Click();
    commands.mnuReadmeHtm_Click();
    web.mnuWebTessel_Click();
    shell.result = {31, {}};
    commands.mnuReadmeHtm_Click();
    web.mnuWebVantora_Click();
    web.mnuWebUpgrade_Click();
    shell.result = {0, "Exec format error"};
    commands.mnuReadmeHtm_Click();
    web.mnuWebTessel_Click();
    ASSERT_EQ(shell.calls.size(), 7u);
    EXPECT_EQ(shell.calls[0].file + "|" + shell.calls[0].parameters + "|" + shell.calls[0].folder,
              "C:\\Program Files\\Vantora\\README.HTM||" + AppFolder);
    // The upgrade check asks about the version it has always asked about.
    const std::string upgrade = "http://www.vantora.example/vantora/version/check.htm?v=3.1.226";
    const std::string question =
        "Vantora Utility Module can check the World Wide Web for a newer version of "
        "Vantora.\r\n\r\nNOTE:\r\nYou must have a modem and a connection to the INTERNET for this "
        "feature to work.\r\n\r\nCheck for upgrade now?";
    // The readme page opened is the viewer's; the one named is in our own folder.
    const std::string readme = "Unable to start your web browser to view the readme page:\r\n\r\n" +
                               AppFolder + "README.HTM";
    const std::string site = "Unable to start your web browser to view the following web site:\r\n";
    EXPECT_EQ(prompter.texts(),
              (Texts{question, readme, site + "http://www.vantora.example/vantora/", question,
                     "Unable to start your web browser to view the Vantora \"version\" web "
                     "page:\r\n" +
                         upgrade,
                     readme + "\r\n\r\nExec format error...",
                     site + "http://www.tessel.example\r\n\r\nExec format error..."}));
    EXPECT_EQ(prompter.messages[0].icon, Icon::Question);
    EXPECT_EQ(prompter.messages[1].icon, Icon::Exclamation);
}

TEST(HelpFolder, ProgramFolderBecomesCurrentUnlessItsDriveIsUnknown) {
    test::TempFolder temp;
    test::ScopedCurrentFolder restore(fs::current_path().string());
    setHelpFolder(temp.win());
    setHelpFolder("C:\\Program Files\\Vantora\\"); // no Wine drive C: in the test home
    setHelpFolder("\\\\server\\share\\");
    EXPECT_EQ(fs::current_path(), fs::canonical(temp.host()));
}

} // namespace vt
