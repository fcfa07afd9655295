#include "shortcuts/ShortcutCommands.h"

#include "FakeSeams.h"
#include "TestSupport.h"
#include "app/Settings.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace vt {
namespace {

const std::string AppFolder = "C:\\Program Files\\Vantora\\";
const std::string Trouble =
    "Vantora Utility Module is having trouble adding the shortcut to your desktop...";

// What the component was asked, and how it should fail.
struct HelperLog {
    std::string desktop = "C:\\WINDOWS\\Desktop";
    std::int32_t found = 1;
    bool throwOnFolder = false, throwOnCreate = false;
    int made = 0, alive = 0;
    std::vector<std::vector<std::string>> shortcuts;
};

class RecordingHelper : public ShortcutHelper {
  public:
    explicit RecordingHelper(HelperLog& log) : m_log(log) { ++m_log.alive; }
    ~RecordingHelper() override { --m_log.alive; }

    std::int32_t GetFolderPath(std::int32_t, std::int16_t folder, std::string& path) override {
        if (m_log.throwOnFolder)
            throw std::runtime_error("folder");
        EXPECT_EQ(folder, 0);
        EXPECT_EQ(path, "");
        path = m_log.desktop;
        return m_log.found;
    }
    std::int32_t CreateShortcut(std::string& link, std::string& target, std::string& folder,
                                std::string& text4, std::string& text5, std::int32_t& number6,
                                std::int32_t& number7) override {
        if (m_log.throwOnCreate)
            throw std::runtime_error("create");
        m_log.shortcuts.push_back(
            {link, target, folder, text4, text5, std::to_string(number6), std::to_string(number7)});
        return 0;
    }

  private:
    HelperLog& m_log;
};

class ShortcutCommandsTest : public ::testing::Test {
  protected:
    ShortcutHelperFactory factory() {
        return [this]() -> std::unique_ptr<ShortcutHelper> {
            ++log.made;
            return std::make_unique<RecordingHelper>(log);
        };
    }
    ShortcutCommands commands(ShortcutHelperFactory make) {
        return ShortcutCommands(std::move(make), busy, prompter, AppFolder, paths);
    }

    // After every command: the pointer is back and the component released.
    void expectRestored() const {
        EXPECT_FALSE(busy.hourglass);
        EXPECT_EQ(log.alive, 0);
    }

    HelperLog log;
    test::FakeBusyPointer busy;
    test::RecordingPrompter prompter;
    ProgramPaths paths;
};

} // namespace

TEST_F(ShortcutCommandsTest, ProgramShortcutsPointIntoTheProgramFolder) {
    struct Case {
        void (ShortcutCommands::*click)();
        std::string question, program, link;
    };
    const std::vector<Case> cases = {
        {&ShortcutCommands::CmdCreate1_Click, "Create a shortcut to Vantora on your desktop?",
         "VTViewer.EXE", "Vantora.lnk"},
        {&ShortcutCommands::CmdCreate3_Click,
         "Create a shortcut to the Vantora Launcher on your desktop?", "VTLaunch.EXE",
         "Vantora Launcher.lnk"},
        {&ShortcutCommands::CmdCreate5_Click,
         "Create a shortcut to the Vantora Thumbnailer on your desktop?", "VTThumb.EXE",
         "Vantora Thumbnailer.lnk"},
        {&ShortcutCommands::CmdCreate6_Click,
         "Create a shortcut to the Vantora Utility Module on your desktop?", "VTUtil.EXE",
         "Vantora Utility Module.lnk"},
    };
    auto shortcuts = commands(factory());
    for (const Case& c : cases) {
        (shortcuts.*c.click)();
        ASSERT_FALSE(prompter.messages.empty());
        EXPECT_EQ(prompter.messages.back().text, c.question);
        EXPECT_EQ(prompter.messages.back().icon, Icon::Question);
        EXPECT_EQ(prompter.messages.back().buttons, Buttons::YesNo);
        ASSERT_FALSE(log.shortcuts.empty());
        const std::string target = AppFolder + c.program;
        EXPECT_EQ(log.shortcuts.back(),
                  (std::vector<std::string>{"C:\\WINDOWS\\Desktop\\" + c.link, target, AppFolder,
                                            "", target, "0", "0"}));
        expectRestored();
    }
    EXPECT_EQ(prompter.messages.size(), 4u);
    EXPECT_EQ(log.made, 4);
    EXPECT_GE(busy.pendingRuns, 4 * 3);
}

TEST_F(ShortcutCommandsTest, AnsweringNoTouchesNothing) {
    prompter.answers = {Answer::No, Answer::No};
    paths.LastOpenedFile = "C:\\Pics\\Beach.JPG";
    auto shortcuts = commands(factory());
    shortcuts.CmdCreate1_Click();
    shortcuts.CmdCreate2_Click();
    EXPECT_EQ(log.made, 0);
    EXPECT_EQ(busy.pendingRuns, 0);
    EXPECT_EQ(prompter.texts()[1], "Create a shortcut for the following image on your desktop?"
                                   "\r\n\r\nC:\\Pics\\Beach.JPG");
}

TEST_F(ShortcutCommandsTest, EveryFailureOfTheComponentEndsInOneMessage) {
    auto missing = commands([] { return std::unique_ptr<ShortcutHelper>(); });
    missing.CmdCreate6_Click();
    auto throwing = commands([]() -> std::unique_ptr<ShortcutHelper> { throw 1; });
    throwing.CmdCreate6_Click();
    auto shortcuts = commands(factory());
    log.throwOnFolder = true;
    shortcuts.CmdCreate5_Click();
    log.throwOnFolder = false;
    log.throwOnCreate = true;
    shortcuts.CmdCreate3_Click();
    ASSERT_EQ(prompter.messages.size(), 8u);
    for (std::size_t i = 1; i < 8; i += 2) {
        EXPECT_EQ(prompter.messages[i].text, Trouble);
        EXPECT_EQ(prompter.messages[i].icon, Icon::Information);
    }
    EXPECT_TRUE(log.shortcuts.empty());
    expectRestored();
}

TEST_F(ShortcutCommandsTest, NoDesktopFolderNoShortcut) {
    log.found = 0;
    commands(factory()).CmdCreate1_Click();
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[1].text, "An error occurred while getting the path to your "
                                         "desktop folder, unable to create shortcut...");
    EXPECT_EQ(prompter.messages[1].icon, Icon::Exclamation);
    EXPECT_TRUE(log.shortcuts.empty());
    expectRestored();
}

TEST_F(ShortcutCommandsTest, AnUnknownImageIsRefused) {
    auto shortcuts = commands(factory());
    busy.hourglass = true;
    shortcuts.CmdCreate2_Click();
    paths.LastOpenedFile = "C:\\Pics\\";
    shortcuts.CmdCreate2_Click();
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>(
                                    2, "Unable to determine the image that was last opened...")));
    EXPECT_EQ(prompter.messages[0].icon, Icon::Information);
    EXPECT_EQ(log.made, 0);
    expectRestored();
}

TEST_F(ShortcutCommandsTest, DocumentShortcutsSplitThePath) {
    log.desktop = "Z:\\home\\ann\\Desktop\\";
    auto shortcuts = commands(factory());
    paths.LastOpenedFile = "Beach.JPG";
    shortcuts.CmdCreate2_Click();
    paths.LastOpenedFile = "C:\\Pics\\Beach.JPG";
    shortcuts.CmdCreate2_Click();
    paths.LastSlideShow = "C:\\Shows\\";
    shortcuts.CmdCreate4_Click();
    paths.LastSlideShow = "C:\\Shows\\Trip.vts";
    shortcuts.CmdCreate4_Click();
    using Args = std::vector<std::string>;
    EXPECT_EQ(log.shortcuts,
              (std::vector<Args>{
                  {"Z:\\home\\ann\\Desktop\\Beach.JPG.lnk", "Beach.JPG", "", "", "", "0", "0"},
                  {"Z:\\home\\ann\\Desktop\\Beach.JPG.lnk", "C:\\Pics\\Beach.JPG", "C:\\Pics\\", "",
                   "", "0", "0"},
                  {"Z:\\home\\ann\\Desktop\\.lnk", "C:\\Shows\\", "C:\\Shows\\", "", "", "0", "0"},
                  {"Z:\\home\\ann\\Desktop\\Trip.vts.lnk", "C:\\Shows\\Trip.vts", "C:\\Shows\\", "",
                   "", "0", "0"}}));
    EXPECT_EQ(prompter.texts()[3], "Create a shortcut for the following slide show on your "
                                   "desktop?\r\n\r\nC:\\Shows\\Trip.vts");
    expectRestored();
}

TEST_F(ShortcutCommandsTest, AnUnknownSlideShowIsRefused) {
    commands(factory()).CmdCreate4_Click();
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{
                  "Unable to determine the slide show that was last opened.\r\n\r\nOpen the slide "
                  "show you would like to create a shortcut for and then try again..."}));
    EXPECT_EQ(log.made, 0);
}

} // namespace vt
