#include "MainWindowFixture.h"

#include "common/CodePage.h"
#include "common/TabControl.h"

#include <filesystem>

namespace vt::test {
namespace {

using Rows = std::vector<std::string>;
const Rows Placeholder = {"-- Choose .VTS slide show file to append to opened .VTS file."};
// Open, the commands on an opened show, and the append list.
const std::vector<const char*> Commands = {"CmdOpenSS",    "CmdAppendSS", "CmdEditSSPaths",
                                           "CmdFilenames", "CmdCreateSS", "ComboAppend"};

TEST_F(MainWindowTest, OpenShowsWhatItFindsButWaitsForTheHourglass) {
    build();
    click("CmdOpenSS"); // cancelled: still as the window started
    EXPECT_EQ(control<TabControl>("SSTab1")->currentIndex(), 0);
    EXPECT_EQ(text("lblSlides") + "|" + text("lblDestVer"),
              "A file has not been opened yet.|Version 3.0");
    EXPECT_EQ(text("lblSourceVer") + text("lblAppendVer") + text("lblFilePaths"), "NoneNoneNo");
    EXPECT_EQ(appendRows(), Placeholder);
    EXPECT_EQ(tip("ComboAppend"), Placeholder[0]);
    EXPECT_EQ(text("lblUtilModPath") + tip("lblUtilModPath"),
              "Z:\\OPT\\VANTORA\\Z:\\opt\\Vantora\\");
    EXPECT_EQ(enabled(Commands), "100000");
    EXPECT_FALSE(busy.hourglass); // the start-up's hourglass ends with the load

    pickAndClick(show("old.vts", 1, "Version 2.0"), "CmdOpenSS");
    EXPECT_EQ(lastDialog(), "Open Slide Show File 2101268 470");
    EXPECT_EQ(text("lblSourceSS") + "|" + tip("lblSourceSS"),
              temp.win("old.vts") + "|" + temp.win("old.vts"));
    EXPECT_EQ(text("lblSlides") + ", " + text("lblSourceVer"), "One slide, Version 2.0");
    EXPECT_EQ(enabled(Commands), "111110");
    pickAndClick(show("b.vts", 3), "CmdAppendSS");

    // A file that is no show: its message, and still a fresh window.
    temp.write("notes.vts", "Shopping list\r\n");
    pickAndClick(temp.win("notes.vts"), "CmdOpenSS");
    EXPECT_EQ(prompter.messages.at(0).icon, Icon::Exclamation);
    EXPECT_EQ(text("lblSlides") + ", " + text("lblAppendVer"), "Zero slides, None");
    EXPECT_EQ(text("lblSourceSS"), temp.win("notes.vts"));
    EXPECT_EQ(appendRows(), Placeholder);
    EXPECT_EQ(tip("ComboAppend"), "");
    EXPECT_EQ(enabled(Commands), "111110");
    EXPECT_FALSE(busy.hourglass);

    // While another command shows the hourglass these do nothing.
    const auto asked = dialogs.requests.size();
    busy.setHourglass();
    for (const char* name : {"CmdOpenSS", "CmdAppendSS", "CmdCreateSS", "CmdEditINI"})
        click(name);
    EXPECT_EQ(dialogs.requests.size(), asked);
    EXPECT_TRUE(starter.starts.empty());
    prompter.answers = {Answer::Cancel};
    click("CmdDefaults"); // deleting the preferences has no such check
    EXPECT_EQ(prompter.messages.size(), 2u); // its question, after the one for notes.vts
    busy.setDefault();
    click("CmdEditINI");
    EXPECT_EQ(starter.starts.size(), 1u);
}

TEST_F(MainWindowTest, AppendAddsRowsAfterItsQuestionsUpToAHundred) {
    build();
    pickAndClick(show("a.vts", 2), "CmdOpenSS");
    const std::string b = show("b.vts", 3, "Version 2.0");
    pickAndClick(b, "CmdAppendSS");
    EXPECT_EQ(lastDialog(), "Select Slide Show File 2101268 480");
    EXPECT_EQ(appendRows(), Rows{b}); // in place of the placeholder
    EXPECT_EQ(enabled({"ComboAppend"}) + tip("ComboAppend"), "1" + b);
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
    control<QComboBox>("ComboAppend")->setCurrentIndex(1);
    EXPECT_EQ(tip("ComboAppend"), a);

    for (int i = 4; i < 100; ++i) // each asked about and answered Yes
        pickAndClick(b, "CmdAppendSS");
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
    EXPECT_EQ(lastDialog(), "Create Slide Show File 2097172 500");
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

// Paths as the file dialog gives them: exactly the files picked.
TEST_F(MainWindowTest, CreateKnowsTheOpenedShowByAnyNameAndRefusesANameItCannotKeep) {
    build();
    temp.write("Фото/b.vts", "");
    pickAndClick(show("a.vts", 2), "CmdOpenSS");
    std::filesystem::create_symlink("a.vts", temp.host("lnk.vts"));
    const std::string source = temp.read("a.vts");
    prompter.answers = {Answer::Ok, Answer::Ok, Answer::Ok};
    for (const char* name : {"lnk.vts", "Фото/../a.vts", "合併.vts"})
        pickAndClick(namedByUser(temp.host(name)).windows, "CmdCreateSS");
    EXPECT_EQ(prompter.texts(),
              (Rows{"You may not replace the opened slide show file, choose another filename and "
                    "then try again...",
                    "You may not replace the opened slide show file, choose another filename and "
                    "then try again...",
                    "The filename has characters that a slide show file cannot hold, choose "
                    "another filename and then try again..."}));
    EXPECT_EQ(temp.read("a.vts"), source);
    EXPECT_FALSE(temp.exists("合併.vts"));
    EXPECT_FALSE(temp.exists("?" "?.vts"));

    pickAndClick(namedByUser(temp.host("Café.vts")).windows, "CmdCreateSS");
    EXPECT_EQ(temp.read("Café.vts"), source);
    EXPECT_EQ(window->programPaths().LastSlideShow, codepage::fromUtf8(temp.win("Café.vts")));
}

} // namespace
} // namespace vt::test
