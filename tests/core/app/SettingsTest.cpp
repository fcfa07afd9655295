#include "app/Settings.h"
#include "app/PreferencesCommands.h"

#include "FakeSeams.h"
#include "TestSupport.h"

#include <gtest/gtest.h>
#include <sstream>

namespace vt {
namespace {

using test::crlfLines;

// A viewer installed in viewer\ of a temporary folder, its registry values
// in the temporary folder's config\.
class ViewerInstall : public ::testing::Test {
  protected:
    ViewerInstall() {
        folder.write("viewer/VTViewer.EXE", "");
        registry("[Settings]\r\nEXEPath=" + viewer + "\r\n[Runtime]\r\nEXEPath=C:\\Runtime\\\r\n");
    }

    void registry(const std::string& bytes) { folder.write("config/VTViewer.ini", bytes); }
    void preferences(const std::string& bytes) { folder.write("viewer/VANTORA.INI", bytes); }

    test::TempFolder folder;
    test::ScopedEnvironment config{"XDG_CONFIG_HOME", folder.host("config").c_str()};
    std::string viewer = folder.win("viewer\\");
};

TEST_F(ViewerInstall, WithoutAPreferencesFileOrAViewerFolderEverythingTakesItsDefault) {
    EXPECT_EQ(PreferencesFile() + "|" + RuntimeFolder(), viewer + "VANTORA.INI|C:\\Runtime\\");
    EXPECT_EQ(LoadProgramPaths().LastOpenedFile + "|" + LoadProgramPaths().LastSlideShow, "|");
    SaveUtilityOptions(LoadUtilityOptions());
    EXPECT_EQ(folder.read("viewer/VANTORA.INI"),
              crlfLines({"[Utility]", "UtilWinPosX=2000", "UtilWinPosY=2000", "chkSlide=True",
                               "chkTexture=True", "chkSound=True", "chkPlayList=True",
                               "UseNotepad=False", "SlideNumbers=False"}));

    registry(""); // read afresh every time, never kept
    EXPECT_EQ(PreferencesFile(), "VANTORA.INI");
    test::ScopedCurrentFolder here(folder.host());
    SaveUtilityOptions({-15, 0, false, true, true, true, false, true});
    EXPECT_EQ(LoadUtilityOptions(), UtilityOptions({-15, 0, false, true, true, true, false, true}));
}

TEST_F(ViewerInstall, ReadsTheOptionsAsTheViewerWritesThem) {
    const auto load = [this](const char* lines) {
        preferences(std::string("[Utility]\n") + lines);
        return LoadUtilityOptions();
    };
    EXPECT_EQ(load("chkSound=no\nUseNotepad=yes\nchkTexture=\" \"\nSlideNumbers= TRUE x"),
              UtilityOptions());
    EXPECT_EQ(load("chkSlide=FALSE\nchkTexture= false \nchkPlayList=False\nUseNotepad=True\n"
                   "SlideNumbers=tRUE"),
              UtilityOptions({2000, 2000, false, false, true, false, true, true}));
    EXPECT_EQ(load("UtilWinPosX=abc\nUtilWinPosY=500"), UtilityOptions());
    EXPECT_EQ(load("UtilWinPosX=12.5\nUtilWinPosY= 13.5 "), UtilityOptions({12, 14}));

    preferences("[Viewer]\r\nLastOpenedFile= " + std::string(300, 'n') +
                "\r\nLastSlideShow=\"C:\\a b.vts\"");
    EXPECT_EQ(LoadProgramPaths().LastOpenedFile, std::string(259, 'n'));
    EXPECT_EQ(LoadProgramPaths().LastSlideShow, "C:\\a b.vts");
}

TEST_F(ViewerInstall, SavingChangesOnlyTheUtilityLines) {
    // The viewer's section as years of use leave it: 30 keys, notes, odd spacing.
    std::istringstream keys("WindowState WinPosX WinPosY WinWidth WinHeight SlideDelay Transition "
                            "FitToScreen ShowToolbar ShowStatusBar BackColor JpegQuality ThumbSize "
                            "ThumbCache SortOrder ShowHidden LoopShow RandomOrder PlaySounds "
                            "Volume Language LastFolder RecentCount Recent1 Recent2 ZoomStep "
                            "Smoothing ConfirmDelete LastOpenedFile LastSlideShow");
    std::string viewerBytes = "; Vantora preferences, edited by hand\r\n[Viewer]\r\n";
    std::string key;
    for (int n = 1; keys >> key; ++n) {
        viewerBytes += n % 7 ? "" : "\r\n; " + key + " comes from the options dialog\r\n";
        viewerBytes += key + (n % 5 ? "=" : " = \"") + std::to_string(n * 37) + (n % 5 ? "" : "\"");
        viewerBytes += "\r\n";
    }
    preferences(viewerBytes +
                crlfLines({"[Utility]", "UtilWinPosX=100", "utilwinposy = 200", "; the listing",
                           "chkSlide=true", "chkTexture=True", "chkSound=No", "chkPlayList=True",
                           "UseNotepad=TRUE", "SlideNumbers=False", "", "[Launcher]", "Mode=2"}));
    UtilityOptions loaded = LoadUtilityOptions();
    EXPECT_EQ(loaded, UtilityOptions({100, 200, true, true, true, true, true, false}));
    loaded.UtilWinPosX = 1440;
    loaded.chkTexture = false;
    SaveUtilityOptions(loaded);
    EXPECT_EQ(folder.read("viewer/VANTORA.INI"),
              viewerBytes + crlfLines({"[Utility]", "UtilWinPosX=1440", "utilwinposy=200",
                                       "; the listing", "chkSlide=True", "chkTexture=False",
                                       "chkSound=True", "chkPlayList=True", "UseNotepad=True",
                                       "SlideNumbers=False", "", "[Launcher]", "Mode=2"}));
}

TEST_F(ViewerInstall, ResetDeletesTheFileAfterAskingAndEditOpensItInNotepad) {
    preferences("[Viewer]\r\nk=1\r\n");
    test::RecordingPrompter prompter;
    prompter.answers = {Answer::Cancel};
    resetPreferences(prompter);
    EXPECT_TRUE(folder.exists("viewer/VANTORA.INI"));
    resetPreferences(prompter);
    EXPECT_FALSE(folder.exists("viewer/VANTORA.INI"));
    resetPreferences(prompter);
    test::FakeProgramStarter starter;
    editPreferences(starter, prompter);
    starter.failure = "No such file or directory";
    editPreferences(starter, prompter);

    const std::string question = "This command will delete your:\r\n\r\n" + viewer +
                                 "VANTORA.INI\r\n\r\n...preferences file.\r\n\r\n"
                                 "If you are not sure, press the CANCEL button...";
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{
                  question, question, question,
                  "Unable to delete the preferences file.\r\n\r\nNo such file or directory...",
                  "Unable to start NOTEPAD.EXE to edit the VANTORA.INI file.\r\n\r\n"
                  "No such file or directory..."}));
    EXPECT_EQ(prompter.messages[0].icon, Icon::Information);
    EXPECT_EQ(prompter.messages[0].buttons, Buttons::OkCancel);
    EXPECT_EQ(prompter.messages[3].icon, Icon::Exclamation);
    EXPECT_EQ(prompter.messages[4].icon, Icon::Critical);
    EXPECT_EQ(starter.starts.at(0).commandLine, "NOTEPAD.EXE " + viewer + "VANTORA.INI");
}

} // namespace
} // namespace vt
