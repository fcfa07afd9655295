#include "MainWindowFixture.h"

#include "app/Main.h"
#include "common/CodePage.h"
#include "slideshow/SlideShowTexts.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QTimer>

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
    EXPECT_EQ(text("lblSlides") + "|" + text("lblDestVer") + "|" + text("lblSourceVer") +
                  text("lblAppendVer") + text("lblFilePaths") + "|" + enabled(Commands) + "|" +
                  tip("ComboAppend"),
              "A file has not been opened yet.|Version 3.0|NoneNoneNo|100000|" + Placeholder[0]);
    EXPECT_EQ(appendRows(), Placeholder);
    EXPECT_EQ(text("lblUtilModPath") + tip("lblUtilModPath"),
              "Z:\\OPT\\VANTORA\\Z:\\opt\\Vantora\\");
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
    EXPECT_EQ(appendRows(), Placeholder);
    EXPECT_EQ(enabled(Commands), "111110");

    // While another command shows the hourglass these do nothing.
    // Deleting the preferences has no such check: its question follows the one for notes.vts.
    const auto asked = dialogs.requests.size();
    busy.setHourglass();
    prompter.answers = {Answer::Cancel};
    for (const char* name :
         {"CmdOpenSS", "CmdAppendSS", "CmdCreateSS", "CmdEditINI", "CmdDefaults"})
        click(name);
    EXPECT_EQ(dialogs.requests.size() - asked + starter.starts.size(), 0u);
    EXPECT_EQ(prompter.messages.size(), 2u);
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

// Refused: the opened show in other letters, as a link or by a detour; an
// appended show; a name no slide show file can hold; and, if the user says
// No, a file that exists.
TEST_F(MainWindowTest, CreateWritesTheModelButNeverOverItsShows) {
    build();
    temp.write("Фото/c.vts", "");
    pickAndClick(show("a.vts", 2), "CmdOpenSS");
    pickAndClick(show("b.vts", 1), "CmdAppendSS");
    std::filesystem::create_symlink("a.vts", temp.host("lnk.vts"));
    const std::string source = temp.read("a.vts");
    temp.write("keep.vts", "mine");
    Rows names = {temp.win("A.vts"), temp.win("B.VTS")};
    for (const char* name :
         {"lnk.vts", "Фото/../a.vts", "合併.vts"}) // as the file dialog gives them
        names.push_back(namedByUser(temp.host(name)).windows);
    names.push_back(temp.win("keep.vts"));
    prompter.answers = {Answer::Ok, Answer::Ok, Answer::Ok, Answer::Ok, Answer::Ok, Answer::No};
    for (const std::string& name : names)
        pickAndClick(name, "CmdCreateSS");
    EXPECT_EQ(lastDialog(), "Create Slide Show File 2097172 500");
    const std::string opened = "You may not replace the opened slide show file, choose another "
                               "filename and then try again...";
    EXPECT_EQ(prompter.texts(),
              (Rows{opened,
                    "You may not replace a slide show file you have specified to append, choose "
                    "another filename and then try again...",
                    opened, opened,
                    "The filename has characters that a slide show file cannot hold, choose "
                    "another filename and then try again...",
                    "The specified filename already exists:\r\n\r\n" + temp.win("keep.vts") +
                        "\r\n\r\nDo you want to replace this file?"}));
    EXPECT_EQ(temp.read("a.vts"), source);
    EXPECT_EQ(temp.read("keep.vts"), "mine");
    EXPECT_FALSE(temp.exists("合併.vts") || temp.exists("?" "?.vts"));

    prompter.answers = {Answer::Yes};
    pickAndClick(temp.win("keep.vts"), "CmdCreateSS");
    pickAndClick(temp.win("second.vts"), "CmdCreateSS");
    EXPECT_EQ(text("lblCreateSS"), temp.win("second.vts"));
    EXPECT_EQ(window->programPaths().LastSlideShow, temp.win("second.vts"));
    const std::string merged = temp.read("second.vts");
    EXPECT_EQ(temp.read("keep.vts"), merged);
    EXPECT_LT(merged.find("a.vts1.jpg"), merged.find("b.vts0.jpg"));
    pickAndClick(namedByUser(temp.host("Café.vts")).windows, "CmdCreateSS");
    EXPECT_EQ(temp.read("Café.vts"), merged);
    EXPECT_EQ(window->programPaths().LastSlideShow, codepage::fromUtf8(temp.win("Café.vts")));
}

// Runs `command`, presses `button` in the modal dialog it opens; gives that dialog's name.
template <class Command> std::string dialogOf(Command command, const char* button) {
    std::string name;
    QObject scope; // no answer left behind when no dialog opens
    QTimer::singleShot(0, &scope, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_TRUE(dialog);
        name = dialog->objectName().toStdString();
        QTest::mouseClick(control<QAbstractButton>(*dialog, button), Qt::LeftButton);
    });
    command();
    return name;
}

TEST_F(MainWindowTest, PathEditorListingAndAboutOpenFromTheirCommands) {
    build();
    pickAndClick(show("a.vts", 2), "CmdOpenSS");
    EXPECT_EQ(dialogOf([&] { click("CmdEditSSPaths"); }, "CmdOK"), "frmEditPath");
    EXPECT_EQ(text("lblFilePaths"), "Yes");
    EXPECT_EQ(dialogOf([&] { click("CmdFilenames"); }, "CmdCancel"), "frmSelectView");
    EXPECT_EQ(dialogOf([&] { control<QAction>("mnuAbout")->trigger(); }, "CmdOK"), "AboutFrm");
}

TEST_F(MainWindowTest, MenusAndShortcutButtonsReachTheirCommands) {
    build();
    for (const char* action : {"mnuAboutVTViewer", "mnuOpenVantora", "mnuWebTessel"})
        control<QAction>(action)->trigger();
    ASSERT_TRUE(starter.starts.size() == 2 && shell.calls.size() == 1);
    EXPECT_EQ(starter.starts[0].commandLine + "|" + starter.starts[1].commandLine + "|" +
                  shell.calls[0].file,
              temp.win("VTViewer.EXE ABOUT|") + temp.win("VTViewer.EXE") +
                  "|http://www.tessel.example");

    prompter.answers = {Answer::No, Answer::No}; // what Yes does is the commands' own to test
    click("CmdCreate1");
    click("CmdCreate6");
    EXPECT_EQ(prompter.texts(), (Rows{"Create a shortcut to Vantora on your desktop?",
                                      "Create a shortcut to the Vantora Utility Module on your "
                                      "desktop?"}));
}

// The file named on the command line opens once the event loop runs, leaving
// the window as the Open command does: same labels, commands and append list.
TEST_F(MainWindowTest, AShowNamedAtStartOpensAsOpenWouldOnceTheWindowRuns) {
    EXPECT_EQ(showFromArguments({"vtutil"}), "");
    EXPECT_EQ(showFromArguments({"vtutil", QString::fromStdString(temp.host("a.vts"))}),
              temp.win("a.vts"));
    ScopedCurrentFolder here(temp.host());
    EXPECT_EQ(showFromArguments({"vtutil", "shows/../b b.VTS"}), temp.win("b b.VTS"));
    build();
    const auto state = [&] {
        std::string shown;
        for (const char* label : {"lblSourceSS", "lblSlides", "lblSourceVer", "lblAppendVer",
                                  "lblFilePaths", "lblCreateSS"})
            shown += text(label) + "|";
        return shown + enabled(Commands) + "|" + std::to_string(appendRows().size());
    };
    const std::string a = show("a.vts", 2, "Version 2.0");
    const std::string fresh = state();
    openWhenShown(*window, a);
    EXPECT_EQ(state(), fresh);
    QCoreApplication::processEvents();
    EXPECT_EQ(state(), a + "|2 slides|Version 2.0|None|No|" + std::string(texts::NoDestinationYet) +
                           "|111110|1");
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_FALSE(busy.hourglass);
}

} // namespace
} // namespace vt::test
