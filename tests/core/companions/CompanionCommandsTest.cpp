#include "companions/CompanionCommands.h"
#include "companions/WebCommands.h"

#include "FakeSeams.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

using Texts = std::vector<std::string>;

class CompanionCommandsTest : public ::testing::Test {
  protected:
    // The command lines started, then the files and pages opened, all from our own folder.
    Texts done() const {
        Texts lines;
        for (const auto& start : starter.starts)
            lines.push_back(start.commandLine + "|" + start.workingFolder);
        for (const auto& call : shell.calls) {
            EXPECT_EQ(call.parameters + "|" + call.folder, "|" + app) << call.file;
            lines.push_back(call.file);
        }
        return lines;
    }

    const std::string app = "Z:\\opt\\vtutil\\";
    std::string viewer = "C:\\Program Files\\Vantora\\";
    test::FakeProgramStarter starter;
    test::FakeShellOpener shell;
    test::FakeBusyPointer busy;
    test::RecordingPrompter prompter;
    CompanionCommands commands{starter, shell, busy, prompter, app, [this] { return viewer; }};
    WebCommands web{shell, busy, prompter, app};
};

} // namespace

TEST_F(CompanionCommandsTest, EachCommandStartsOrOpensItsTargetAndNamesItWhenItCannot) {
    starter.failure = "No such file or directory";
    prompter.answers = {Answer::No};
    web.mnuWebUpgrade_Click();
    commands.mnuReadmeHtm_Click(); // opened: nothing to say
    shell.result = {31, {}};
    // While another command shows the hourglass only About, the readme page and the sites run.
    for (bool hourglass : {false, true}) {
        busy.hourglass = hourglass;
        using C = CompanionCommands;
        for (auto click :
             {&C::mnuOpenVantora_Click, &C::mnuOpenSSEditor_Click, &C::mnuOpenThumbBrowser_Click,
              &C::mnuOpenThumbnailer_Click, &C::mnuOpenLauncher_Click, &C::mnuReadmeTxt_Click})
            (commands.*click)();
        web.mnuWebUpgrade_Click();
    }
    web.mnuWebVantora_Click();
    const std::string v = viewer;
    viewer.clear(); // About names the viewer it tried: the bare name, then
    commands.mnuAboutVTViewer_Click();
    shell.result = {0, "Exec format error"};
    commands.mnuReadmeHtm_Click();
    web.mnuWebTessel_Click();

    // The upgrade check asks about the version it has always asked about.
    const std::string upgrade = "http://www.vantora.example/vantora/version/check.htm?v=3.1.226";
    EXPECT_EQ(
        done(),
        (Texts{v + "VTViewer.EXE|", v + "VTViewer.EXE /SHOW|", v + "VTViewer.EXE /THUMBNAIL|",
               v + "VTThumb.EXE|", v + "VTLaunch.EXE|", "NOTEPAD.EXE " + v + "README.TXT|",
               "VTViewer.EXE ABOUT|", v + "README.HTM", upgrade,
               "http://www.vantora.example/vantora/", "README.HTM", "http://www.tessel.example"}));
    const std::string notFound = "\r\n\r\nNo such file or directory...",
                      site = "Unable to start your web browser to view the following web site:\r\n",
                      question = "Vantora Utility Module can check the World Wide Web for a newer "
                                 "version of Vantora.\r\n\r\nNOTE:\r\nYou must have a modem and a "
                                 "connection to the INTERNET for this feature to work.\r\n\r\n"
                                 "Check for upgrade now?";
    // The readme page opened is the viewer's; the one named is in our own folder.
    EXPECT_EQ(
        prompter.texts(),
        (Texts{question, "Unable to start Vantora." + notFound,
               "Unable to start Vantora to open the Slide Show Editor." + notFound,
               "Unable to start Vantora to open the Thumbnail Browser." + notFound,
               "Unable to start the Vantora Thumbnailer." + notFound,
               "Unable to start the Vantora Launcher." + notFound,
               "Unable to start Notepad to view the README.TXT file." + notFound, question,
               "Unable to start your web browser to view the Vantora \"version\" web "
               "page:\r\n" +
                   upgrade,
               site + "http://www.vantora.example/vantora/",
               "Unable to start Vantora to show the About dialog.\r\n\r\nVTViewer.EXE" + notFound,
               "Unable to start your web browser to view the readme page:\r\n\r\n" + app +
                   "README.HTM\r\n\r\nExec format error...",
               site + "http://www.tessel.example\r\n\r\nExec format error..."}));
    EXPECT_EQ(prompter.messages[1].icon, Icon::Critical);
    EXPECT_EQ(prompter.messages[8].icon, Icon::Exclamation);
}

} // namespace vt
