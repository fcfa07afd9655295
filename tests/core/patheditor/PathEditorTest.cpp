#include "FakeSeams.h"
#include "ModelBuilder.h"

#include "patheditor/PathEditor.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

using Rows = std::vector<std::string>;

TEST(PathEditor, FolderRowsKeepFirstOccurrenceOrderAndCase) {
    const auto model = test::makeModel({{"C:\\Pics\\a.jpg", "", "5"},
                                        {"D:\\b.jpg", "C:\\Tex\\t.bmp", " 12 "},
                                        {"c:\\pics\\c.jpg", "c:\\TEX\\u.bmp", "C:\\Snd\\s.wav"},
                                        {"C:\\Pics\\Holiday\\d.jpg", "", ""},
                                        {"e.jpg", "", ""},
                                        {"C:\\\xc9t\xe9\\f.jpg", "", ""},
                                        {"c:\\\xe9T\xc9\\g.jpg", "", ""}},
                                       {"c:\\snd\\p.wav", "D:\\Music\\q.mp3", "7"});
    PathEditor lists(*model);
    EXPECT_EQ(lists.ListSlide,
              (Rows{"C:\\Pics\\", "D:\\", "C:\\Pics\\Holiday\\", "", "C:\\\xc9t\xe9\\"}));
    EXPECT_EQ(lists.ListTexture, Rows{"C:\\Tex\\"});
    // Track numbers have no folder; the play list's new folders follow the
    // slides' ones, a numeric entry by its (empty) folder.
    EXPECT_EQ(lists.ListSound, (Rows{"C:\\Snd\\", "D:\\Music\\", ""}));
    EXPECT_EQ(PathEditor(*test::makeModel({})).ListSlide, Rows{""}); // no slides: still one row
    EXPECT_FALSE(lists.TextSoundEnabled); // no main sound file: its box is disabled

    // An empty old path (an emptied main sound box) begins every entry but
    // replaces only the empty rows.
    EXPECT_EQ(lists.ReplaceFolder("", "D:\\x\\").slide, 3);
    EXPECT_EQ(lists.EditSlideFile, PathEditor(*model).EditSlideFile);
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

TEST_F(Modify, RefusesWithoutChangingAnythingThenReplacesTheFolderEverywhere) {
    EXPECT_FALSE(run(TextureBox, -1, "D:\\x"));
    EXPECT_FALSE(run(SlideBox, 0, "")); // the input box cancelled
    EXPECT_FALSE(run(SlideBox, 0, "\\\\server\\share\\"));
    EXPECT_FALSE(run(SlideBox, 0, "D:\\a\\..\\b"));
    pointer.setHourglass(); // another command is running: nothing at all happens
    EXPECT_FALSE(run(SlideBox, 0, "D:\\x"));
    EXPECT_EQ(prompter.inputs.size(), 3u);
    EXPECT_EQ(editor.EditSlideFile, PathEditor(*model).EditSlideFile);
    EXPECT_EQ(prompter.texts(),
              (Rows{"Select the path you would like to edit and then try again...",
                    "Unable to modify file path, you must specify the drive and/or folder...",
                    "The path that was specified contains one or more of the following invalid "
                    "characters:\r\n\r\n.. <  > \" = ; * , ? +\r\n\r\nEnter a new path and then "
                    "try again..."}));
    EXPECT_EQ(prompter.messages[1].icon, Icon::Information);
    EXPECT_EQ(prompter.messages[2].icon, Icon::Exclamation);
    for (std::string bad : {"\"", "+", "?", ",", "*", ";", "=", ">", "<", ".."})
        EXPECT_FALSE(ValidatePathChars("C:\\a" + bad + "b")) << bad;
    EXPECT_TRUE(ValidatePathChars("C:\\my.pics/new folder\\x.y\\&'()[]{}!@#$%^~\xe9"));

    pointer.setDefault();
    ASSERT_TRUE(run(SlideBox, 0, "D:\\Images"));
    // The prefix test ignores case, the replacement does not.
    EXPECT_EQ(editor.EditSlideFile,
              (Rows{"D:\\Images\\a.jpg", "c:\\pics\\b.jpg", "D:\\Images\\Holiday\\c.jpg"}));
    EXPECT_EQ(editor.EditSlideTexture, (Rows{"D:\\Images\\t.bmp", "", ""}));
    EXPECT_EQ(editor.EditSlideSound, (Rows{"D:\\Images\\s.wav", "3", ""}));
    EXPECT_EQ(editor.EditPlayList, (Rows{"D:\\Images\\p.wav", "C:\\Other\\q.wav"}));
    EXPECT_EQ(editor.ListSlide, (Rows{"D:\\Images\\", "C:\\Pics\\Holiday\\"}));
    EXPECT_EQ(editor.ListSound, (Rows{"D:\\Images\\", "C:\\Other\\"}));
    const auto& in = prompter.inputs.back();
    EXPECT_EQ(in.prompt + "|" + in.title + "|" + in.initial + "|" + std::to_string(in.helpContext),
              "Enter a new path or modify the existing one:|Modify Selected Path|C:\\Pics\\|450");
    EXPECT_TRUE(pointer.isDefault());
    EXPECT_EQ(model->slide(0).SlideFile, "C:\\Pics\\a.jpg"); // not before commit

    ASSERT_TRUE(run(SlideBox, 0, "d:\\images\\")); // a change of letter case only is a change
    editor.commit(*model);
    EXPECT_EQ(model->slide(2).SlideFile, "d:\\images\\Holiday\\c.jpg");
    EXPECT_EQ(model->playList(0), "d:\\images\\p.wav");
    EXPECT_EQ(model->MainSoundFile, "C:\\Pics\\m.mid"); // trimmed
}

} // namespace
} // namespace vt
