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

// Every header line holds a value of its own, so a field read into or written
// from the wrong place shows.
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
    show.version = "Version 3.0";
    EXPECT_EQ(write("out.vts"), show.bytes());
    EXPECT_EQ(lastSlideShow, folder.win("out.vts"));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(Writer, ThePlayListNeedsSoundModeThree) {
    folder.write("song.wav", "RIFF");
    ShowFile show;
    show.soundMode = 2;
    show.hasPlayList = true;
    show.playList = {"song.wav"};
    openShow(show);
    ASSERT_EQ(model->PlayListCount, 1);
    EXPECT_EQ(write("out.vts"), crlfLines(show.headerLines())); // 23 lines, no slides
    show.soundMode = 3;
    model->SoundMode = 3;
    EXPECT_EQ(write("out.vts"), crlfLines(show.headerLines()) +
                                    "\"<PlayList>\"\r\n\"1\"\r\n\"list one\"\r\n\"list two\"\r\n\"" +
                                    folder.win("song.wav") + "\"\r\n");
}

TEST_F(Writer, FlagLinesTakeTheirFileForms) {
    openShow(ShowFile{});
    auto flagLines = [&](bool f1, bool f2, bool f3, bool f4) {
        model->ShowFlag1 = f1;
        model->ShowFlag2 = f2;
        model->ShowFlag3 = f3;
        model->ShowFlag4 = f4;
        const std::string bytes = headerBytes(*model);
        const std::size_t line20 = bytes.find("\"2\"\r\n") + 5; // after ShowChoice
        return bytes.substr(line20, bytes.rfind("\r\n\"") - line20);
    };
    EXPECT_EQ(flagLines(true, true, true, true), "\"1\"\r\n\"11\"\r\n-1");
    EXPECT_EQ(flagLines(false, true, false, false), "\"0\"\r\n\"10\"\r\n0");
    EXPECT_EQ(flagLines(false, false, true, false), "\"0\"\r\n\"01\"\r\n0");
    EXPECT_EQ(flagLines(false, false, false, true), "\"0\"\r\n\"00\"\r\n-1");
}

TEST_F(Writer, AFailedWriteIsReportedAndStillRemembered) {
    openShow(ShowFile{});
    WriteSlideShow(*model, folder.win("no\\such\\"), "x.vts", prompter, lastSlideShow);
    EXPECT_EQ(lastSlideShow, folder.win("no\\such\\x.vts"));
    if (std::filesystem::exists("/dev/full"))
        WriteSlideShow(*model, "Z:\\dev\\", "full", prompter, lastSlideShow);
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{
                  "Unable to save new slide show file.\r\n\r\nNo such file or directory...",
                  "An error occurred while trying to write the new slide show header.\r\n\r\nNo "
                  "space left on device..."}));
    EXPECT_EQ(prompter.messages[0].icon, Icon::Critical);
}

} // namespace
} // namespace vt
