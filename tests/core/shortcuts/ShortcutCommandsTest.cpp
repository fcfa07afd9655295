#include "shortcuts/ShortcutCommands.h"

#include "FakeSeams.h"
#include "TestSupport.h"
#include "app/Settings.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

using Texts = std::vector<std::string>;
const std::string AppFolder = "C:\\Program Files\\Vantora\\";

// Records what the component is asked; throws where it is told to.
struct Component : ShortcutHelper {
    struct Log {
        std::string desktop = "C:\\WINDOWS\\Desktop";
        std::int32_t found = 1;
        bool throwOnFolder = false, throwOnCreate = false;
        int made = 0, alive = 0;
        Texts shortcuts; // the arguments of each, joined by '|'
    };
    explicit Component(Log& record) : log(record) { ++log.made, ++log.alive; }
    ~Component() override { --log.alive; }
    std::int32_t GetFolderPath(std::int32_t, std::int16_t, std::string& path) override {
        if (log.throwOnFolder)
            throw 1;
        path = log.desktop;
        return log.found;
    }
    std::int32_t CreateShortcut(std::string& link, std::string& target, std::string& folder,
                                std::string& text4, std::string& text5, std::int32_t& n6,
                                std::int32_t& n7) override {
        if (log.throwOnCreate)
            throw 2;
        log.shortcuts.push_back(link + "|" + target + "|" + folder + "|" + text4 + "|" + text5 +
                                "|" + std::to_string(n6) + std::to_string(n7));
        return 0;
    }
    Log& log;
};

class ShortcutCommandsTest : public ::testing::Test {
protected:
    Component::Log log;
    test::FakeBusyPointer busy;
    test::RecordingPrompter prompter;
    ProgramPaths paths;
    ShortcutCommands commands{[this] { return std::make_unique<Component>(log); }, busy, prompter,
                              AppFolder, paths};

    void TearDown() override { // every command gives the pointer back and the component up
        EXPECT_FALSE(busy.hourglass);
        EXPECT_EQ(log.alive, 0);
    }
};

} // namespace

TEST_F(ShortcutCommandsTest, ProgramShortcutsPointIntoTheProgramFolder) {
    commands.CmdCreate1_Click();
    commands.CmdCreate3_Click();
    commands.CmdCreate5_Click();
    commands.CmdCreate6_Click();
    EXPECT_EQ(prompter.texts()[1], "Create a shortcut to the Vantora Launcher on your desktop?");
    EXPECT_EQ(prompter.messages[0].icon, Icon::Question);
    const std::string desk = "C:\\WINDOWS\\Desktop\\", app = AppFolder;
    EXPECT_EQ(log.shortcuts, (Texts{desk + "Vantora.lnk|" + app + "VTViewer.EXE|" + app + "||" +
                                        app + "VTViewer.EXE|00",
                                    desk + "Vantora Launcher.lnk|" + app + "VTLaunch.EXE|" + app +
                                        "||" + app + "VTLaunch.EXE|00",
                                    desk + "Vantora Thumbnailer.lnk|" + app + "VTThumb.EXE|" + app +
                                        "||" + app + "VTThumb.EXE|00",
                                    desk + "Vantora Utility Module.lnk|" + app + "VTUtil.EXE|" +
                                        app + "||" + app + "VTUtil.EXE|00"}));
}

TEST_F(ShortcutCommandsTest, DocumentShortcutsSplitThePathAndRefuseWhatIsUnknown) {
    log.desktop = "Z:\\Desktop\\";
    commands.CmdCreate2_Click();
    commands.CmdCreate4_Click();
    for (const char* image : {"C:\\Pics\\", "Beach.JPG", "C:\\Pics\\Beach.JPG"}) {
        paths.LastOpenedFile = image;
        commands.CmdCreate2_Click();
    }
    paths.LastSlideShow = "C:\\Shows\\";
    commands.CmdCreate4_Click();
    EXPECT_EQ(log.shortcuts,
              (Texts{"Z:\\Desktop\\Beach.JPG.lnk|Beach.JPG||||00",
                     "Z:\\Desktop\\Beach.JPG.lnk|C:\\Pics\\Beach.JPG|C:\\Pics\\|||00",
                     "Z:\\Desktop\\.lnk|C:\\Shows\\|C:\\Shows\\|||00"}));
    const std::string image = "Unable to determine the image that was last opened...";
    EXPECT_EQ(
        prompter.texts(),
        (Texts{
            image,
            "Unable to determine the slide show that was last opened.\r\n\r\nOpen the slide "
            "show you would like to create a shortcut for and then try again...",
            image, "Create a shortcut for the following image on your desktop?\r\n\r\nBeach.JPG",
            "Create a shortcut for the following image on your desktop?\r\n\r\nC:\\Pics\\Beach.JPG",
            "Create a shortcut for the following slide show on your desktop?\r\n\r\nC:\\Shows\\"}));
    EXPECT_EQ(prompter.messages[1].icon, Icon::Information);
}

TEST_F(ShortcutCommandsTest, NoMakesNothingAndFailuresEndInOneMessage) {
    prompter.answers = {Answer::No};
    commands.CmdCreate1_Click();
    EXPECT_EQ(log.made + busy.pendingRuns, 0);
    log.found = 0;
    commands.CmdCreate1_Click();
    log.throwOnFolder = true;
    commands.CmdCreate3_Click();
    log.throwOnFolder = false, log.found = 1, log.throwOnCreate = true;
    commands.CmdCreate5_Click();
    ShortcutCommands missing([] { return std::unique_ptr<ShortcutHelper>(); }, busy, prompter,
                             AppFolder, paths);
    missing.CmdCreate6_Click();
    const std::string trouble =
        "Vantora Utility Module is having trouble adding the shortcut to your desktop...";
    const Texts texts = prompter.texts();
    EXPECT_EQ((Texts{texts[2], texts[4], texts[6], texts[8]}),
              (Texts{"An error occurred while getting the path to your desktop folder, unable to "
                     "create shortcut...",
                     trouble, trouble, trouble}));
    EXPECT_EQ(prompter.messages[2].icon, Icon::Exclamation);
    EXPECT_EQ(prompter.messages[4].icon, Icon::Information);
    EXPECT_TRUE(log.shortcuts.empty());
}

} // namespace vt
