#include "TestSupport.h"

#include "slideshow/SlideShowCommands.h"
#include "slideshow/SlideShowReader.h"

#include <gtest/gtest.h>
#include <memory>

namespace vt {
namespace {

using test::crlfLines;
using test::RecordingPrompter;
using test::ShowFile;
using test::TempFolder;

ShowFile slidesNamed(const std::string& prefix, int count) {
    ShowFile show;
    for (int i = 0; i < count; ++i)
        show.slides.push_back({prefix + std::to_string(i) + ".jpg", "", "", "", ""});
    return show;
}

class AppendedReader : public ::testing::Test {
protected:
    void SetUp() override {
        ShowFile source = slidesNamed("src", 5);
        source.soundMode = 0;
        source.mainSound = "C:\\theme.wav";
        folder.write("source.vts", source.bytes());
        openSlideShow(*model, folder.win("source.vts"), prompter);
        ASSERT_EQ(model->SlideCount, 5);
    }
    void append(const std::string& name, const std::string& bytes) {
        folder.write(name, bytes);
        ReadAppendedSlideShow(*model, folder.win(name), prompter,
                              [this](std::string_view line) { version = std::string(line); });
    }

    TempFolder folder;
    RecordingPrompter prompter;
    std::unique_ptr<SlideShowModel> model = std::make_unique<SlideShowModel>();
    std::string version = "None";
};

TEST_F(AppendedReader, AddsSlidesBehindTheSourceWithTheirOwnFolder) {
    ShowFile extra = slidesNamed("app", 10);
    extra.version = "Version 2.0";
    extra.soundMode = 3;
    extra.mainSound = "other.wav";
    extra.slides[0].texture = "tex\\t.bmp";
    std::vector<std::string> lines = extra.lines();
    lines[5] = "not a number"; // an appended header is read as texts and cannot fail
    append("more/extra.vts", crlfLines(lines));
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(version, "Version 2.0");
    EXPECT_EQ(model->SlideCount, 15);
    EXPECT_EQ(model->slide(4).SlideFile, folder.win("src4.jpg"));
    EXPECT_EQ(model->slide(5).SlideFile, folder.win("more\\app0.jpg"));
    EXPECT_EQ(model->slide(5).SlideTexture, folder.win("more\\tex\\t.bmp"));
    EXPECT_EQ(model->slide(14).SlideFile, folder.win("more\\app9.jpg"));
    EXPECT_EQ(model->SoundMode, 0); // the appended header is not kept
    EXPECT_EQ(model->MainSoundFile, "C:\\theme.wav");

    append("more/extra.vts", extra.bytes()); // the same file again adds its slides again
    EXPECT_EQ(model->SlideCount, 25);
    EXPECT_EQ(model->slide(24).SlideFile, folder.win("more\\app9.jpg"));
}

TEST_F(AppendedReader, ARejectedOrCutFileAddsNothingItCouldNotFinish) {
    append("bad.vts", "\"Something else\"\r\n");
    ShowFile other = slidesNamed("x", 2);
    other.version = "Version 4.0";
    append("new.vts", other.bytes());
    EXPECT_EQ(version, "Version 4.0");
    EXPECT_EQ(model->SlideCount, 5);

    std::vector<std::string> lines = slidesNamed("cut", 2).lines();
    lines.resize(lines.size() - 3);
    append("cut.vts", crlfLines(lines));
    EXPECT_EQ(prompter.messages.size(), 3u);
    EXPECT_EQ(model->SlideCount, 6); // the cut record is not counted
    EXPECT_EQ(model->slide(6).SlideFile, "cut1.jpg"); // and stays behind the end, as read
    EXPECT_EQ(model->slide(5).SlideFile, "cut0.jpg"); // no path is made absolute after a failure
}

TEST_F(AppendedReader, PlayListEntriesJoinTheSourcesList) {
    folder.write("a.wav", "RIFF");
    folder.write("more/b.wav", "RIFF");
    ShowFile extra = slidesNamed("app", 1);
    extra.hasPlayList = true;
    extra.playList = {"b.wav", "missing.wav"};
    append("more/extra.vts", extra.bytes());
    EXPECT_EQ(model->PlayListCount, 1);
    EXPECT_TRUE(model->PlayListPresent);
    EXPECT_FALSE(model->PlayListFlag); // flag and texts stay the source's
    EXPECT_EQ(model->PlayListText1, "");
    EXPECT_EQ(model->playList(0), folder.win("more\\b.wav"));

    extra.playList.assign(1200, "b.wav");
    append("more/extra.vts", extra.bytes());
    EXPECT_EQ(model->PlayListCount, 1000);
    append("more/extra.vts", extra.bytes());
    const std::string limit = "The maximum number of 1,000 sound files has been reached, unable "
                              "to add the remaining files to the Play List...";
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{limit, limit}));
    EXPECT_EQ(model->SlideCount, 8);
}

TEST_F(AppendedReader, AFullTableTakesNothingMore) {
    append("big.vts", slidesNamed("b", MaxSlides - 6).bytes());
    EXPECT_EQ(model->SlideCount, MaxSlides - 1);
    EXPECT_TRUE(prompter.messages.empty());
    ShowFile two = slidesNamed("t", 2);
    two.hasPlayList = true;
    two.playList = {"C:\\x.wav"};
    append("two.vts", two.bytes());
    EXPECT_EQ(model->SlideCount, MaxSlides);
    append("two.vts", two.bytes());
    EXPECT_EQ(model->SlideCount, MaxSlides);
    EXPECT_TRUE(model->slide(MaxSlides).SlideFile.empty());
    const std::string limit = "The maximum of 30,000 slides has been reached.\r\n\r\nAny remaining "
                              "images in the slide show file will be ignored...";
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{limit, limit}));
}

} // namespace
} // namespace vt
