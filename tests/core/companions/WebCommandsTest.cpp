#include "companions/WebCommands.h"

#include "FakeSeams.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

using Texts = std::vector<std::string>;
const std::string AppFolder = "Z:\\opt\\vtutil\\";
const std::string Upgrade = "http://www.vantora.example/vantora/version/check.htm?v=3.1.226";

class WebCommandsTest : public ::testing::Test {
protected:
    test::FakeShellOpener shell;
    test::FakeBusyPointer busy;
    test::RecordingPrompter prompter;
    WebCommands web{shell, busy, prompter, AppFolder};
};

} // namespace

TEST_F(WebCommandsTest, TheSitesOpenEvenWhileBusyAndNameTheirUrlOnFailure) {
    EXPECT_EQ(WebCommands::mnuWebTesselCaption(), "&www.tessel.example");
    busy.hourglass = true;
    web.mnuWebTessel_Click();
    shell.result = {31, {}};
    web.mnuWebVantora_Click();
    shell.result = {0, "Exec format error"};
    web.mnuWebTessel_Click();
    ASSERT_EQ(shell.calls.size(), 3u);
    EXPECT_EQ(shell.calls[0].file + "|" + shell.calls[0].folder,
              "http://www.tessel.example|" + AppFolder);
    const std::string failed =
        "Unable to start your web browser to view the following web site:\r\n";
    EXPECT_EQ(prompter.texts(),
              (Texts{failed + "http://www.vantora.example/vantora/",
                     failed + "http://www.tessel.example\r\n\r\nExec format error..."}));
    EXPECT_EQ(prompter.messages[0].icon, Icon::Exclamation);
}

TEST_F(WebCommandsTest, TheUpgradeCheckWaitsAsksAndOpensTheFixedQuery) {
    busy.hourglass = true;
    web.mnuWebUpgrade_Click();
    busy.hourglass = false;
    prompter.answers = {Answer::No};
    web.mnuWebUpgrade_Click();
    EXPECT_TRUE(shell.calls.empty());
    shell.result = {2, {}};
    web.mnuWebUpgrade_Click();
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].file, Upgrade);
    const std::string question =
        "Vantora Utility Module can check the World Wide Web for a newer version of "
        "Vantora.\r\n\r\nNOTE:\r\nYou must have a modem and a connection to the INTERNET for this "
        "feature to work.\r\n\r\nCheck for upgrade now?";
    EXPECT_EQ(prompter.texts(),
              (Texts{question, question,
                     "Unable to start your web browser to view the Vantora \"version\" web "
                     "page:\r\n" +
                         Upgrade}));
    EXPECT_EQ(prompter.messages[0].icon, Icon::Question);
    EXPECT_EQ(prompter.messages[0].buttons, Buttons::YesNo);
}

} // namespace vt
