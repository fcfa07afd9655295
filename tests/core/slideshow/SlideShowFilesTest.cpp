#include "TestSupport.h"

#include "slideshow/FieldReader.h"
#include "slideshow/SlideShowCommands.h"
#include "slideshow/SlideShowWriter.h"

#include <gtest/gtest.h>
#include <memory>

namespace vt {
namespace {

using test::crlfLines;
using test::RecordingPrompter;
using test::ShowFile;
using test::TempFolder;

const std::string HeaderFailure =
    "An error occurred while reading the slide show file header.\r\n\r\n";
const std::string DataFailure = "An error occurred while reading slide show data.\r\n\r\n";
const std::string NotANumber = "does not hold a whole number that fits its field: ";
const std::string SlidesFull =
    "The maximum of 30,000 slides has been reached.\r\n\r\nAny remaining "
    "images in the slide show file will be ignored...";
const std::string SoundsFull = "The maximum number of 1,000 sound files has been reached, unable "
                               "to add the remaining files to the Play List...";
std::string otherRelease(const std::string& version) {
    return "The selected slide show file was created with a different release (" + version +
           ") of Vantora.\r\n\r\nOpen the file in Vantora and then save it again.  Then try to "
           "open it with this utility...";
}

class ShowFiles : public ::testing::Test {
  protected:
    void open(const std::string& bytes) {
        folder.write("show.vts", bytes);
        version.reset();
        openSlideShow(*model, folder.win("show.vts"), prompter,
                      [this](std::string_view line) { version = std::string(line); });
    }
    void open(const ShowFile& show) { open(show.bytes()); }
    void openChanged(const std::vector<std::pair<int, std::string>>& changes) {
        std::vector<std::string> lines = twoSlides().lines();
        for (const auto& [index, line] : changes)
            lines[static_cast<std::size_t>(index)] = line;
        open(crlfLines(lines));
    }
    std::string write(const std::string& name) {
        WriteSlideShow(*model, folder.win(), name, prompter, lastSlideShow);
        return folder.read(name);
    }
    void append(const std::string& name, const std::string& bytes) {
        folder.write(name, bytes);
        ReadAppendedSlideShow(*model, folder.win(name), prompter,
                              [this](std::string_view line) { version = std::string(line); });
    }
    static ShowFile slidesNamed(const std::string& prefix, int count) {
        ShowFile show;
        for (int i = 0; i < count; ++i)
            show.slides.push_back({prefix + std::to_string(i) + ".jpg", "", "", "", ""});
        return show;
    }
    static ShowFile twoSlides() {
        ShowFile show;
        show.slides = {{"C:\\Pics\\a.jpg", "Beach", "7", "C:\\Tex\\t.bmp", "note"},
                       {"C:\\Pics\\b.avi", "", "", "", ""}};
        return show;
    }

    TempFolder folder;
    RecordingPrompter prompter;
    std::unique_ptr<SlideShowModel> model = std::make_unique<SlideShowModel>();
    std::optional<std::string> version;
    std::string lastSlideShow;
};

TEST_F(ShowFiles, MakesRelativePathsAbsoluteWithTheShowsFolder) {
    ShowFile show;
    show.mainSound = "theme.wav";
    show.slides = {{"pics\\a.jpg", "Beach", "7", "tex\\t.bmp", "notes\\x"},
                   {"\\\\server\\share\\b.jpg", "", "snd\\s.wav", "", ""},
                   {"D:\\abs.jpg", "", " 12 ", "E:\\t.bmp", ""}};
    open(show);
    const std::string d = folder.win();
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(model->MainSoundFile, d + "theme.wav");
    std::string paths; // a CD-audio track stays a number; SlideText2 is no path
    for (int i = 0; i < model->SlideCount + 1; ++i) {
        const Slide& s = model->slide(i);
        paths +=
            s.SlideFile + "|" + s.SlideSound + "|" + s.SlideTexture + "|" + s.SlideText2 + "\n";
    }
    EXPECT_EQ(paths, d + "pics\\a.jpg|7|" + d + "tex\\t.bmp|notes\\x\n" + d +
                         "\\\\server\\share\\b.jpg|" + d +
                         "snd\\s.wav||\nD:\\abs.jpg| 12 |E:\\t.bmp|\n|||\n");
}

TEST_F(ShowFiles, ReportsFilesThatCannotBeReadOrEndEarly) {
    openSlideShow(*model, folder.win("missing.vts"), prompter);
    open("");
    std::vector<std::string> lines = twoSlides().lines();
    open(crlfLines({lines.begin(), lines.begin() + 10}));
    EXPECT_EQ(model->ShowSetting6, 6); // header lines read before the failure keep their values
    lines.resize(lines.size() - 10); // the second record stops after its fourth line
    open(crlfLines(lines));
    EXPECT_EQ(model->SlideCount, 2);
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{
                  "Unable to open slide show file.\r\n\r\nNo such file or directory...",
                  HeaderFailure + "The file is empty...",
                  HeaderFailure + "Unexpected end of file after line 10...",
                  DataFailure + "Unexpected end of file after line 41..."}));
    for (const Message& message : prompter.messages)
        EXPECT_EQ(message.icon, Icon::Critical);
    open(ShowFile{}); // only a header: no slides and nothing to say
    EXPECT_EQ(prompter.messages.size(), 4u);
    EXPECT_EQ(model->SlideCount, 0);
}

TEST_F(ShowFiles, NumbersAreRoundedOrRefusedNamingTheLine) {
    openChanged({{4, "40000"}}); // ShowSetting1 is 16-bit
    openChanged({{2, "three"}});
    openChanged({{34, "3000000000"}}); // SlideSetting9 is 32-bit
    openChanged({{18, "\"99999\""}});  // ShowChoice
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{
                  HeaderFailure + "Line 5 " + NotANumber + "\"40000\"...",
                  HeaderFailure + "Line 3 " + NotANumber + "\"three\"...",
                  DataFailure + "Line 35 " + NotANumber + "\"3000000000\"...",
                  HeaderFailure + "Line 19 holds a number too large for its field: \"99999\"..."}));
    openChanged({{4, " 12.5 "}, {5, "13.5"}, {34, "-2147483648"}});
    EXPECT_EQ(model->ShowSetting1, 12);
    EXPECT_EQ(model->ShowSetting2, 14);
    EXPECT_EQ(model->slide(0).SlideSetting9, -2147483648);
}

TEST_F(ShowFiles, FlagLinesAreReadLooselyAndWrittenStrictly) {
    struct Case {
        const char *line20, *line21, *line22, *flags, *written;
    };
    for (const Case& c : {Case{"\"0\"", "\"00\"", "0", "0000", "\"0\"\r\n\"00\"\r\n0"},
                          Case{"\"\"", "\"\"", "\"\"", "0011", "\"0\"\r\n\"01\"\r\n-1"},
                          Case{"\"x\"", "\"1\"", "\"x\"", "1111", "\"1\"\r\n\"11\"\r\n-1"},
                          Case{"\"0\"", "\"01\"", "\"0\"", "0010", "\"0\"\r\n\"01\"\r\n0"}}) {
        openChanged({{19, c.line20}, {20, c.line21}, {21, c.line22}});
        std::string flags;
        for (bool flag : {model->ShowFlag1, model->ShowFlag2, model->ShowFlag3, model->ShowFlag4})
            flags += flag ? '1' : '0';
        EXPECT_EQ(flags, c.flags) << c.line20 << c.line21 << c.line22;
        EXPECT_NE(headerBytes(*model).find(std::string("\"2\"\r\n") + c.written + "\r\n\""),
                  std::string::npos)
            << c.written;
    }
}

TEST_F(ShowFiles, FieldsFollowTheQuoteAndCommaRules) {
    std::vector<std::string> lines = twoSlides().lines();
    lines[0] = "Vantora Slide Show"; // unquoted: the whole line
    lines[3] = "\"unterminated";
    lines[13] = "\"Show, text\"";                // a comma inside quotes
    lines[22] = "  \"padded\" tail";             // blanks before, characters after the quote
    lines[23] = "\"C:\\Pics\\a.jpg\",\"Beach\""; // a comma ends the field: the next one follows
    lines.erase(lines.begin() + 24);
    std::string bytes;
    for (std::size_t i = 0; i < lines.size(); ++i)
        bytes += lines[i] + (i % 2 ? "\n" : "\r\n"); // a lone LF ends a line too
    open(bytes);
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(model->MainSoundFile, folder.win() + "unterminated");
    EXPECT_EQ(model->ShowText, "Show, text");
    EXPECT_EQ(model->ShowText2, "padded");
    EXPECT_EQ(model->slide(0).SlideText, "Beach");
    EXPECT_EQ(model->SlideCount, 2);
}

TEST_F(ShowFiles, KeepsThirtyThousandSlidesAndIgnoresTheRest) {
    ShowFile show;
    show.slides.assign(MaxSlides + 1, {"C:\\a.jpg", "", "", "", ""});
    show.slides[2].file = ""; // an empty SlideFile ends the count, not the reading
    show.hasPlayList = true;
    folder.write("song.wav", "RIFF");
    show.playList = {"song.wav"};
    open(show);
    EXPECT_EQ(model->SlideCount, 2);
    EXPECT_EQ(model->slide(MaxSlides - 1).SlideFile, "C:\\a.jpg");
    EXPECT_TRUE(model->slide(MaxSlides).SlideFile.empty());
    EXPECT_EQ(model->PlayListCount, 0);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{SlidesFull});
    EXPECT_EQ(prompter.messages[0].icon, Icon::Exclamation);
}

TEST_F(ShowFiles, PlayListKeepsSoundsWhereTheyAreFound) {
    for (const char* name : {"song.wav", "sub/here.wav", ".hidden.wav"})
        folder.write(name, "RIFF");
    ShowFile show;
    show.hasPlayList = true;
    show.playList = {"Q:\\Old\\song.wav", "",
                     "sub\\here.wav",     folder.win("sub\\here.wav"),
                     "gone.wav",          "Q:\\Old\\gone.wav",
                     ".hidden.wav",       "sub",
                     "SONG.WAV"};
    open(show);
    const std::string d = folder.win();
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_TRUE(model->PlayListPresent && model->PlayListFlag);
    EXPECT_EQ(model->PlayListText2, "list two");
    std::string kept;
    for (int i = 0; i <= model->PlayListCount; ++i)
        kept += model->playList(i) + "|";
    EXPECT_EQ(kept,
              d + "song.wav|" + d + "sub\\here.wav|" + d + "sub\\here.wav|" + d + "SONG.WAV||");

    open(twoSlides()); // opening another show forgets the play list
    EXPECT_FALSE(model->PlayListCount || model->PlayListPresent || model->PlayListFlag);
    EXPECT_EQ(model->PlayListText1 + model->playList(0), "");
}

TEST_F(ShowFiles, PlayListStopsAtAThousandOrAtAMissingLine) {
    folder.write("s.wav", "RIFF");
    ShowFile show;
    show.hasPlayList = true;
    show.playList.assign(1200, "s.wav");
    open(show);
    EXPECT_EQ(model->PlayListCount, 1000);
    EXPECT_TRUE(model->PlayListPresent);

    std::vector<std::string> lines = twoSlides().lines();
    lines.push_back("\"<PlayList>\"");
    lines.push_back("\"1\"");
    open(crlfLines(lines));
    EXPECT_EQ(model->SlideCount, 2);
    EXPECT_FALSE(model->PlayListPresent);
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{
                  SoundsFull,
                  "There was a problem reading the Sound Play List from the selected slide show "
                  "file, the remaining files will be skipped..."}));
}

TEST_F(ShowFiles, OddFirstLinesAndLineEndsGetTheReadersOwnMessages) {
    const std::string valid = twoSlides().bytes();
    const std::string body = valid.substr(valid.find('\n') + 1);
    const std::string NotAShow =
        "The selected file is not a valid Vantora slide show file...\r\n\r\nFilenames with .VTS "
        "in the last 4 positions are normally associated with Vantora files.";
    for (const std::string& bytes :
         {std::string(200000, 'x') + "\r\n" + body, std::string(1000, '\0'), "\r\n" + body,
          "\"Vantora Slide Show \"\r\n" + body, "Vantora Slide\r\n" + body,
          std::string("\"Vantora Slideshow\"\r\n\"Version 3.0\"\r\n")}) {
        prompter.messages.clear();
        open(bytes);
        EXPECT_EQ(prompter.texts(), std::vector<std::string>{NotAShow});
        EXPECT_EQ(prompter.messages[0].icon, Icon::Exclamation);
        EXPECT_EQ(version, std::nullopt);
    }
    for (const std::string& bytes :
         {std::string(6000, ' ') + "\"Vantora Slide Show\"\r\n" + body,
          "Vantora Slide Show  \t\r\n" + body, "\"Vantora Slide Show\r\n" + body}) {
        prompter.messages.clear();
        open(bytes);
        EXPECT_TRUE(prompter.messages.empty()) << prompter.texts().front();
        EXPECT_EQ(model->SlideCount, 2);
    }
    prompter.messages.clear();
    open("\"Vantora Slide Show\"\r\"Version 3.0\"\r\"1\"\r");
    ShowFile lowerCase = twoSlides();
    lowerCase.version = "version 3.0";
    open(lowerCase);
    EXPECT_EQ(model->SlideCount, 0);
    open("\"Vantora Slide Show\"\r\n\"Version " + std::string(100000, '9') + "\"\r\n");
    EXPECT_EQ(version->size(), 100008u);
    EXPECT_EQ(prompter.messages[1].icon, Icon::Information);
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{HeaderFailure + "Unexpected end of file after line 1...",
                                        otherRelease("version 3.0"),
                                        otherRelease("Version " + std::string(52, '9') + "...")}));
}

// Every header line holds a value of its own, so a field read into or written
// from the wrong place shows.
TEST_F(ShowFiles, WritesWhatItReadAsVersionThree) {
    folder.write("song.wav", "RIFF");
    ShowFile show;
    show.version = "Version 2.0";
    show.soundMode = 3;
    show.mainSound = "C:\\theme.wav";
    show.slides = {{"C:\\a.jpg", "On the beach", "2", "C:\\t.bmp", "x"}};
    show.slides[0].setting6 = 0;
    show.hasPlayList = true;
    show.playList = {folder.win("song.wav")};
    open(show);
    show.version = "Version 3.0";
    EXPECT_EQ(write("out.vts"), show.bytes());
    EXPECT_EQ(lastSlideShow, folder.win("out.vts"));
    EXPECT_TRUE(prompter.messages.empty());
    model->SoundMode = 2; // the play list is written with sound mode 3 only
    show.soundMode = 2;
    show.hasPlayList = false;
    EXPECT_EQ(write("out.vts"), show.bytes());
}

TEST_F(ShowFiles, AppendedAddsWhatItReadWholeBehindTheSourceWithItsOwnFolder) {
    ShowFile source = slidesNamed("src", 5);
    source.mainSound = "C:\\theme.wav";
    open(source);
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
    EXPECT_EQ(model->slide(5).SlideFile, folder.win("more\\app0.jpg"));
    EXPECT_EQ(model->slide(5).SlideTexture, folder.win("more\\tex\\t.bmp"));
    EXPECT_EQ(model->slide(14).SlideFile, folder.win("more\\app9.jpg"));
    EXPECT_EQ(model->SoundMode, 0); // the appended header is not kept
    EXPECT_EQ(model->MainSoundFile, "C:\\theme.wav");

    // A cut file adds only the records it finished.
    lines = slidesNamed("cut", 2).lines();
    lines.resize(lines.size() - 3);
    append("cut.vts", crlfLines(lines));
    EXPECT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(model->SlideCount, 16);                  // the cut record is not counted
    EXPECT_EQ(model->slide(16).SlideFile, "cut1.jpg"); // and stays behind the end, as read
    EXPECT_EQ(model->slide(15).SlideFile, "cut0.jpg"); // no path is made absolute after a failure
}

TEST_F(ShowFiles, LongTextsAreCutToTheirLimits) {
    const std::string x(300, 'x'), path = "C:\\" + x;
    ShowFile show;
    show.slides = {{path + path, x, path, path, x}};
    std::vector<std::string> lines = show.lines();
    lines[13] = test::inQuotes(std::string(450, 's'));
    open(crlfLines(lines));
    const Slide& s = model->slide(0);
    EXPECT_EQ(model->ShowText.size() + s.SlideText.size() + s.SlideText2.size(), 400u + 200 + 260);
    EXPECT_EQ(s.SlideFile, path + path); // no limit
    EXPECT_EQ(s.SlideSound + s.SlideTexture, path.substr(0, 260) + path.substr(0, 260));
}

// Lines longer than any field keeps, read past with only their start kept:
// blanks before a field, a quoted path, blanks after a text, a number, the
// version line.
TEST_F(ShowFiles, LinesLongerThanAnyFieldKeepsAreReadPastKeepingTheirStart) {
    const std::size_t over = FieldKeepLimit + 3000000;
    const std::string path = "C:\\" + std::string(over, 'p');
    openChanged({{22, std::string(over, ' ') + "\"late\""},
                 {23, "\"" + path},
                 {24, "Beach" + std::string(over, ' ')}});
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(model->SlideCount, 2);
    EXPECT_EQ(model->ShowText2, "late");
    EXPECT_EQ(model->slide(0).SlideFile, path.substr(0, FieldKeepLimit));
    EXPECT_EQ(model->slide(0).SlideText, "Beach");
    EXPECT_EQ(model->slide(1).SlideFile, "C:\\Pics\\b.avi");

    openChanged({{1, "\"Version " + std::string(over, '9') + "\""}});
    EXPECT_EQ(version->size(), FieldKeepLimit);
    openChanged({{25, std::string(over, '0') + "5"}});
    EXPECT_EQ(prompter.texts().back(),
              DataFailure + "Line 26 " + NotANumber + "\"" + std::string(60, '0') + "...\"...");
}


} // namespace
} // namespace vt
