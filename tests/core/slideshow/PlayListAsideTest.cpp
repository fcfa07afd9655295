#include "TestSupport.h"

#include "pack/Pack.h"
#include "patheditor/PathEditor.h"
#include "slideshow/PlayListAside.h"
#include "slideshow/SlideShowCommands.h"
#include "slideshow/SlideShowWriter.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

namespace vt {
namespace {

std::string playList(const SlideShowModel& model) {
    std::string text;
    for (int i = 0; i < model.PlayListCount; ++i)
        text += model.playList(i) + ";";
    return text;
}

std::string aside(const SlideShowModel& model) {
    std::string text;
    for (const SetAsideEntry& entry : model.PlayListAside)
        text += std::to_string(entry.position) + ":" + entry.path + ";";
    return text;
}

// A show whose music moved: of five entries only two are where the show
// says, and an appended show brings one of each kind.
class PlayListAside : public ::testing::Test {
  protected:
    PlayListAside() {
        for (const char* name : {"here/b.wav", "here/d.wav", "there/c.wav", "there/a.wav"})
            folder.write(name, "x");
        test::ShowFile show;
        show.soundMode = 3;
        show.hasPlayList = true;
        show.playList = {"C:\\Music\\a.wav", w + "here\\b.wav", "", "sub\\c.wav",
                         w + "here\\d.wav", "C:\\Music\\e.wav"};
        folder.write("show.vts", show.bytes());
        test::ShowFile extra;
        extra.hasPlayList = true;
        extra.playList = {"f.wav", w + "here\\b.wav"};
        folder.write("extra.vts", extra.bytes());
        openSlideShow(*model, w + "show.vts", prompter);
    }

    test::ScopedDriveMap drives{DriveMap({})};
    test::TempFolder folder;
    const std::string w = folder.win();
    test::RecordingPrompter prompter;
    std::unique_ptr<SlideShowModel> model = std::make_unique<SlideShowModel>();
};

TEST_F(PlayListAside, DroppedEntriesWaitAsideWithTheirPlacesAndAreNeitherWrittenNorCounted) {
    EXPECT_EQ(playList(*model), w + "here\\b.wav;" + w + "here\\d.wav;");
    EXPECT_EQ(aside(*model), "0:C:\\Music\\a.wav;2:" + w + "sub\\c.wav;4:C:\\Music\\e.wav;");
    ReadAppendedSlideShow(*model, w + "extra.vts", prompter);
    EXPECT_EQ(aside(*model), "0:C:\\Music\\a.wav;2:" + w + "sub\\c.wav;4:C:\\Music\\e.wav;5:" + w +
                                 "f.wav;");
    EXPECT_EQ(model->PlayListCount, 3);
    EXPECT_TRUE(prompter.messages.empty());

    // Written as the documented reading left it.
    const std::string written = slideShowBytes(*model);
    EXPECT_EQ(written.substr(written.find("\"<PlayList>\"")),
              test::crlfLines({"\"<PlayList>\"", "\"1\"", "\"list one\"", "\"list two\"", "\"" + w + "here\\b.wav\"",
                               "\"" + w + "here\\d.wav\"", "\"" + w + "here\\b.wav\""}));

    // Opening another show forgets them.
    openSlideShow(*model, w + "extra.vts", prompter);
    EXPECT_EQ(aside(*model), "0:" + w + "f.wav;");
}

TEST_F(PlayListAside, FoundEntriesGoBackToTheirPlacesWithinTheLimit) {
    struct Case {
        const char* name;
        std::vector<int> found; // positions whose files turn up
        int alreadyKept;        // entries added before, to bring the list near its limit
        std::string list, left;
    };
    const std::string a = "C:\\Music\\a.wav", c = w + "sub\\c.wav", e = "C:\\Music\\e.wav";
    const std::string b = w + "here\\b.wav", d = w + "here\\d.wav";
    for (const Case& test : std::vector<Case>{
             {"all", {0, 2, 4}, 0, a + ";" + b + ";" + c + ";" + d + ";" + e + ";", ""},
             {"the last", {4}, 0, b + ";" + d + ";" + e + ";", "0:" + a + ";2:" + c + ";"},
             {"room for one", {0, 2, 4}, 997, "", "2:" + c + ";4:" + e + ";"}}) {
        SlideShowModel copy = *model;
        for (int i = 0; i < test.alreadyKept; ++i)
            copy.playListSlot(copy.PlayListCount++) = "x.wav";
        copy.PlayListPresent = false;
        const int back = restorePlayList(copy, [&](const SetAsideEntry& entry) {
            return std::find(test.found.begin(), test.found.end(), entry.position) != test.found.end();
        });
        EXPECT_EQ(aside(copy), test.left) << test.name;
        EXPECT_EQ(copy.PlayListPresent, back > 0) << test.name;
        if (test.alreadyKept == 0)
            EXPECT_EQ(playList(copy), test.list) << test.name;
        else
            EXPECT_EQ(copy.PlayListCount, 1000) << test.name;
    }
    // The path editor moves them with their folder; OK brings back what is there now.
    PathEditor editor(*model);
    editor.ReplaceFolder("C:\\Music\\", w + "there\\");
    editor.ReplaceFolder(w + "sub\\", w + "there\\");
    editor.commit(*model);
    EXPECT_EQ(playList(*model), w + "there\\a.wav;" + b + ";" + w + "there\\c.wav;" + d + ";");
    EXPECT_EQ(aside(*model), "4:" + w + "there\\e.wav;");
}

TEST_F(PlayListAside, PackCarriesAnEntryWhoseFileCameBackToItsPlace) {
    folder.write("sub/c.wav", "c");
    const auto plan = pack::planPack(*model, w + "packed\\", w + "show.vts", prompter);
    ASSERT_TRUE(plan);
    EXPECT_EQ(playList(*plan->packed), "here\\b.wav;sub\\c.wav;here\\d.wav;");
    EXPECT_EQ(aside(*plan->packed), "0:C:\\Music\\a.wav;4:C:\\Music\\e.wav;");
    EXPECT_EQ(plan->missing, (std::vector<std::string>{"C:\\Music\\a.wav", "C:\\Music\\e.wav"}));
    EXPECT_EQ(model->PlayListCount, 2); // the opened show stays as it was read
}

} // namespace
} // namespace vt
