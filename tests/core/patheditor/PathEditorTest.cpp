#include "FakeSeams.h"
#include "ModelBuilder.h"
#include "TestSupport.h"

#include "patheditor/PathEditor.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

using Rows = std::vector<std::string>;

TEST(PathEditor, FolderRowsKeepFirstOccurrenceOrderAndCase) {
    const PathEditor lists(
        *test::makeModel({{"C:\\Pics\\a.jpg", "", "5"},
                          {"D:\\b.jpg", "C:\\Tex\\t.bmp", " 12 "},
                          {"c:\\pics\\c.jpg", "c:\\TEX\\u.bmp", "C:\\Snd\\s.wav"},
                          {"C:\\Pics\\Holiday\\d.jpg", "", ""},
                          {"e.jpg", "", ""},
                          {"C:\\\xc9t\xe9\\f.jpg", "", ""},
                          {"c:\\\xe9T\xc9\\g.jpg", "", ""}},
                         {"c:\\snd\\p.wav", "D:\\Music\\q.mp3", "7"}));
    EXPECT_EQ(lists.ListSlide,
              (Rows{"C:\\Pics\\", "D:\\", "C:\\Pics\\Holiday\\", "", "C:\\\xc9t\xe9\\"}));
    EXPECT_EQ(lists.ListTexture, Rows{"C:\\Tex\\"});
    // Track numbers have no folder; the play list's new folders follow the
    // slides' ones, a numeric entry by its (empty) folder.
    EXPECT_EQ(lists.ListSound, (Rows{"C:\\Snd\\", "D:\\Music\\", ""}));

    PathEditor empty(*test::makeModel({})); // no slides: still one (empty) slide row
    EXPECT_EQ(empty.ListSlide, Rows{""});
    // An empty old path begins every entry but replaces only the empty row.
    EXPECT_EQ(empty.ReplaceFolder("", "D:\\x\\").slide, 0);
    EXPECT_EQ(empty.ListSlide, Rows{"D:\\x\\"});
}

class Modify : public ::testing::Test {
  protected:
    // Selects a row, types text into the input box and runs the command.
    bool run(int box, int row, std::string typed) {
        editor.SelectedBox = box;
        prompter.typed = {std::move(typed)};
        return editor.modify(row, prompter, pointer).has_value();
    }

    std::unique_ptr<SlideShowModel> model =
        test::makeModel({{"C:\\Pics\\a.jpg", "C:\\Pics\\t.bmp", "C:\\Pics\\s.wav"},
                         {"c:\\pics\\b.jpg", "", "3"},
                         {"C:\\Pics\\Holiday\\c.jpg", "", ""}},
                        {"C:\\Pics\\p.wav", "C:\\Other\\q.wav"}, "  C:\\Pics\\m.mid ");
    PathEditor editor{*model};
    test::RecordingPrompter prompter;
    test::FakeBusyPointer pointer;
};

TEST_F(Modify, ReplacesTheFolderInEveryTableAndTheEqualRows) {
    ASSERT_TRUE(run(SlideBox, 0, "D:\\Images"));

    // The prefix test ignores case, the replacement does not.
    EXPECT_EQ(editor.EditSlideFile,
              (Rows{"D:\\Images\\a.jpg", "c:\\pics\\b.jpg", "D:\\Images\\Holiday\\c.jpg"}));
    EXPECT_EQ(editor.EditSlideTexture, (Rows{"D:\\Images\\t.bmp", "", ""}));
    EXPECT_EQ(editor.EditSlideSound, (Rows{"D:\\Images\\s.wav", "3", ""}));
    EXPECT_EQ(editor.EditPlayList, (Rows{"D:\\Images\\p.wav", "C:\\Other\\q.wav"}));
    EXPECT_EQ(editor.ListSlide, (Rows{"D:\\Images\\", "C:\\Pics\\Holiday\\"}));
    EXPECT_EQ(editor.ListSound, (Rows{"D:\\Images\\", "C:\\Other\\"}));
    const auto& in = prompter.inputs.at(0);
    EXPECT_EQ(in.prompt + "|" + in.title + "|" + in.initial + "|" + std::to_string(in.helpContext),
              "Enter a new path or modify the existing one:|Modify Selected Path|C:\\Pics\\|450");
    EXPECT_TRUE(pointer.isDefault());
    EXPECT_EQ(model->slide(0).SlideFile, "C:\\Pics\\a.jpg"); // not before commit

    // A change of letter case only is a change; a row may then equal another.
    ASSERT_TRUE(run(SlideBox, 0, "d:\\images\\"));
    ASSERT_TRUE(run(SlideBox, 1, "d:\\images\\"));
    EXPECT_EQ(editor.ListSlide, (Rows{"d:\\images\\", "d:\\images\\"}));

    editor.commit(*model);
    EXPECT_EQ(model->slide(2).SlideFile, "d:\\images\\Holiday\\c.jpg");
    EXPECT_EQ(model->playList(0), "d:\\images\\p.wav");
    EXPECT_EQ(model->MainSoundFile, "C:\\Pics\\m.mid"); // trimmed
}

TEST_F(Modify, RefusesWithoutChangingAnything) {
    EXPECT_FALSE(run(NoBox, 0, "D:\\x"));
    EXPECT_FALSE(run(TextureBox, -1, "D:\\x"));
    EXPECT_FALSE(run(SlideBox, 0, "")); // the input box cancelled
    EXPECT_FALSE(run(SlideBox, 0, "\\\\server\\share\\"));
    EXPECT_FALSE(run(SlideBox, 0, "D:\\a\\..\\b"));
    pointer.setHourglass(); // another command is running: nothing at all happens
    EXPECT_FALSE(run(SlideBox, 0, "D:\\x"));

    EXPECT_EQ(prompter.inputs.size(), 3u);
    EXPECT_EQ(editor.EditSlideFile, PathEditor(*model).EditSlideFile);
    const std::string select = "Select the path you would like to edit and then try again...";
    const std::string invalid = "The path that was specified contains one or more of the following "
                                "invalid characters:\r\n\r\n.. <  > \" = ; * , ? +\r\n\r\nEnter a "
                                "new path and then try again...";
    EXPECT_EQ(
        prompter.texts(),
        (Rows{select, select,
              "Unable to modify file path, you must specify the drive and/or folder...", invalid}));
    EXPECT_EQ(prompter.messages[2].icon, Icon::Information);
    EXPECT_EQ(prompter.messages[3].icon, Icon::Exclamation);

    for (std::string bad : {"\"", "+", "?", ",", "*", ";", "=", ">", "<", ".."})
        EXPECT_FALSE(ValidatePathChars("C:\\a" + bad + "b")) << bad;
    EXPECT_TRUE(ValidatePathChars("C:\\my.pics/new folder\\x.y\\&'()[]{}!@#$%^~\xe9"));
}

TEST_F(Modify, AnEmptiedMainSoundBoxReplacesNothingAndClearsTheMainSound) {
    // As a source it begins every entry, but an empty text replaces nothing.
    editor.TextSound = "";
    ASSERT_TRUE(run(MainSoundBox, -1, "D:\\x"));
    EXPECT_EQ(editor.EditSlideFile, PathEditor(*model).EditSlideFile);

    editor.TextSound = "   ";
    editor.commit(*model);
    EXPECT_EQ(model->MainSoundFile, "");
    PathEditor silent(*model); // a show without a main sound file: the box is disabled
    EXPECT_FALSE(silent.TextSoundEnabled);
    silent.TextSound = "C:\\typed.wav";
    silent.commit(*model);
    EXPECT_EQ(model->MainSoundFile, "");
}

} // namespace
} // namespace vt
