#include "MainWindowFixture.h"

#include "common/TabControl.h"
#include "slideshow/SlideShowModel.h"

namespace vt::test {
namespace {

const std::vector<std::string> Placeholder = {
    "-- Choose .VTS slide show file to append to opened .VTS file."};

TEST_F(MainWindowTest, OpensOnTheFirstTabWithNothingLoaded) {
    build();
    EXPECT_EQ(window->windowTitle(), "Vantora Utility Module");
    EXPECT_EQ(control<TabControl>("SSTab1")->currentIndex(), 0);
    EXPECT_EQ(text("lblSlides"), "A file has not been opened yet.");
    EXPECT_EQ(text("lblDestVer"), "Version 3.0");
    EXPECT_EQ(text("lblSourceVer"), "None");
    EXPECT_EQ(text("lblAppendVer"), "None");
    EXPECT_EQ(text("lblFilePaths"), "No");
    EXPECT_EQ(text("lblSourceSS"), "-- Select an .VTS slide show file to edit.");
    EXPECT_EQ(text("lblCreateSS"), "-- Select path and name of new .VTS slide show file to create.");
    EXPECT_EQ(appendRows(), Placeholder);
    EXPECT_EQ(tip("ComboAppend"), Placeholder[0]);
    EXPECT_EQ(tip("Image1"), "Vantora Utility Module");
    EXPECT_EQ(text("lblUtilModPath"), "Z:\\OPT\\VANTORA\\");
    EXPECT_EQ(tip("lblUtilModPath"), "Z:\\opt\\Vantora\\");
    for (const char* name : {"CmdOpenSS", "CmdDefaults", "CmdEditINI", "CmdCreate1", "CmdHelp", "CmdOK"})
        EXPECT_TRUE(enabled(name)) << name;
    for (const char* name : {"CmdAppendSS", "CmdEditSSPaths", "CmdFilenames", "CmdCreateSS", "ComboAppend"})
        EXPECT_FALSE(enabled(name)) << name;
    EXPECT_EQ(text("CmdCreateSS"), "Create Slide Show &File");
    EXPECT_EQ(tip("CmdCreateSS"), "Select path and name of new .VTS slide show file to create.");
    EXPECT_EQ(tip("CmdHelp"), "Press \"F1\" for help on any dialog.");
    EXPECT_EQ(tip("CmdOK"), "Close this utility.");
    EXPECT_FALSE(busy.hourglass); // the start-up's hourglass ends with the load
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(MainWindowTest, OpenShowsTheShowAndEnablesItsCommands) {
    build();
    pick(show("old.vts", 1, "Version 2.0"));
    click("CmdOpenSS");
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].kind, FileDialogRequest::Kind::Open);
    EXPECT_EQ(dialogs.requests[0].title, "Open Slide Show File");
    EXPECT_EQ(dialogs.requests[0].flags, 2101268);
    EXPECT_EQ(dialogs.requests[0].helpContext, 470);
    EXPECT_EQ(text("lblSourceSS"), temp.win("old.vts"));
    EXPECT_EQ(tip("lblSourceSS"), temp.win("old.vts"));
    EXPECT_EQ(text("lblSlides"), "One slide");
    EXPECT_EQ(text("lblSourceVer"), "Version 2.0");
    for (const char* name : {"CmdAppendSS", "CmdEditSSPaths", "CmdFilenames", "CmdCreateSS"})
        EXPECT_TRUE(enabled(name)) << name;
    EXPECT_FALSE(enabled("ComboAppend"));
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_FALSE(busy.hourglass);

    openShow("big.vts", 1000);
    EXPECT_EQ(text("lblSlides"), "1,000 slides");
    EXPECT_EQ(text("lblSourceVer"), "Version 3.0");
}

TEST_F(MainWindowTest, OpenOfAnInvalidFileStillResetsTheWindow) {
    build();
    openShow("a.vts", 2);
    pick(show("b.vts", 3));
    click("CmdAppendSS");
    EXPECT_EQ(text("lblSlides"), "5 slides");

    temp.write("notes.vts", "Shopping list\r\n");
    pick(temp.win("notes.vts"));
    click("CmdOpenSS");
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].icon, Icon::Exclamation);
    EXPECT_EQ(prompter.messages[0].text,
              "The selected file is not a valid Vantora slide show file...\r\n\r\nFilenames with "
              ".VTS in the last 4 positions are normally associated with Vantora files.");
    EXPECT_EQ(text("lblSlides"), "Zero slides");
    EXPECT_EQ(text("lblSourceSS"), temp.win("notes.vts"));
    EXPECT_EQ(text("lblAppendVer"), "None");
    EXPECT_EQ(appendRows(), Placeholder);
    EXPECT_EQ(tip("ComboAppend"), "");
    EXPECT_FALSE(enabled("ComboAppend"));
    EXPECT_TRUE(enabled("CmdCreateSS"));
    EXPECT_EQ(window->model().SlideCount, 0);
}

TEST_F(MainWindowTest, CancelledOpenChangesNothing) {
    build();
    click("CmdOpenSS");
    EXPECT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(text("lblSlides"), "A file has not been opened yet.");
    EXPECT_EQ(text("lblSourceSS"), "-- Select an .VTS slide show file to edit.");
    EXPECT_FALSE(enabled("CmdAppendSS"));

    openShow("a.vts", 2);
    pick(show("b.vts", 1));
    click("CmdAppendSS");
    click("CmdOpenSS");
    EXPECT_EQ(text("lblSourceSS"), temp.win("a.vts"));
    EXPECT_EQ(appendRows(), std::vector<std::string>{temp.win("b.vts")});
    EXPECT_EQ(text("lblSlides"), "3 slides");
    EXPECT_FALSE(busy.hourglass);
}

TEST_F(MainWindowTest, AppendAddsRowsAfterItsQuestions) {
    build();
    openShow("a.vts", 2);
    const std::string b = show("b.vts", 3, "Version 2.0");

    pick(b);
    click("CmdAppendSS");
    EXPECT_EQ(dialogs.requests.back().title, "Select Slide Show File");
    EXPECT_EQ(dialogs.requests.back().flags, 2101268);
    EXPECT_EQ(dialogs.requests.back().helpContext, 480);
    EXPECT_EQ(appendRows(), std::vector<std::string>{b});
    EXPECT_TRUE(enabled("ComboAppend"));
    EXPECT_EQ(tip("ComboAppend"), b);
    EXPECT_EQ(text("lblAppendVer"), "Version 2.0");
    EXPECT_EQ(text("lblSlides"), "5 slides");

    // The source itself, in other letters: No, then Yes.
    std::string source = temp.win("A.VTS");
    prompter.answers = {Answer::No};
    pick(source);
    click("CmdAppendSS");
    EXPECT_EQ(appendRows().size(), 1u);
    EXPECT_EQ(text("lblSlides"), "5 slides");
    prompter.answers = {Answer::Yes};
    pick(temp.win("a.vts"));
    click("CmdAppendSS");
    EXPECT_EQ(appendRows(), (std::vector<std::string>{b, temp.win("a.vts")}));
    EXPECT_EQ(text("lblSlides"), "7 slides");

    // A show already listed: No, then Yes; a third copy is asked about once.
    prompter.answers = {Answer::No};
    pick(b);
    click("CmdAppendSS");
    EXPECT_EQ(appendRows().size(), 2u);
    prompter.answers = {Answer::Yes, Answer::Yes};
    pick(b);
    click("CmdAppendSS");
    pick(b);
    click("CmdAppendSS");
    EXPECT_EQ(appendRows(), (std::vector<std::string>{b, temp.win("a.vts"), b, b}));
    EXPECT_EQ(text("lblSlides"), "13 slides");
    EXPECT_EQ(prompter.messages.size(), 5u);
    EXPECT_EQ(prompter.messages.back().text,
              "The file you selected is already in your list of files to append.\r\n\r\nAppend "
              "this file again?");
    EXPECT_EQ(prompter.messages.back().icon, Icon::Question);

    // Picking a row shows it whole in the tooltip.
    control<QComboBox>("ComboAppend")->setCurrentIndex(1);
    EXPECT_EQ(tip("ComboAppend"), temp.win("a.vts"));
}

TEST_F(MainWindowTest, AppendStopsAtAHundredShows) {
    build();
    openShow("a.vts", 1);
    const std::string b = show("b.vts", 1);
    for (int i = 0; i < 100; ++i) {
        pick(b);
        click("CmdAppendSS");
    }
    EXPECT_EQ(appendRows().size(), 100u);
    EXPECT_EQ(text("lblSlides"), "101 slides");
    const auto asked = dialogs.requests.size();
    prompter.messages.clear();
    click("CmdAppendSS");
    EXPECT_EQ(dialogs.requests.size(), asked); // no dialog at all
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "You can only append 100 files at a time.\r\n\r\nCreate "
                                         "this slide show file, open it, and then try again...");
    EXPECT_EQ(prompter.messages[0].icon, Icon::Information);
}

TEST_F(MainWindowTest, CreateRefusesTheShowsItIsMadeOf) {
    build();
    openShow("a.vts", 2);
    pick(show("b.vts", 1));
    click("CmdAppendSS");
    const std::string before = text("lblCreateSS");
    const std::string sourceBytes = temp.read("a.vts");

    pick(temp.win("A.vts"));
    click("CmdCreateSS");
    EXPECT_EQ(dialogs.requests.back().kind, FileDialogRequest::Kind::Save);
    EXPECT_EQ(dialogs.requests.back().title, "Create Slide Show File");
    EXPECT_EQ(dialogs.requests.back().flags, 2097172);
    EXPECT_EQ(dialogs.requests.back().helpContext, 500);
    pick(temp.win("B.VTS"));
    click("CmdCreateSS");
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{
                  "You may not replace the opened slide show file, choose another filename and "
                  "then try again...",
                  "You may not replace a slide show file you have specified to append, choose "
                  "another filename and then try again..."}));
    EXPECT_EQ(text("lblCreateSS"), before);
    EXPECT_EQ(temp.read("a.vts"), sourceBytes);
}

TEST_F(MainWindowTest, CreateWritesTheWholeModelAndAsksBeforeReplacing) {
    build();
    openShow("a.vts", 2);
    pick(show("b.vts", 1));
    click("CmdAppendSS");

    temp.write("keep.vts", "mine");
    prompter.answers = {Answer::No};
    pick(temp.win("keep.vts"));
    click("CmdCreateSS");
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"The specified filename already exists:\r\n\r\n" +
                                       temp.win("keep.vts") +
                                       "\r\n\r\nDo you want to replace this file?"});
    EXPECT_EQ(temp.read("keep.vts"), "mine");
    EXPECT_EQ(text("lblCreateSS"), "-- Select path and name of new .VTS slide show file to create.");

    prompter.answers = {Answer::Yes};
    pick(temp.win("keep.vts"));
    click("CmdCreateSS");
    pick(temp.win("second.vts"));
    click("CmdCreateSS");
    EXPECT_EQ(text("lblCreateSS"), temp.win("second.vts"));
    EXPECT_EQ(tip("lblCreateSS"), temp.win("second.vts"));
    EXPECT_EQ(window->programPaths().LastSlideShow, temp.win("second.vts"));
    const std::string merged = temp.read("second.vts");
    EXPECT_EQ(temp.read("keep.vts"), merged);
    for (const char* slide : {"a.vts0.jpg", "a.vts1.jpg", "b.vts0.jpg"})
        EXPECT_NE(merged.find(slide), std::string::npos) << slide;
    EXPECT_LT(merged.find("a.vts1.jpg"), merged.find("b.vts0.jpg"));
    EXPECT_EQ(prompter.messages.size(), 2u);
    EXPECT_FALSE(busy.hourglass);
}

TEST_F(MainWindowTest, CommandsWaitWhileTheHourglassShows) {
    build();
    openShow("a.vts", 1);
    const auto asked = dialogs.requests.size();
    busy.setHourglass();
    for (const char* name : {"CmdOpenSS", "CmdAppendSS", "CmdCreateSS", "CmdEditINI"})
        click(name);
    EXPECT_EQ(dialogs.requests.size(), asked);
    EXPECT_TRUE(starter.starts.empty());
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_TRUE(busy.hourglass);

    // Deleting the preferences file has no such check.
    prompter.answers = {Answer::Cancel};
    click("CmdDefaults");
    EXPECT_EQ(prompter.messages.size(), 1u);

    busy.setDefault();
    click("CmdEditINI");
    EXPECT_EQ(starter.starts.size(), 1u);
}

} // namespace
} // namespace vt::test
