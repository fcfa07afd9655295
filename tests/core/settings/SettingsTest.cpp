#include "settings/PreferencesCommands.h"
#include "settings/Settings.h"

#include "FakeSeams.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

using Options = UtilityOptions;

// A viewer installed in viewer\ of a temporary folder, its registry values
// in the temporary folder's config\.
class ViewerInstall : public ::testing::Test {
  protected:
    ViewerInstall() {
        folder.write("config/VTViewer.ini", "[Settings]\r\nEXEPath=" + viewer +
                                                "\r\n[Runtime]\r\nEXEPath=C:\\Runtime\\\r\n");
    }

    void preferences(const std::string& bytes) { folder.write("viewer/VANTORA.INI", bytes); }

    test::TempFolder folder;
    test::ScopedEnvironment config{"XDG_CONFIG_HOME", folder.host("config").c_str()};
    std::string viewer = folder.win("viewer\\");
};

// Only the one word flips a flag, and one bad position drops the pair.
TEST_F(ViewerInstall, ReadsTheOptionsAsTheViewerWritesThemAndSavesThemBesideItsLines) {
    EXPECT_EQ(PreferencesFile() + "|" + RuntimeFolder(), viewer + "VANTORA.INI|C:\\Runtime\\");
    preferences("[Utility]\nchkSound=no\nUseNotepad=yes\nchkTexture=\" \"\nSlideNumbers= TRUE x\n"
                "UtilWinPosX=abc\nUtilWinPosY=500");
    EXPECT_EQ(LoadUtilityOptions(), Options());
    preferences("[Viewer]\r\nLastOpenedFile= " + std::string(300, 'n') +
                "\r\nLastSlideShow=\"C:\\a b.vts\"\r\n[Utility]\nchkSlide=FALSE\nchkSound= false \n"
                "chkPlayList=False\nUseNotepad=True\nSlideNumbers=tRUE\nUtilWinPosX=12.5\n"
                "utilwinposy = 13.5 ");
    EXPECT_EQ(LoadUtilityOptions(), Options({12, 14, false, true, false, false, true, true}));
    EXPECT_EQ(LoadProgramPaths().LastOpenedFile + "|" + LoadProgramPaths().LastSlideShow,
              std::string(259, 'n') + "|C:\\a b.vts");
    const Options saved{-1440, 200, false, true, true, false, true, false};
    SaveUtilityOptions(saved);
    EXPECT_EQ(LoadUtilityOptions(), saved);
    EXPECT_EQ(LoadProgramPaths().LastSlideShow, "C:\\a b.vts");
}

TEST_F(ViewerInstall, ResetDeletesTheFileAfterAskingAndTheNextSaveWritesTheDefaultsAlone) {
    preferences("[Viewer]\r\nLastSlideShow=C:\\a.vts\r\n");
    test::RecordingPrompter prompter;
    prompter.answers = {Answer::Cancel};
    resetPreferences(prompter);
    EXPECT_TRUE(folder.exists("viewer/VANTORA.INI"));
    resetPreferences(prompter);
    resetPreferences(prompter); // nothing left to delete
    test::FakeProgramStarter starter;
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

    // Without the viewer's folder the options live in our own settings
    // folder, never in the folder we were started from.
    folder.write("config/VTViewer.ini", ""); // read afresh every time, never kept
    EXPECT_EQ(PreferencesFile(), folder.win("config\\vtutil\\VANTORA.INI"));
    test::ScopedCurrentFolder here(folder.host("viewer"));
    EXPECT_EQ(LoadProgramPaths().LastOpenedFile + "|" + LoadProgramPaths().LastSlideShow, "|");
    SaveUtilityOptions(LoadUtilityOptions());
    EXPECT_FALSE(folder.exists("viewer/VANTORA.INI"));
    EXPECT_EQ(folder.read("config/vtutil/VANTORA.INI"),
              "[Utility]\r\nUtilWinPosX=2000\r\nUtilWinPosY=2000"
              "\r\nchkSlide=True\r\nchkTexture=True\r\nchkSound=True\r\nchkPlayList=True\r\n"
              "UseNotepad=False\r\nSlideNumbers=False\r\n");
}

} // namespace
} // namespace vt
