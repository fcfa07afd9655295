#include "FakeSeams.h"
#include "ModelBuilder.h"
#include "TestSupport.h"

#include "listing/FilenameListing.h"
#include "platform/FileSystem.h"

#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
#include <regex>

namespace vt {
namespace {

TEST(FilenameListing, ListsEverySectionWithOrWithoutNumbersAndSaysWhenOneIsEmpty) {
    const auto model = test::makeModel(
        {{"C:\\Pics\\a.jpg", "C:\\Tex\\t.bmp", "3"}, {"C:\\Pics\\b.avi", "", "C:\\Snd\\s.wav"}}, {},
        "C:\\Snd\\m.mid");
    // clang-format off
    const std::string numbered = test::crlfLines({
        "", "\t*** Slide Show Image and/or Movie Files", "",
        "(1) C:\\Pics\\a.jpg", "(2) C:\\Pics\\b.avi",
        "", "\t*** Slide Show Background Textures", "", "(1) C:\\Tex\\t.bmp",
        "", "\t*** Main Sound File", "", "C:\\Snd\\m.mid",
        "", "\t*** Sound Files for Each Slide", "", "(1) CD-Audio Track #3", "(2) C:\\Snd\\s.wav",
        "", "\t*** Slide Show Play List", "", "No sounds are in the Play List..."});
    // clang-format on
    EXPECT_EQ(filenameListingBytes(*model, {.SlideNumbers = true}), numbered);
    EXPECT_EQ(filenameListingBytes(*model, {}),
              std::regex_replace(numbered, std::regex(R"(\(\d\) )"), ""));
    // clang-format off
    EXPECT_EQ(filenameListingBytes(*test::makeModel({}), {.SlideNumbers = true}), test::crlfLines({
        "", "\t*** Slide Show Image and/or Movie Files", "",
        "No slides were read from the slide show file...",
        "", "\t*** Slide Show Background Textures", "",
        "There are no background textures specified...",
        "", "\t*** Main Sound File", "", "No main sound file...",
        "", "\t*** Sound Files for Each Slide", "",
        "There are no sounds specified for each slide...",
        "", "\t*** Slide Show Play List", "", "No sounds are in the Play List..."}));
    // clang-format on
}

TEST(FilenameListing, NumbersFollowTheSlideOrPlayListPosition) {
    std::vector<test::SlidePaths> slides(7);
    slides[6].texture = "C:\\Tex\\seven.bmp";
    std::vector<std::string> playList;
    for (int i = 1; i <= 1000; ++i)
        playList.push_back("C:\\Snd\\" + std::to_string(i) + ".wav");
    const std::string list =
        filenameListingBytes(*test::makeModel(slides, playList),
                             {.chkSlide = false, .chkSound = false, .SlideNumbers = true});
    EXPECT_TRUE(list.starts_with("\r\n\t*** Slide Show Background Textures\r\n\r\n"
                                 "(7) C:\\Tex\\seven.bmp\r\n\r\n\t*** Slide Show Play List\r\n\r\n"
                                 "(1) C:\\Snd\\1.wav\r\n"));
    EXPECT_TRUE(list.ends_with("\r\n(999) C:\\Snd\\999.wav\r\n(1000) C:\\Snd\\1000.wav\r\n"));
}

TEST(FilenameListing, SaysWhyTheListingCannotBeWrittenOrOpenedAndKeepsTheLastOne) {
    test::TempFolder folder;
    test::RecordingPrompter prompter;
    WriteFilenameListing(*test::makeModel({}), {}, folder.win("gone\\"), prompter);
    // A full disk keeps the last listing whole.
    folder.write("VTUtil.tmp", "the last listing");
    files::setWriteFault(files::WriteFault{ENOSPC, 3});
    WriteFilenameListing(*test::makeModel({}), {}, folder.win(""), prompter);
    files::setWriteFault(std::nullopt);
    EXPECT_EQ(folder.read("VTUtil.tmp"), "the last listing");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.host()), {}), 1);

    test::FakeShellOpener shell;
    shell.result = {2, {}}; // a code the desktop answers with is not looked at
    EXPECT_TRUE(ShowListingFile(true, "Z:\\opt\\vt\\", shell, prompter));
    shell.result = {0, "No such file or directory"};
    EXPECT_FALSE(ShowListingFile(false, "Z:\\opt\\vt\\", shell, prompter));
    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(shell.calls[0].file + "|" + shell.calls[0].parameters + "|" + shell.calls[0].folder,
              "NOTEPAD.EXE|\"Z:\\opt\\vt\\VTUtil.tmp\"|Z:\\opt\\vt\\");
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{
                  "Unable to create temporary file to hold slide show filenames.\r\n\r\n"
                  "No such file or directory...",
                  "Unable to create temporary file to hold slide show filenames.\r\n\r\n"
                  "No space left on device...",
                  "Unable to start WORDPAD.EXE to display the filenames.\r\n\r\n"
                  "No such file or directory..."}));
    EXPECT_EQ(prompter.messages[0].icon, Icon::Exclamation);
    EXPECT_EQ(prompter.messages[2].icon, Icon::Critical);
}

TEST(FilenameListing, TheWindowsListingIsUtf8ForTheTextEditor) {
    const test::ScopedCodePage russian(1251);
    test::TempFolder folder;
    test::RecordingPrompter prompter;
    const auto model = test::makeModel({{"C:\\\xd4\xee\xf2\xee\\\xeb\xe5\xf2\xee.png", "", ""}});
    const UtilityOptions slidesOnly{.chkTexture = false, .chkSound = false, .chkPlayList = false};
    WriteFilenameListing(*model, slidesOnly, folder.win(""), prompter);
    EXPECT_EQ(folder.read("VTUtil.tmp"), "\r\n\t*** Slide Show Image and/or Movie Files\r\n\r\n"
                                         "C:\\Фото\\лето.png\r\n");
    EXPECT_TRUE(prompter.messages.empty());
}

// A program folder we cannot write (a package install; root writes
// anywhere, so a folder that is gone stands in for it) sends the listing to
// our folder in the user's cache, made when needed; the start folder never
// gets one.
TEST(FilenameListing, GoesToTheCacheWhenTheProgramFolderCannotBeWritten) {
    test::TempFolder folder;
    test::ScopedEnvironment cache("XDG_CACHE_HOME", folder.host("cache").c_str());
    test::ScopedCurrentFolder here(folder.host());
    EXPECT_EQ(ListingFolder(folder.win()), folder.win());
    const std::string cached = ListingFolder(folder.win("gone\\"));
    EXPECT_EQ(cached, folder.win("cache\\vtutil\\"));
    test::RecordingPrompter prompter;
    WriteFilenameListing(*test::makeModel({}), {}, cached, prompter);
    EXPECT_TRUE(folder.exists("cache/vtutil/VTUtil.tmp"));
    EXPECT_FALSE(folder.exists("VTUtil.tmp"));
}

} // namespace
} // namespace vt
