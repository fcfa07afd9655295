#include "TestSupport.h"

#include "common/Texts.h"
#include "slideshow/SlideShowCommands.h"
#include "slideshow/SlideShowReader.h"

#include <gtest/gtest.h>
#include <memory>

namespace vt {
namespace {

using test::crlfLines;
using test::inQuotes;
using test::RecordingPrompter;
using test::ShowFile;
using test::TempFolder;

const std::string HeaderFailure = "An error occurred while reading the slide show file header.\r\n\r\n";
const std::string DataFailure = "An error occurred while reading slide show data.\r\n\r\n";

class Reader : public ::testing::Test {
protected:
    // Writes bytes as show.vts and opens it as the Open command does.
    void open(const std::string& bytes, const std::string& name = "show.vts") {
        folder.write(name, bytes);
        version.reset();
        openSlideShow(*model, folder.win(name), prompter,
                      [this](std::string_view line) { version = std::string(line); });
    }
    void open(const ShowFile& show) { open(show.bytes()); }

    TempFolder folder;
    RecordingPrompter prompter;
    std::unique_ptr<SlideShowModel> model = std::make_unique<SlideShowModel>();
    std::optional<std::string> version;
};

ShowFile twoSlides() {
    ShowFile show;
    show.slides = {{"C:\\Pics\\a.jpg", "Beach", "7", "C:\\Tex\\t.bmp", "note"},
                   {"C:\\Pics\\b.avi", "", "", "", ""}};
    return show;
}

TEST_F(Reader, ReadsHeaderSlidesAndCarriedSettings) {
    open(twoSlides());
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(version, "Version 3.0");
    EXPECT_EQ(model->SlideCount, 2);
    const SlideShowModel& m = *model;
    EXPECT_EQ(m.SoundMode, 0);
    EXPECT_EQ(m.ShowSetting1, 1);
    EXPECT_EQ(m.ShowSetting9, 9);
    EXPECT_EQ(m.ShowText, "Show text");
    EXPECT_EQ(m.ShowSetting10, 10);
    EXPECT_EQ(m.ShowSetting13, 13);
    EXPECT_EQ(m.ShowChoice, 2);
    EXPECT_TRUE(m.ShowFlag1);
    EXPECT_TRUE(m.ShowFlag2);
    EXPECT_FALSE(m.ShowFlag3);
    EXPECT_TRUE(m.ShowFlag4);
    EXPECT_EQ(m.ShowText2, "Second text");
    Slide first;
    first.SlideFile = "C:\\Pics\\a.jpg";
    first.SlideText = "Beach";
    first.SlideSound = "7";
    first.SlideSetting9 = 70000;
    first.SlideTexture = "C:\\Tex\\t.bmp";
    first.SlideText2 = "note";
    EXPECT_EQ(m.slide(0), first);
    EXPECT_EQ(m.slide(1).SlideFile, "C:\\Pics\\b.avi");
    EXPECT_EQ(m.slide(2), Slide{});
}

TEST_F(Reader, MakesRelativePathsAbsoluteWithTheShowsFolder) {
    ShowFile show;
    show.mainSound = "theme.wav";
    show.slides = {{"pics\\a.jpg", "", "7", "tex\\t.bmp", "notes\\x"},
                   {"\\\\server\\share\\b.jpg", "", "snd\\s.wav", "", ""},
                   {"D:\\abs.jpg", "", " 12 ", "E:\\t.bmp", ""}};
    open(show);
    const std::string dir = folder.win();
    EXPECT_EQ(model->MainSoundFile, dir + "theme.wav");
    EXPECT_EQ(model->slide(0).SlideFile, dir + "pics\\a.jpg");
    EXPECT_EQ(model->slide(0).SlideSound, "7"); // a CD-audio track stays a number
    EXPECT_EQ(model->slide(0).SlideTexture, dir + "tex\\t.bmp");
    EXPECT_EQ(model->slide(0).SlideText2, "notes\\x"); // not a path
    EXPECT_EQ(model->slide(1).SlideFile, dir + "\\\\server\\share\\b.jpg");
    EXPECT_EQ(model->slide(1).SlideSound, dir + "snd\\s.wav");
    EXPECT_EQ(model->slide(2).SlideFile, "D:\\abs.jpg");
    EXPECT_EQ(model->slide(2).SlideSound, " 12 ");
    EXPECT_EQ(model->slide(2).SlideTexture, "E:\\t.bmp");
}

TEST_F(Reader, RejectsOtherFilesAndReleasesWithTheirMessages) {
    open(twoSlides());
    ShowFile lowerCase = twoSlides();
    lowerCase.version = "version 3.0";
    open(lowerCase);
    EXPECT_EQ(version, "version 3.0");
    EXPECT_EQ(model->SlideCount, 0);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].icon, Icon::Information);
    EXPECT_EQ(prompter.messages[0].text,
              "The selected slide show file was created with a different release (version 3.0) "
              "of Vantora.\r\n\r\nOpen the file in Vantora and then save it again.  Then try to "
              "open it with this utility...");

    open("\"Vantora Slideshow\"\r\n\"Version 3.0\"\r\n");
    EXPECT_EQ(version, std::nullopt);
    EXPECT_EQ(prompter.messages.back().icon, Icon::Exclamation);
    EXPECT_EQ(prompter.messages.back().text,
              "The selected file is not a valid Vantora slide show file...\r\n\r\nFilenames with "
              ".VTS in the last 4 positions are normally associated with Vantora files.");

    ShowFile old = twoSlides();
    old.version = "Version 2.0";
    open(old);
    EXPECT_EQ(version, "Version 2.0");
    EXPECT_EQ(model->SlideCount, 2);
    EXPECT_EQ(prompter.messages.size(), 2u);
}

TEST_F(Reader, ReportsFilesThatCannotBeReadOrEndEarly) {
    openSlideShow(*model, folder.win("missing.vts"), prompter);
    openSlideShow(*model, folder.win(), prompter);
    open("");
    ShowFile show = twoSlides();
    std::vector<std::string> lines = show.lines();
    open(crlfLines({lines.begin(), lines.begin() + 10}));
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{
                  "Unable to open slide show file.\r\n\r\nNo such file or directory...",
                  "Unable to open slide show file.\r\n\r\nIs a directory...",
                  HeaderFailure + "The file is empty...",
                  HeaderFailure + "Unexpected end of file after line 10..."}));
    for (const Message& message : prompter.messages)
        EXPECT_EQ(message.icon, Icon::Critical);
    EXPECT_EQ(model->ShowSetting6, 6); // header lines read before the failure keep their values
}

TEST_F(Reader, AShowOfOnlyAHeaderHasNoSlidesAndNoMessage) {
    ShowFile show;
    open(show);
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(model->SlideCount, 0);
    EXPECT_TRUE(model->slide(0).SlideFile.empty());
}

TEST_F(Reader, ARecordCutShortKeepsWhatWasReadAndLeavesPathsRelative) {
    ShowFile show;
    show.slides = {{"pics\\a.jpg", "", "", "", ""}, {"pics\\b.jpg", "", "", "", ""}};
    std::vector<std::string> lines = show.lines();
    lines.resize(lines.size() - 10); // the second record stops after its fourth line
    open(crlfLines(lines));
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{DataFailure + "Unexpected end of file after line 41..."});
    EXPECT_EQ(model->SlideCount, 2);
    EXPECT_EQ(model->slide(0).SlideFile, "pics\\a.jpg");
    EXPECT_EQ(model->slide(1).SlideFile, "pics\\b.jpg");
}

TEST_F(Reader, NumbersThatDoNotFitAreFailuresNamingTheLine) {
    std::vector<std::string> lines = twoSlides().lines();
    lines[4] = "40000"; // ShowSetting1
    open(crlfLines(lines));
    lines = twoSlides().lines();
    lines[2] = "three";
    open(crlfLines(lines));
    lines = twoSlides().lines();
    lines[23 + 2] = "1.5e9"; // SlideSetting1 of the first slide
    open(crlfLines(lines));
    lines = twoSlides().lines();
    lines[23 + 11] = "3000000000"; // SlideSetting9 is 32-bit
    open(crlfLines(lines));
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{
                  HeaderFailure +
                      "Line 5 does not hold a whole number that fits its field: \"40000\"...",
                  HeaderFailure +
                      "Line 3 does not hold a whole number that fits its field: \"three\"...",
                  DataFailure +
                      "Line 26 does not hold a whole number that fits its field: \"1.5e9\"...",
                  DataFailure + "Line 35 does not hold a whole number that fits its field: "
                                "\"3000000000\"..."}));
    lines = twoSlides().lines();
    lines[4] = " 12.5 ";
    lines[5] = "13.5";
    lines[23 + 11] = "-2147483648";
    open(crlfLines(lines));
    EXPECT_EQ(model->ShowSetting1, 12);
    EXPECT_EQ(model->ShowSetting2, 14);
    EXPECT_EQ(model->slide(0).SlideSetting9, -2147483648);
}

TEST_F(Reader, ShowChoiceTakesOnlyZeroToSixAndStartsAtZero) {
    auto openWithChoice = [&](const std::string& line) {
        std::vector<std::string> lines = twoSlides().lines();
        lines[18] = line;
        open(crlfLines(lines));
        return model->ShowChoice;
    };
    EXPECT_EQ(openWithChoice("\"6\""), 6);
    EXPECT_EQ(openWithChoice("\"7\""), 0);
    EXPECT_EQ(openWithChoice("\"5\""), 5);
    EXPECT_EQ(openWithChoice("\"abc\""), 0);
    EXPECT_EQ(openWithChoice("\"\""), 0);
    EXPECT_EQ(openWithChoice("\" 2.5 \""), 2);
    EXPECT_TRUE(prompter.messages.empty());
    openWithChoice("\"99999\"");
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{
                  HeaderFailure + "Line 19 holds a number too large for its field: \"99999\"..."});
}

TEST_F(Reader, FlagLinesReadAsTheViewerWritesThem) {
    struct Case {
        const char *line20, *line21, *line22;
        bool flag1, flag2, flag3, flag4;
    };
    for (const Case& c : {Case{"\"1\"", "\"11\"", "-1", true, true, true, true},
                          Case{"\"0\"", "\"00\"", "0", false, false, false, false},
                          Case{"\"\"", "\"\"", "\"\"", false, false, true, true},
                          Case{"\"x\"", "\"1\"", "\"x\"", true, true, true, true},
                          Case{"\"0\"", "\"01\"", "\"0\"", false, false, true, false}}) {
        std::vector<std::string> lines = twoSlides().lines();
        lines[19] = c.line20;
        lines[20] = c.line21;
        lines[21] = c.line22;
        open(crlfLines(lines));
        EXPECT_EQ(model->ShowFlag1, c.flag1) << c.line20;
        EXPECT_EQ(model->ShowFlag2, c.flag2) << c.line21;
        EXPECT_EQ(model->ShowFlag3, c.flag3) << c.line21;
        EXPECT_EQ(model->ShowFlag4, c.flag4) << c.line22;
    }
}

TEST_F(Reader, FieldsFollowTheQuoteAndCommaRules) {
    std::vector<std::string> lines = twoSlides().lines();
    lines[0] = "Vantora Slide Show";           // unquoted: the whole line
    lines[13] = "\"Show, text\"";             // a comma inside quotes
    lines[22] = "  \"padded\" tail";          // blanks before, characters after the quote
    lines[23] = "\"C:\\Pics\\a.jpg\",\"Beach\""; // a comma ends the field: the next one follows
    lines.erase(lines.begin() + 24);
    lines[3] = "\"unterminated";
    std::string bytes;
    for (std::size_t i = 0; i < lines.size(); ++i)
        bytes += lines[i] + (i % 2 ? "\n" : "\r\n"); // lone LF ends a line too
    open(bytes);
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(model->ShowText, "Show, text");
    EXPECT_EQ(model->ShowText2, "padded");
    EXPECT_EQ(model->MainSoundFile, folder.win() + "unterminated");
    EXPECT_EQ(model->slide(0).SlideFile, "C:\\Pics\\a.jpg");
    EXPECT_EQ(model->slide(0).SlideText, "Beach");
    EXPECT_EQ(model->SlideCount, 2);
}

TEST_F(Reader, LongTextsAreCutToTheirLimits) {
    ShowFile show;
    const std::string longText(300, 'x');
    show.slides = {{"C:\\" + std::string(500, 'p'), longText, "C:\\" + longText, "C:\\" + longText,
                    longText}};
    std::vector<std::string> lines = show.lines();
    lines[13] = inQuotes(std::string(450, 's'));
    open(crlfLines(lines));
    EXPECT_EQ(model->ShowText, std::string(400, 's'));
    const Slide& s = model->slide(0);
    EXPECT_EQ(s.SlideFile.size(), 503u); // no limit
    EXPECT_EQ(s.SlideText, std::string(200, 'x'));
    EXPECT_EQ(s.SlideSound, ("C:\\" + longText).substr(0, 260));
    EXPECT_EQ(s.SlideTexture, ("C:\\" + longText).substr(0, 260));
    EXPECT_EQ(s.SlideText2, longText.substr(0, 260));
}

TEST_F(Reader, KeepsThirtyThousandSlidesAndIgnoresTheRest) {
    ShowFile show;
    show.slides.assign(MaxSlides + 1, {"C:\\a.jpg", "", "", "", ""});
    show.hasPlayList = true;
    show.soundMode = 3;
    folder.write("song.wav", "RIFF");
    show.playList = {"song.wav"};
    open(show);
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"The maximum of 30,000 slides has been reached.\r\n\r\nAny "
                                       "remaining images in the slide show file will be ignored..."});
    EXPECT_EQ(prompter.messages[0].icon, Icon::Exclamation);
    EXPECT_EQ(model->SlideCount, MaxSlides);
    EXPECT_TRUE(model->slide(MaxSlides).SlideFile.empty());
    EXPECT_EQ(model->PlayListCount, 0);
}

TEST_F(Reader, AnEmptySlideFileEndsTheCount) {
    ShowFile show;
    show.slides = {{"a.jpg", "", "", "", ""}, {"", "", "", "", ""}, {"c.jpg", "", "", "", ""}};
    open(show);
    EXPECT_EQ(model->SlideCount, 1);
    EXPECT_EQ(model->slide(2).SlideFile, "c.jpg"); // read, but behind the end: never made absolute
}

TEST_F(Reader, PlayListKeepsSoundsWhereTheyAreFound) {
    folder.write("song.wav", "RIFF");
    folder.write("sub/here.wav", "RIFF");
    folder.write(".hidden.wav", "RIFF");
    ShowFile show;
    show.soundMode = 3;
    show.hasPlayList = true;
    show.playList = {"Q:\\Old\\song.wav", "", "sub\\here.wav", folder.win("sub\\here.wav"),
                     "gone.wav", "Q:\\Old\\gone.wav", ".hidden.wav", "sub",
                     "SONG.WAV"};
    open(show);
    const std::string dir = folder.win();
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(model->PlayListCount, 4);
    EXPECT_TRUE(model->PlayListPresent);
    EXPECT_TRUE(model->PlayListFlag);
    EXPECT_EQ(model->PlayListText1, "list one");
    EXPECT_EQ(model->PlayListText2, "list two");
    EXPECT_EQ(model->playList(0), dir + "song.wav");
    EXPECT_EQ(model->playList(1), dir + "sub\\here.wav");
    EXPECT_EQ(model->playList(2), folder.win("sub\\here.wav"));
    EXPECT_EQ(model->playList(3), dir + "SONG.WAV"); // found as Windows finds it, ignoring case
    EXPECT_EQ(model->playList(4), "");

    ShowFile plain = twoSlides(); // opening another show forgets the play list
    open(plain);
    EXPECT_EQ(model->PlayListCount, 0);
    EXPECT_FALSE(model->PlayListPresent);
    EXPECT_FALSE(model->PlayListFlag);
    EXPECT_EQ(model->PlayListText1, "");
    EXPECT_EQ(model->playList(0), "");
}

TEST_F(Reader, PlayListStopsAtAThousandWithOneMessage) {
    folder.write("s.wav", "RIFF");
    ShowFile show;
    show.hasPlayList = true;
    show.playList.assign(1200, "s.wav");
    open(show);
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"The maximum number of 1,000 sound files has been reached, "
                                       "unable to add the remaining files to the Play List..."});
    EXPECT_EQ(model->PlayListCount, 1000);
    EXPECT_TRUE(model->PlayListPresent);
}

TEST_F(Reader, APlayListCutBeforeItsEntriesIsReported) {
    std::vector<std::string> lines = twoSlides().lines();
    lines.push_back("\"<PlayList>\"");
    lines.push_back("\"1\"");
    open(crlfLines(lines));
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"There was a problem reading the Sound Play List from the "
                                       "selected slide show file, the remaining files will be "
                                       "skipped..."});
    EXPECT_EQ(model->SlideCount, 2);
    EXPECT_FALSE(model->PlayListPresent);

    lines.push_back("\"a\"");
    lines.push_back("\"b\"");
    open(crlfLines(lines)); // the marker and its three lines, no entry
    EXPECT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(model->PlayListCount, 0);
    EXPECT_FALSE(model->PlayListPresent);
}

TEST_F(Reader, AnyBytesEndInAMessageOrAShow) {
    std::string noise;
    unsigned seed = 12345;
    for (int i = 0; i < 20000; ++i) {
        seed = seed * 1103515245u + 12345u;
        noise += static_cast<char>(seed >> 16);
    }
    const std::string valid = twoSlides().bytes();
    for (const std::string& bytes :
         {std::string(1000, '\0'), noise, std::string("\"Vantora Slide Show\"\r\n") + noise,
          valid.substr(0, valid.size() / 2), valid + noise, std::string(5000, '\n'),
          std::string(5000, ','), std::string(5000, '"')}) {
        prompter.messages.clear();
        open(bytes);
        EXPECT_LE(model->SlideCount, MaxSlides);
    }
}

} // namespace
} // namespace vt
