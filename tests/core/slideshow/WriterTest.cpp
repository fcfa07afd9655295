#include "TestSupport.h"

#include "slideshow/SlideShowCommands.h"
#include "slideshow/SlideShowWriter.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace vt {
namespace {

using test::crlfLines;
using test::RecordingPrompter;
using test::ShowFile;
using test::TempFolder;

class Writer : public ::testing::Test {
protected:
    void openShow(const ShowFile& show) {
        folder.write("in.vts", show.bytes());
        openSlideShow(*model, folder.win("in.vts"), prompter);
    }
    std::string write(const std::string& name) {
        WriteSlideShow(*model, folder.win(), name, prompter, lastSlideShow);
        return folder.read(name);
    }

    TempFolder folder;
    RecordingPrompter prompter;
    std::unique_ptr<SlideShowModel> model = std::make_unique<SlideShowModel>();
    std::string lastSlideShow;
};

TEST_F(Writer, WritesWhatItReadAsVersionThree) {
    folder.write("song.wav", "RIFF");
    ShowFile show;
    show.version = "Version 2.0";
    show.soundMode = 3;
    show.mainSound = "C:\\theme.wav";
    show.slides = {{"C:\\a.jpg", "On the beach", "2", "C:\\t.bmp", "x"}};
    show.slides[0].setting6 = 0;
    show.hasPlayList = true;
    show.playList = {folder.win("song.wav")};
    openShow(show);
    const std::string written = write("out.vts");
    show.version = "Version 3.0";
    EXPECT_EQ(written, show.bytes());
    EXPECT_EQ(lastSlideShow, folder.win("out.vts"));
    EXPECT_TRUE(prompter.messages.empty());

    auto again = std::make_unique<SlideShowModel>();
    openSlideShow(*again, folder.win("out.vts"), prompter);
    EXPECT_EQ(headerBytes(*again), headerBytes(*model));
    EXPECT_EQ(again->slide(0), model->slide(0));
    EXPECT_EQ(again->slide(0).SlideSetting6, 0);
}

TEST_F(Writer, AShowWithoutSlidesIsTwentyThreeLines) {
    openShow(ShowFile{});
    EXPECT_EQ(write("empty.vts"), crlfLines(ShowFile{}.headerLines()));
}

TEST_F(Writer, ThePlayListNeedsSoundModeThree) {
    folder.write("song.wav", "RIFF");
    ShowFile show;
    show.soundMode = 2;
    show.hasPlayList = true;
    show.playList = {"song.wav"};
    openShow(show);
    ASSERT_EQ(model->PlayListCount, 1);
    EXPECT_EQ(write("out.vts"), crlfLines(show.headerLines()));
    model->SoundMode = 3;
    EXPECT_NE(write("out.vts").find("\"<PlayList>\"\r\n\"1\"\r\n"), std::string::npos);
}

TEST_F(Writer, FlagLinesTakeTheirFileForms) {
    openShow(ShowFile{});
    auto flagLines = [&](bool f1, bool f2, bool f3, bool f4) {
        model->ShowFlag1 = f1;
        model->ShowFlag2 = f2;
        model->ShowFlag3 = f3;
        model->ShowFlag4 = f4;
        const std::string bytes = headerBytes(*model);
        std::vector<std::string> lines;
        for (std::size_t start = 0; start < bytes.size();) {
            const std::size_t end = bytes.find("\r\n", start);
            lines.push_back(bytes.substr(start, end - start));
            start = end + 2;
        }
        return lines[19] + " " + lines[20] + " " + lines[21];
    };
    EXPECT_EQ(flagLines(true, true, true, true), "\"1\" \"11\" -1");
    EXPECT_EQ(flagLines(false, true, false, false), "\"0\" \"10\" 0");
    EXPECT_EQ(flagLines(false, false, true, false), "\"0\" \"01\" 0");
    EXPECT_EQ(flagLines(false, false, false, true), "\"0\" \"00\" -1");
}

TEST_F(Writer, AFailedWriteIsReportedAndStillRemembered) {
    openShow(ShowFile{});
    WriteSlideShow(*model, folder.win("no\\such\\"), "x.vts", prompter, lastSlideShow);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Unable to save new slide show file.\r\n"
                                                         "\r\nNo such file or directory..."});
    EXPECT_EQ(prompter.messages[0].icon, Icon::Critical);
    EXPECT_EQ(lastSlideShow, folder.win("no\\such\\x.vts"));
}

TEST_F(Writer, AFullDiskLeavesThePartWritten) {
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full here";
    openShow(ShowFile{});
    WriteSlideShow(*model, "Z:\\dev\\", "full", prompter, lastSlideShow);
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"An error occurred while trying to write the new slide show "
                                       "header.\r\n\r\nNo space left on device..."});
    EXPECT_EQ(lastSlideShow, "Z:\\dev\\full");
}

} // namespace
} // namespace vt
