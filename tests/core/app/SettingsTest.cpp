#include "app/PreferencesCommands.h"
#include "app/Settings.h"

#include "FakeSeams.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace vt {

void PrintTo(const UtilityOptions& o, std::ostream* out) {
    *out << o.UtilWinPosX << ',' << o.UtilWinPosY << ' ' << o.chkSlide << o.chkTexture
         << o.chkSound << o.chkPlayList << o.UseNotepad << o.SlideNumbers;
}

namespace {

using test::TempFolder;

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
    std::string preferences() const { return folder.read("viewer/VANTORA.INI"); }

    UtilityOptions loadUtility(const std::string& section) {
        preferences("[Utility]\r\n" + section);
        return LoadUtilityOptions();
    }

    TempFolder folder;
    test::ScopedEnvironment config{"XDG_CONFIG_HOME", folder.host("config").c_str()};
    std::string viewer = folder.win("viewer\\");
};

UtilityOptions options(std::int32_t x, std::int32_t y, bool slide, bool texture, bool sound,
                       bool playList, bool notepad, bool numbers) {
    return {x, y, slide, texture, sound, playList, notepad, numbers};
}

const UtilityOptions Defaults;

TEST_F(ViewerInstall, FindsTheViewersFoldersAndPreferencesAfreshEachTime) {
    EXPECT_EQ(ViewerFolder(), viewer);
    EXPECT_EQ(RuntimeFolder(), "C:\\Runtime\\");
    EXPECT_EQ(PreferencesFile(), viewer + "VANTORA.INI");
    registry("[Settings]\r\nEXEPath=D:\\Other\\\r\n");
    EXPECT_EQ(ViewerFolder(), "D:\\Other\\");
    EXPECT_EQ(RuntimeFolder(), "");
    registry("");
    EXPECT_EQ(PreferencesFile(), "VANTORA.INI");
}

TEST_F(ViewerInstall, WithoutAPreferencesFileEverythingTakesItsDefault) {
    EXPECT_EQ(LoadUtilityOptions(), options(2000, 2000, true, true, true, true, false, false));
    const ProgramPaths paths = LoadProgramPaths();
    EXPECT_EQ(paths.LastOpenedFile + "|" + paths.LastSlideShow, "|");
    SaveUtilityOptions(LoadUtilityOptions());
    EXPECT_EQ(preferences(), test::crlfLines({"[Utility]", "UtilWinPosX=2000", "UtilWinPosY=2000",
                                              "chkSlide=True", "chkTexture=True", "chkSound=True",
                                              "chkPlayList=True", "UseNotepad=False",
                                              "SlideNumbers=False"}));
}

TEST_F(ViewerInstall, OnlyTheOneWordFlipsAFlag) {
    EXPECT_EQ(loadUtility("chkSound=no\r\nUseNotepad=yes\r\n"), Defaults);
    EXPECT_EQ(loadUtility("chkSlide=FALSE\r\nchkTexture= false \r\nchkSound=0\r\n"
                          "chkPlayList=False\r\nUseNotepad=True\r\nSlideNumbers=tRUE\r\n"),
              options(2000, 2000, false, false, true, false, true, true));
    EXPECT_EQ(loadUtility("chkSlide=\r\nchkTexture=\" \"\r\nUseNotepad= TRUE x\r\n"), Defaults);
}

TEST_F(ViewerInstall, WindowPositionsAreRoundedOrBothFallBack) {
    const struct {
        const char* section;
        std::int32_t x, y;
    } cases[] = {
        {"UtilWinPosX=abc\r\nUtilWinPosY=500\r\n", 2000, 2000},
        {"UtilWinPosX=500\r\nUtilWinPosY=3000000000\r\n", 2000, 2000},
        {"UtilWinPosX=12.5\r\nUtilWinPosY=13.5\r\n", 12, 14},
        {"UtilWinPosX=-120\r\nUtilWinPosY= 7 \r\n", -120, 7},
        {"UtilWinPosY=500\r\n", 2000, 500},
        {"UtilWinPosX=1E3\r\nUtilWinPosY=\r\n", 1000, 2000},
    };
    for (const auto& c : cases) {
        const UtilityOptions loaded = loadUtility(c.section);
        EXPECT_EQ(std::make_pair(loaded.UtilWinPosX, loaded.UtilWinPosY), std::make_pair(c.x, c.y))
            << c.section;
    }
}

TEST_F(ViewerInstall, ReadsWhatTheViewerOpenedLast) {
    const std::string longName = "C:\\" + std::string(300, 'n') + ".jpg";
    preferences("[Viewer]\r\nLastOpenedFile= " + longName + "\r\nLastSlideShow=\"C:\\a b.vts\"\r\n");
    const ProgramPaths paths = LoadProgramPaths();
    EXPECT_EQ(paths.LastOpenedFile, longName.substr(0, 259));
    EXPECT_EQ(paths.LastSlideShow, "C:\\a b.vts");
}

TEST_F(ViewerInstall, WithoutTheViewersFolderThePreferencesLiveInTheCurrentFolder) {
    registry("");
    folder.write("here/VANTORA.INI", "[Utility]\r\nUseNotepad=True\r\n");
    test::ScopedCurrentFolder here(folder.host("here"));
    EXPECT_TRUE(LoadUtilityOptions().UseNotepad);
    SaveUtilityOptions(options(-15, 0, false, true, true, true, false, true));
    EXPECT_EQ(folder.read("here/VANTORA.INI"),
              test::crlfLines({"[Utility]", "UseNotepad=False", "UtilWinPosX=-15", "UtilWinPosY=0",
                               "chkSlide=False", "chkTexture=True", "chkSound=True",
                               "chkPlayList=True", "SlideNumbers=True"}));
}

// The viewer's section as a user's machine has it after years of use.
std::vector<std::string> viewerLines() {
    std::vector<std::string> lines = {"; Vantora preferences - edited by hand, keep the notes",
                                      "[Viewer]"};
    const char* keys[] = {"WindowState",   "WinPosX",       "WinPosY",      "WinWidth",
                          "WinHeight",     "SlideDelay",    "Transition",   "FitToScreen",
                          "ShowToolbar",   "ShowStatusBar", "BackColor",    "JpegQuality",
                          "ThumbSize",     "ThumbCache",    "SortOrder",    "ShowHidden",
                          "LoopShow",      "RandomOrder",   "PlaySounds",   "Volume",
                          "Language",      "LastFolder",    "RecentCount",  "Recent1",
                          "Recent2",       "ZoomStep",      "Smoothing",    "ConfirmDelete",
                          "LastOpenedFile", "LastSlideShow"};
    int n = 0;
    for (const char* key : keys) {
        ++n;
        if (n % 7 == 0)
            lines.push_back("");
        if (n % 9 == 0)
            lines.push_back("; " + std::string(key) + " is set by the options dialog");
        lines.push_back(std::string(key) + (n % 5 == 0 ? " = \"" : "=") + std::to_string(n * 37) +
                        (n % 5 == 0 ? "\"" : ""));
    }
    lines.push_back("");
    return lines;
}

TEST_F(ViewerInstall, SavingChangesOnlyTheUtilityLines) {
    const std::string viewerBytes = test::crlfLines(viewerLines());
    const std::string before =
        viewerBytes + test::crlfLines({"[Utility]", "UtilWinPosX=100", "utilwinposy = 200",
                                       "; the listing", "chkSlide=true", "chkTexture=True",
                                       "chkSound=No", "chkPlayList=True", "UseNotepad=TRUE",
                                       "SlideNumbers=False", "", "[Launcher]", "Mode=2"});
    preferences(before);
    UtilityOptions loaded = LoadUtilityOptions();
    EXPECT_EQ(loaded, options(100, 200, true, true, true, true, true, false));
    loaded.UtilWinPosX = 1440;
    loaded.chkTexture = false;
    SaveUtilityOptions(loaded);
    const std::string after = preferences();
    EXPECT_EQ(after.substr(0, viewerBytes.size()), viewerBytes);
    EXPECT_EQ(after.substr(viewerBytes.size()),
              test::crlfLines({"[Utility]", "UtilWinPosX=1440", "utilwinposy=200", "; the listing",
                               "chkSlide=True", "chkTexture=False", "chkSound=True",
                               "chkPlayList=True", "UseNotepad=True", "SlideNumbers=False", "",
                               "[Launcher]", "Mode=2"}));
}

TEST_F(ViewerInstall, ResetToDefaultsAsksThenDeletesTheWholeFile) {
    const std::string question = "This command will delete your:\r\n\r\n" + viewer +
                                 "VANTORA.INI\r\n\r\n...preferences file.\r\n\r\n"
                                 "If you are not sure, press the CANCEL button...";
    preferences("[Viewer]\r\nk=1\r\n");
    test::RecordingPrompter prompter;
    prompter.answers = {Answer::Cancel};
    resetPreferences(prompter);
    EXPECT_TRUE(folder.exists("viewer/VANTORA.INI"));

    resetPreferences(prompter);
    EXPECT_FALSE(folder.exists("viewer/VANTORA.INI"));
    ASSERT_EQ(prompter.messages.size(), 2u);
    for (const Message& asked : prompter.messages) {
        EXPECT_EQ(asked.text, question);
        EXPECT_EQ(asked.icon, Icon::Information);
        EXPECT_EQ(asked.buttons, Buttons::OkCancel);
    }

    resetPreferences(prompter);
    ASSERT_EQ(prompter.messages.size(), 4u);
    EXPECT_EQ(prompter.messages[3].text,
              "Unable to delete the preferences file.\r\n\r\nNo such file or directory...");
    EXPECT_EQ(prompter.messages[3].icon, Icon::Exclamation);
}

TEST_F(ViewerInstall, EditIniFileStartsNotepadOnThePreferences) {
    test::FakeProgramStarter starter;
    test::RecordingPrompter prompter;
    editPreferences(starter, prompter);
    starter.failure = "No such file or directory";
    editPreferences(starter, prompter);
    ASSERT_EQ(starter.starts.size(), 2u);
    EXPECT_EQ(starter.starts[0].commandLine, "NOTEPAD.EXE " + viewer + "VANTORA.INI");
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"Unable to start NOTEPAD.EXE to edit the VANTORA.INI "
                                       "file.\r\n\r\nNo such file or directory..."});
    EXPECT_EQ(prompter.messages[0].icon, Icon::Critical);
}

} // namespace
} // namespace vt
