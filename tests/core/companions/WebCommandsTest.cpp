#include "companions/WebCommands.h"

#include "FakeSeams.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

const std::string AppFolder = "Z:\\opt\\vtutil\\";
const std::string UpgradeUrl = "http://www.vantora.example/vantora/version/check.htm?v=3.1.226";
const std::string UpgradeQuestion =
    "Vantora Utility Module can check the World Wide Web for a newer version of Vantora.\r\n\r\n"
    "NOTE:\r\nYou must have a modem and a connection to the INTERNET for this feature to "
    "work.\r\n\r\nCheck for upgrade now?";

class WebCommandsTest : public ::testing::Test {
  protected:
    test::FakeShellOpener shell;
    test::FakeBusyPointer busy;
    test::RecordingPrompter prompter;
    WebCommands web{shell, busy, prompter, AppFolder};
};

} // namespace

TEST_F(WebCommandsTest, TheSitesOpenEvenWhileBusy) {
    busy.hourglass = true;
    web.mnuWebTessel_Click();
    web.mnuWebVantora_Click();
    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(shell.calls[0].file, "http://www.tessel.example");
    EXPECT_EQ(shell.calls[1].file, "http://www.vantora.example/vantora/");
    EXPECT_EQ(shell.calls[1].parameters, "");
    EXPECT_EQ(shell.calls[1].folder, AppFolder);
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(WebCommands::mnuWebTesselCaption(), "&www.tessel.example");
}

TEST_F(WebCommandsTest, ASiteThatCannotOpenIsNamed) {
    shell.result = {31, {}};
    web.mnuWebTessel_Click();
    shell.result = {0, "No such file or directory"};
    web.mnuWebVantora_Click();
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{
                  "Unable to start your web browser to view the following web site:\r\n"
                  "http://www.tessel.example",
                  "Unable to start your web browser to view the following web site:\r\n"
                  "http://www.vantora.example/vantora/\r\n\r\nNo such file or directory..."}));
    EXPECT_EQ(prompter.messages[0].icon, Icon::Exclamation);
    EXPECT_EQ(prompter.messages[1].icon, Icon::Exclamation);
}

TEST_F(WebCommandsTest, TheUpgradeCheckAsksFirst) {
    prompter.answers = {Answer::No};
    web.mnuWebUpgrade_Click();
    EXPECT_TRUE(shell.calls.empty());
    web.mnuWebUpgrade_Click();
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].file, UpgradeUrl);
    EXPECT_EQ(shell.calls[0].folder, AppFolder);
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{UpgradeQuestion, UpgradeQuestion}));
    EXPECT_EQ(prompter.messages[0].icon, Icon::Question);
    EXPECT_EQ(prompter.messages[0].buttons, Buttons::YesNo);
}

TEST_F(WebCommandsTest, TheUpgradeCheckWaitsForNoOtherCommandAndReportsFailure) {
    busy.hourglass = true;
    web.mnuWebUpgrade_Click();
    EXPECT_TRUE(prompter.messages.empty());
    busy.hourglass = false;
    shell.result = {2, {}};
    web.mnuWebUpgrade_Click();
    shell.result = {0, "Exec format error"};
    web.mnuWebUpgrade_Click();
    const std::string failed =
        "Unable to start your web browser to view the Vantora \"version\" web page:\r\n" +
        UpgradeUrl;
    ASSERT_EQ(prompter.messages.size(), 4u);
    EXPECT_EQ(prompter.messages[1].text, failed);
    EXPECT_EQ(prompter.messages[3].text, failed + "\r\n\r\nExec format error...");
    EXPECT_EQ(prompter.messages[3].icon, Icon::Exclamation);
}

} // namespace vt
