#include "TestSupport.h"

#include "VtshowRun.h"
#include "cli/Vtshow.h"

#include <gtest/gtest.h>
#include <iterator>
#include <sstream>

namespace vt {
namespace {

using test::ShowFile;
using test::vtshow;

std::string showWith(const std::vector<ShowFile::SlideLines>& slides) {
    ShowFile show;
    show.slides = slides;
    return show.bytes();
}

// A show whose paths spread over several folders, and one on another drive.
class Vtshow : public ::testing::Test {
  protected:
    Vtshow() {
        shown.mainSound = "C:\\Snd\\m.mid";
        shown.slides = {{"C:\\Pics\\a.jpg", "", "4", "C:\\Tex\\t.bmp", ""},
                        {"c:\\pics\\Holiday\\b.jpg", "", "C:\\Pics\\s.wav", "", ""}};
        folder.write("show.vts", shown.bytes());
        folder.write("other.vts", showWith({{"D:\\c0.jpg", "", "", "", ""}}));
    }

    ShowFile shown;
    test::TempFolder folder;
    const std::string show = folder.host("show.vts"), other = folder.host("other.vts");
};

TEST_F(Vtshow, MergeAnswersEveryQuestionAlikeAndRelocatesFoldersBeforeWriting) {
    const ShowFile::SlideLines a0{"C:\\a0.jpg", "", "", "", ""}, b0{"C:\\b0.jpg", "", "", "", ""};
    folder.write("a.vts", showWith({a0, a0}));
    folder.write("b.vts", showWith({b0, b0, b0}));
    folder.write("old.vts", "keep me");
    const std::string a = folder.host("a.vts"), b = folder.host("b.vts");
    const auto asked = [&](const std::string& answer) {
        std::string all;
        for (const std::string& question : std::vector<std::string>{
                 "The file you selected is already in your list of files to append.\n\nAppend this "
                 "file again?",
                 "The file to append is the same as the source file.\n\nAppend this file anyway?",
                 "The specified filename already exists:\n\n" + folder.win("old.vts") +
                     "\n\nDo you want to replace this file?"})
            all += "question:\n" + question + "\nanswer: " + answer + "\n\n";
        return all;
    };
    EXPECT_EQ(vtshow({"merge", "-o", folder.host("old.vts"), a, b, b, a}), "1||" + asked("No"));
    EXPECT_EQ(folder.read("old.vts"), "keep me");
    EXPECT_EQ(vtshow({"merge", "--yes", "-o", folder.host("old.vts"), a, b, b, a}),
              "0||" + asked("Yes"));
    EXPECT_EQ(folder.read("old.vts"), showWith({a0, a0, b0, b0, b0, b0, b0, b0, a0, a0}));

    // With no box to edit it in, the main sound file moves too.
    const std::string home = folder.win();
    EXPECT_EQ(vtshow({"merge", "--relocate", "c:\\pics\\Holiday\\=" + home + "Holiday",
                      "--relocate", "C:\\Pics\\=" + home, "--relocate", "C:\\Snd\\=D:\\", "-o",
                      folder.host("new.vts"), show}),
              "0||");
    shown.mainSound = "D:\\m.mid";
    shown.slides[0].file = home + "a.jpg";
    shown.slides[1].file = home + "Holiday\\b.jpg";
    shown.slides[1].sound = home + "s.wav";
    EXPECT_EQ(folder.read("new.vts"), shown.bytes());
}

TEST_F(Vtshow, InfoListAndFoldersShowWhatTheWindowWould) {
    EXPECT_EQ(vtshow({"list", "--sections", "playlist,textures", "--numbers", show}),
              "0|\r\n\t*** Slide Show Background Textures\r\n\r\n(1) C:\\Tex\\t.bmp\r\n\r\n"
              "\t*** Slide Show Play List\r\n\r\nNo sounds are in the Play List...\r\n|");
    EXPECT_EQ(vtshow({"folders", "--append", other, show}),
              "0|[ListSlide]\nC:\\Pics\\\nc:\\pics\\Holiday\\\nD:\\\n[ListTexture]\nC:\\Tex\\\n"
              "[ListSound]\nC:\\Pics\\\n[TextSound]\nC:\\Snd\\m.mid\n|");
}

// The first line vtshow writes to standard error, and the exit status.
std::string firstProblem(const std::vector<std::string>& args) {
    const std::string all = vtshow(args);
    const std::string err = all.substr(all.find('|', 2) + 1);
    return all.substr(0, 1) + " " + err.substr(0, err.find('\n'));
}

TEST(CommandLine, EveryCommandSaysWhatIsWrongInPlainWords) {
    test::TempFolder folder;
    test::ScopedCurrentFolder inFolder(folder.host());
    ShowFile show;
    show.slides = {{"C:\\a.jpg", "", "", "", ""}};
    folder.write("a.vts", show.bytes());
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"merge", "a.vts", "-o"}, "2 vtshow: merge: -o needs a value"},
        {{"list", "--sections"}, "2 vtshow: list: --sections needs a value"},
        {{"relink", "-o", "x.vts", "a.vts"}, "2 vtshow: relink: missing --search DIR"},
        {{"pack", "--frobnicate", "a.vts"}, "2 vtshow: pack: unknown option --frobnicate"},
        {{"check", "--append", "a.vts", "a.vts", "a.vts"},
         "2 vtshow: check: --append works with one show"},
        {{"relink", "--search", ".", "--in-place", "-O", "out", "a.vts"},
         "2 vtshow: relink: give -O DIR or --in-place, not both"},
        {{"relink", "--search", ".", "a.vts", "a.vts"},
         "2 vtshow: relink: missing -O DIR, --in-place or --dry-run"},
        {{"info", "--", "-h", "a.vts"}, "2 vtshow: info: give one show"},
        // "--" ends the options: "-h" is then a show like any other.
        {{"info", "--", "-h"}, "1 error:"},
        {{"merge", "-o", "b.vts", "--", "a.vts"}, "0 "},
    };
    for (const auto& [args, expected] : cases)
        EXPECT_EQ(firstProblem(args), expected) << args.front() << ' ' << args.back();
    for (const std::vector<std::string>& args : {std::vector<std::string>{}, {"frobnicate"}})
        EXPECT_NE(vtshow(args).find("\n\nusage:\n"), std::string::npos); // after the problem

    EXPECT_EQ(vtshow({"merge", "-o", "nowhere/x.vts", "a.vts"}),
              "1||error:\nThe folder to write into is not there:\n\n" + folder.host("nowhere/") +
                  "\n\n");
    // Help on each command, alike, on standard output.
    for (const char* command : {"info", "merge", "list", "folders", "check", "relink", "pack"})
        for (const char* help : {"-h", "--help"})
            EXPECT_TRUE(vtshow({command, help}).starts_with(std::string("0|usage:\n  vtshow ") + command + " "));
}

// Nothing in a show reaches the terminal as a control byte; U+009D opens a terminal command too.
TEST(CommandLine, ControlBytesFromAShowAreWrittenEscaped) {
    test::TempFolder folder;
    ShowFile show;
    show.slides = {{"C:\\Pics\x7F\\a\x1B[2Jb\x9D.jpg", "", "", "", ""}};
    folder.write("esc.vts", show.bytes());
    show.version = "Version \x1B]0;title\x07";
    folder.write("odd.vts", show.bytes());
    const std::string esc = folder.host("esc.vts");
    EXPECT_TRUE(vtshow({"info", folder.host("odd.vts")}).starts_with("1|Version \\x1B]0;title\\x07\n"));
    for (const std::string& all : {vtshow({"folders", esc}), vtshow({"check", esc}),
                                   vtshow({"list", "--sections", "slides", esc})}) {
        EXPECT_NE(all.find(all.starts_with("0|[") ? "C:\\Pics\\x7F\\\n" : "C:\\Pics\\x7F\\a\\x1B[2Jb\\x9D.jpg"),
                  std::string::npos) << all;
        EXPECT_EQ(all.find_first_of("\x1B\x7F"), std::string::npos) << all;
        EXPECT_EQ(all.find("\xC2\x9D"), std::string::npos) << all;
    }
}

} // namespace
} // namespace vt
