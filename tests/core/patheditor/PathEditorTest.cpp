#include "FakeSeams.h"
#include "ModelBuilder.h"
#include "TestSupport.h"

#include "patheditor/PathEditor.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

using Rows = std::vector<std::string>;
using test::makeModel;

const std::string InvalidChars =
    "The path that was specified contains one or more of the following invalid "
    "characters:\r\n\r\n.. <  > \" = ; * , ? +\r\n\r\nEnter a new path and then try again...";
const std::string SelectFirst = "Select the path you would like to edit and then try again...";
const std::string NeedDrive =
    "Unable to modify file path, you must specify the drive and/or folder...";

class Modify : public ::testing::Test {
  protected:
    // Selects a row, types text into the input box and runs the command.
    bool run(int box, int row, std::string typed) {
        editor.SelectedBox = box;
        prompter.typed = {std::move(typed)};
        return editor.modify(row, prompter, pointer).has_value();
    }

    std::unique_ptr<SlideShowModel> model =
        makeModel({{"C:\\Pics\\a.jpg", "C:\\Pics\\t.bmp", "C:\\Pics\\s.wav"},
                   {"c:\\pics\\b.jpg", "", "3"},
                   {"C:\\Pics\\Holiday\\c.jpg", "", ""}},
                  {"C:\\Pics\\p.wav", "C:\\Other\\q.wav"}, "  C:\\Pics\\m.mid ");
    PathEditor editor{*model};
    test::RecordingPrompter prompter;
    test::FakeBusyPointer pointer;
};

TEST_F(Modify, ReplacesTheFolderInEveryTableAndTheEqualRows) {
    ASSERT_EQ(editor.ListSlide, (Rows{"C:\\Pics\\", "C:\\Pics\\Holiday\\"}));
    ASSERT_TRUE(run(SlideBox, 0, "D:\\Images"));

    // The prefix test ignores case, the replacement does not.
    EXPECT_EQ(editor.EditSlideFile,
              (Rows{"D:\\Images\\a.jpg", "c:\\pics\\b.jpg", "D:\\Images\\Holiday\\c.jpg"}));
    EXPECT_EQ(editor.EditSlideTexture, (Rows{"D:\\Images\\t.bmp", "", ""}));
    EXPECT_EQ(editor.EditSlideSound, (Rows{"D:\\Images\\s.wav", "3", ""}));
    EXPECT_EQ(editor.EditPlayList, (Rows{"D:\\Images\\p.wav", "C:\\Other\\q.wav"}));
    EXPECT_EQ(editor.ListSlide, (Rows{"D:\\Images\\", "C:\\Pics\\Holiday\\"}));
    EXPECT_EQ(editor.ListSound, (Rows{"D:\\Images\\", "C:\\Other\\"}));

    ASSERT_EQ(prompter.inputs.size(), 1u);
    EXPECT_EQ(prompter.inputs[0].prompt, "Enter a new path or modify the existing one:");
    EXPECT_EQ(prompter.inputs[0].title, "Modify Selected Path");
    EXPECT_EQ(prompter.inputs[0].initial, "C:\\Pics\\");
    EXPECT_EQ(prompter.inputs[0].helpContext, 450);
    EXPECT_TRUE(pointer.isDefault());
    EXPECT_EQ(pointer.pendingRuns, 1);
    EXPECT_EQ(model->slide(0).SlideFile, "C:\\Pics\\a.jpg"); // not before commit
}

TEST_F(Modify, RefusesWithoutChangingAnything) {
    const PathEditor before = editor;
    auto unchanged = [&] {
        EXPECT_EQ(editor.EditSlideFile, before.EditSlideFile);
        EXPECT_EQ(editor.ListSlide, before.ListSlide);
    };
    EXPECT_FALSE(run(NoBox, 0, "D:\\x"));
    EXPECT_FALSE(run(TextureBox, -1, "D:\\x"));
    editor.ListTexture.clear();
    EXPECT_FALSE(run(TextureBox, 0, "D:\\x"));
    EXPECT_EQ(prompter.inputs.size(), 0u);
    editor.ListTexture = before.ListTexture;

    EXPECT_FALSE(run(SlideBox, 0, ""));           // the input box cancelled
    EXPECT_FALSE(run(SlideBox, 0, "C:\\Pics\\")); // unchanged
    EXPECT_FALSE(run(SlideBox, 0, "\\\\server\\share\\"));
    EXPECT_FALSE(run(SlideBox, 0, "D:\\a\\..\\b"));
    EXPECT_FALSE(run(SlideBox, 0, "D:\\a+b"));
    unchanged();
    EXPECT_EQ(prompter.texts(),
              (Rows{SelectFirst, SelectFirst, SelectFirst, NeedDrive, InvalidChars, InvalidChars}));
    EXPECT_EQ(prompter.messages[3].icon, Icon::Information);
    EXPECT_EQ(prompter.messages[4].icon, Icon::Exclamation);

    // While another command shows the hourglass nothing at all happens.
    pointer.setHourglass();
    EXPECT_FALSE(run(SlideBox, 0, "D:\\x"));
    EXPECT_EQ(prompter.inputs.size(), 5u);
    unchanged();
}

TEST_F(Modify, ACaseOnlyChangeIsAcceptedAndReplacesTheRow) {
    ASSERT_TRUE(run(SlideBox, 1, "c:\\pics\\holiday\\"));
    EXPECT_EQ(editor.ListSlide, (Rows{"C:\\Pics\\", "c:\\pics\\holiday\\"}));
    EXPECT_EQ(editor.EditSlideFile[2], "c:\\pics\\holiday\\c.jpg");
    // A new folder may equal another row: both stay.
    ASSERT_TRUE(run(SlideBox, 1, "C:\\Pics\\"));
    EXPECT_EQ(editor.ListSlide, (Rows{"C:\\Pics\\", "C:\\Pics\\"}));
}

TEST_F(Modify, TheMainSoundBoxIsASourceButKeepsItsText) {
    // Emptied, it begins every entry but replaces nothing.
    editor.TextSound.clear();
    ASSERT_TRUE(run(MainSoundBox, -1, "D:\\x"));
    EXPECT_EQ(editor.EditSlideFile, PathEditor(*model).EditSlideFile);

    editor.TextSound = "C:\\Pics\\";
    ASSERT_TRUE(run(MainSoundBox, -1, "E:\\Sounds"));
    EXPECT_EQ(editor.TextSound, "C:\\Pics\\");
    EXPECT_EQ(editor.EditSlideSound[0], "E:\\Sounds\\s.wav");
}

TEST(ReplaceFolder, AnEmptyOldPathOnlyReplacesAnEmptyRow) {
    auto noSlides = makeModel({});
    PathEditor empty(*noSlides);
    EXPECT_EQ(empty.ReplaceFolder("", "D:\\x\\").slide, 0);
    EXPECT_EQ(empty.ListSlide, Rows{"D:\\x\\"});
}

TEST_F(Modify, CommitWritesTheWorkingCopiesAndTheTrimmedMainSound) {
    ASSERT_TRUE(run(SoundBox, 1, "F:\\"));
    editor.commit(*model);
    EXPECT_EQ(model->MainSoundFile, "C:\\Pics\\m.mid");
    EXPECT_EQ(model->playList(1), "F:\\q.wav");

    editor.TextSound = "   ";
    editor.commit(*model);
    EXPECT_EQ(model->MainSoundFile, "");

    // A show without a main sound file opens with the box disabled.
    PathEditor silent(*model);
    EXPECT_FALSE(silent.TextSoundEnabled);
    silent.TextSound = "C:\\typed.wav";
    silent.commit(*model);
    EXPECT_EQ(model->MainSoundFile, "");
}

TEST(ValidatePathChars, RefusesEachInvalidCharacterOnly) {
    for (std::string bad : {"\"", "+", "?", ",", "*", ";", "=", ">", "<", ".."})
        EXPECT_FALSE(ValidatePathChars("C:\\a" + bad + "b")) << bad;
    EXPECT_TRUE(ValidatePathChars("C:\\my.pics/new folder\\x.y\\&'()[]{}!@#$%^~\xe9"));
}

} // namespace
} // namespace vt
