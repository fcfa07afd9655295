#include "MainWindowFixture.h"

#include "common/TabControl.h"
#include "slideshow/SlideShowModel.h"

#include <QAction>

namespace vt::test {
namespace {

using Rows = std::vector<std::string>;
const Rows Placeholder = {"-- Choose .VTS slide show file to append to opened .VTS file."};
const std::vector<const char*> ShowCommands = {"CmdAppendSS", "CmdEditSSPaths", "CmdFilenames",
                                               "CmdCreateSS"};

TEST_F(MainWindowTest, OpensOnTheFirstTabWithNothingLoaded) {
    build();
    EXPECT_EQ(window->windowTitle(), "Vantora Utility Module");
    EXPECT_EQ(control<TabControl>("SSTab1")->currentIndex(), 0);
    EXPECT_EQ(text("lblSlides"), "A file has not been opened yet.");
    EXPECT_EQ(text("lblDestVer"), "Version 3.0");
    EXPECT_EQ(text("lblSourceVer") + text("lblAppendVer") + text("lblFilePaths"), "NoneNoneNo");
    EXPECT_EQ(appendRows(), Placeholder);
    EXPECT_EQ(tip("ComboAppend"), Placeholder[0]);
    EXPECT_EQ(text("lblUtilModPath") + tip("lblUtilModPath"),
              "Z:\\OPT\\VANTORA\\Z:\\opt\\Vantora\\");
    for (const char* name : ShowCommands)
        EXPECT_FALSE(enabled(name)) << name;
    EXPECT_FALSE(enabled("ComboAppend"));
    EXPECT_TRUE(enabled("CmdOpenSS"));
    EXPECT_EQ(tip("CmdHelp"), "Press \"F1\" for help on any dialog.");
    EXPECT_EQ(control<QAction>("mnuWebTessel")->text(), "&www.tessel.example");
    EXPECT_FALSE(busy.hourglass); // the start-up's hourglass ends with the load
}

TEST_F(MainWindowTest, OpenShowsTheShowEvenWhenItIsNoShow) {
    build();
    click("CmdOpenSS"); // cancelled
    EXPECT_EQ(text("lblSlides"), "A file has not been opened yet.");
    EXPECT_FALSE(enabled("CmdAppendSS"));

    pickAndClick(show("old.vts", 1, "Version 2.0"), "CmdOpenSS");
    const FileDialogRequest& request = dialogs.requests.back();
    EXPECT_EQ(request.title + " " + std::to_string(request.flags) + " " +
                  std::to_string(request.helpContext),
              "Open Slide Show File 2101268 470");
    EXPECT_EQ(text("lblSourceSS"), temp.win("old.vts"));
    EXPECT_EQ(tip("lblSourceSS"), temp.win("old.vts"));
    EXPECT_EQ(text("lblSlides") + ", " + text("lblSourceVer"), "One slide, Version 2.0");
    for (const char* name : ShowCommands)
        EXPECT_TRUE(enabled(name)) << name;
    pickAndClick(show("big.vts", 1000), "CmdOpenSS");
    EXPECT_EQ(text("lblSlides"), "1,000 slides");
    pickAndClick(show("b.vts", 3), "CmdAppendSS");

    // A file that is no show: its message, and still a fresh window.
    temp.write("notes.vts", "Shopping list\r\n");
    pickAndClick(temp.win("notes.vts"), "CmdOpenSS");
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].icon, Icon::Exclamation);
    EXPECT_EQ(text("lblSlides") + ", " + text("lblAppendVer"), "Zero slides, None");
    EXPECT_EQ(text("lblSourceSS"), temp.win("notes.vts"));
    EXPECT_EQ(appendRows(), Placeholder);
    EXPECT_EQ(tip("ComboAppend"), "");
    EXPECT_FALSE(enabled("ComboAppend"));
    EXPECT_TRUE(enabled("CmdCreateSS"));
    EXPECT_EQ(window->model().SlideCount, 0);
    EXPECT_FALSE(busy.hourglass);
}

TEST_F(MainWindowTest, AppendAddsRowsAfterItsQuestions) {
    build();
    pickAndClick(show("a.vts", 2), "CmdOpenSS");
    const std::string b = show("b.vts", 3, "Version 2.0");
    pickAndClick(b, "CmdAppendSS");
    EXPECT_EQ(dialogs.requests.back().title, "Select Slide Show File");
    EXPECT_EQ(dialogs.requests.back().helpContext, 480);
    EXPECT_EQ(appendRows(), Rows{b}); // in place of the placeholder
    EXPECT_TRUE(enabled("ComboAppend"));
    EXPECT_EQ(tip("ComboAppend"), b);
    EXPECT_EQ(text("lblSlides") + ", " + text("lblAppendVer"), "5 slides, Version 2.0");

    // The source itself in other letters, then a show already listed:
    // No leaves all as it was, Yes appends; a third copy is asked about once.
    const std::string a = temp.win("A.VTS");
    prompter.answers = {Answer::No, Answer::Yes, Answer::No, Answer::Yes, Answer::Yes};
    for (const std::string& path : {a, a, b, b, b})
        pickAndClick(path, "CmdAppendSS");
    EXPECT_EQ(appendRows(), (Rows{b, a, b, b}));
    EXPECT_EQ(text("lblSlides"), "13 slides");
    EXPECT_EQ(prompter.messages.size(), 5u);
    EXPECT_EQ(prompter.messages[0].icon, Icon::Question);

    control<QComboBox>("ComboAppend")->setCurrentIndex(1);
    EXPECT_EQ(tip("ComboAppend"), a);
}

TEST_F(MainWindowTest, AppendStopsAtAHundredShows) {
    build();
    pickAndClick(show("a.vts", 1), "CmdOpenSS");
    const std::string b = show("b.vts", 1);
    for (int i = 0; i < 100; ++i)
        pickAndClick(b, "CmdAppendSS");
    EXPECT_EQ(text("lblSlides"), "101 slides");
    const auto asked = dialogs.requests.size();
    prompter.messages.clear();
    click("CmdAppendSS");
    EXPECT_EQ(dialogs.requests.size(), asked); // refused before any dialog
    EXPECT_EQ(prompter.texts(), Rows{"You can only append 100 files at a time.\r\n\r\nCreate this "
                                     "slide show file, open it, and then try again..."});
    EXPECT_EQ(appendRows().size(), 100u);
}

TEST_F(MainWindowTest, CreateWritesTheModelButNeverOverItsShows) {
    build();
    pickAndClick(show("a.vts", 2), "CmdOpenSS");
    pickAndClick(show("b.vts", 1), "CmdAppendSS");
    const std::string source = temp.read("a.vts");
    temp.write("keep.vts", "mine");
    prompter.answers = {Answer::Ok, Answer::Ok, Answer::No};
    for (const char* name : {"A.vts", "B.VTS", "keep.vts"})
        pickAndClick(temp.win(name), "CmdCreateSS");
    EXPECT_EQ(dialogs.requests.back().kind, FileDialogRequest::Kind::Save);
    EXPECT_EQ(dialogs.requests.back().title + " " + std::to_string(dialogs.requests.back().flags),
              "Create Slide Show File 2097172");
    EXPECT_EQ(prompter.texts(),
              (Rows{"You may not replace the opened slide show file, choose another filename and "
                    "then try again...",
                    "You may not replace a slide show file you have specified to append, choose "
                    "another filename and then try again...",
                    "The specified filename already exists:\r\n\r\n" + temp.win("keep.vts") +
                        "\r\n\r\nDo you want to replace this file?"}));
    EXPECT_EQ(temp.read("a.vts"), source);
    EXPECT_EQ(temp.read("keep.vts"), "mine");
    EXPECT_EQ(text("lblCreateSS"),
              "-- Select path and name of new .VTS slide show file to create.");

    prompter.answers = {Answer::Yes};
    pickAndClick(temp.win("keep.vts"), "CmdCreateSS");
    pickAndClick(temp.win("second.vts"), "CmdCreateSS");
    EXPECT_EQ(text("lblCreateSS") + tip("lblCreateSS"),
              temp.win("second.vts") + temp.win("second.vts"));
    EXPECT_EQ(window->programPaths().LastSlideShow, temp.win("second.vts"));
    const std::string merged = temp.read("second.vts");
    EXPECT_EQ(temp.read("keep.vts"), merged);
    EXPECT_LT(merged.find("a.vts1.jpg"), merged.find("b.vts0.jpg"));
    EXPECT_FALSE(busy.hourglass);
}

TEST_F(MainWindowTest, CommandsWaitWhileTheHourglassShows) {
    build();
    pickAndClick(show("a.vts", 1), "CmdOpenSS");
    const auto asked = dialogs.requests.size();
    busy.setHourglass();
    for (const char* name : {"CmdOpenSS", "CmdAppendSS", "CmdCreateSS", "CmdEditINI"})
        click(name);
    EXPECT_EQ(dialogs.requests.size(), asked);
    EXPECT_TRUE(starter.starts.empty());
    prompter.answers = {Answer::Cancel};
    click("CmdDefaults"); // deleting the preferences has no such check
    EXPECT_EQ(prompter.messages.size(), 1u);
    busy.setDefault();
    click("CmdEditINI");
    EXPECT_EQ(starter.starts.size(), 1u);
}

} // namespace
} // namespace vt::test
