#include "FakeSeams.h"
#include "ModelBuilder.h"
#include "TestSupport.h"

#include "listing/FilenameListing.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

using test::crlfLines;
using test::makeModel;

UtilityOptions sections(bool slides, bool textures, bool sounds, bool playList, bool numbers) {
    UtilityOptions options;
    options.chkSlide = slides;
    options.chkTexture = textures;
    options.chkSound = sounds;
    options.chkPlayList = playList;
    options.SlideNumbers = numbers;
    return options;
}

TEST(FilenameListing, ListsEverySectionWithOrWithoutNumbers) {
    const auto model = makeModel(
        {{"C:\\Pics\\a.jpg", "C:\\Tex\\t.bmp", "3"}, {"C:\\Pics\\b.avi", "", "C:\\Snd\\s.wav"}}, {},
        "C:\\Snd\\m.mid");
    auto expected = [](std::string one, std::string two) {
        return crlfLines({"",
                          "\t*** Slide Show Image and/or Movie Files",
                          "",
                          one + "C:\\Pics\\a.jpg",
                          two + "C:\\Pics\\b.avi",
                          "",
                          "\t*** Slide Show Background Textures",
                          "",
                          one + "C:\\Tex\\t.bmp",
                          "",
                          "\t*** Main Sound File",
                          "",
                          "C:\\Snd\\m.mid",
                          "",
                          "\t*** Sound Files for Each Slide",
                          "",
                          one + "CD-Audio Track #3",
                          two + "C:\\Snd\\s.wav",
                          "",
                          "\t*** Slide Show Play List",
                          "",
                          "No sounds are in the Play List..."});
    };
    EXPECT_EQ(filenameListingBytes(*model, sections(true, true, true, true, true)),
              expected("(1) ", "(2) "));
    EXPECT_EQ(filenameListingBytes(*model, sections(true, true, true, true, false)),
              expected("", ""));
}

TEST(FilenameListing, SaysWhenASectionHasNoEntries) {
    const auto empty = makeModel({});
    EXPECT_EQ(filenameListingBytes(*empty, sections(true, true, true, true, true)),
              crlfLines({"", "\t*** Slide Show Image and/or Movie Files",
                         "", "No slides were read from the slide show file...",
                         "", "\t*** Slide Show Background Textures",
                         "", "There are no background textures specified...",
                         "", "\t*** Main Sound File",
                         "", "No main sound file...",
                         "", "\t*** Sound Files for Each Slide",
                         "", "There are no sounds specified for each slide...",
                         "", "\t*** Slide Show Play List",
                         "", "No sounds are in the Play List..."}));
    EXPECT_EQ(filenameListingBytes(*empty, sections(false, false, false, false, true)), "");
}

TEST(FilenameListing, NumbersFollowTheSlideOrPlayListPosition) {
    std::vector<test::SlidePaths> slides(7, {"C:\\a.jpg", "", ""});
    slides[6].texture = "C:\\Tex\\seven.bmp";
    std::vector<std::string> playList;
    for (int i = 1; i <= 1000; ++i)
        playList.push_back("C:\\Snd\\" + std::to_string(i) + ".wav");
    const auto model = makeModel(slides, playList);

    EXPECT_EQ(
        filenameListingBytes(*model, sections(false, true, false, false, true)),
        crlfLines({"", "\t*** Slide Show Background Textures", "", "(7) C:\\Tex\\seven.bmp"}));
    const std::string list =
        filenameListingBytes(*model, sections(false, false, false, true, true));
    EXPECT_EQ(list.rfind("\r\n\t*** Slide Show Play List\r\n\r\n(1) C:\\Snd\\1.wav\r\n", 0), 0u);
    EXPECT_NE(list.find("\r\n(999) C:\\Snd\\999.wav\r\n(1000) C:\\Snd\\1000.wav\r\n"),
              std::string::npos);
}

TEST(FilenameListing, WritesVTUtilTmpInTheProgramFolderReplacingTheOldOne) {
    test::TempFolder folder;
    test::RecordingPrompter prompter;
    folder.write("VTUtil.tmp", std::string(10000, 'x'));
    const auto model = makeModel({{"C:\\a.jpg", "", ""}});
    const UtilityOptions slidesOnly = sections(true, false, false, false, false);
    WriteFilenameListing(*model, slidesOnly, folder.win(), prompter);
    EXPECT_EQ(folder.read("VTUtil.tmp"), filenameListingBytes(*model, slidesOnly));
    EXPECT_TRUE(prompter.messages.empty());

    WriteFilenameListing(*model, slidesOnly, folder.win("gone\\"), prompter);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text,
              "Unable to create temporary file to hold slide show filenames.\r\n\r\n"
              "No such file or directory...");
    EXPECT_EQ(prompter.messages[0].icon, Icon::Exclamation);
}

TEST(ShowListingFile, AsksTheDesktopToOpenTheListingAndReportsARequestThatFailed) {
    test::FakeShellOpener shell;
    test::RecordingPrompter prompter;
    shell.result = {2, {}}; // a code the desktop answers with is not looked at
    EXPECT_TRUE(ShowListingFile(true, "Z:\\opt\\vt\\", shell, prompter));
    EXPECT_TRUE(prompter.messages.empty());
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].file, "NOTEPAD.EXE");
    EXPECT_EQ(shell.calls[0].parameters, "\"Z:\\opt\\vt\\VTUtil.tmp\"");
    EXPECT_EQ(shell.calls[0].folder, "Z:\\opt\\vt\\");

    shell.result = {0, "No such file or directory"};
    EXPECT_FALSE(ShowListingFile(false, "Z:\\opt\\vt\\", shell, prompter));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "Unable to start WORDPAD.EXE to display the filenames."
                                         "\r\n\r\nNo such file or directory...");
    EXPECT_EQ(prompter.messages[0].icon, Icon::Critical);
}

} // namespace
} // namespace vt
