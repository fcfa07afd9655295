#include "TestSupport.h"

#include "cli/Vtshow.h"

#include <gtest/gtest.h>
#include <iterator>
#include <sstream>

namespace vt {
namespace {

using test::ShowFile;

// The exit status, standard output and standard error, joined by '|'.
std::string vtshow(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = cli::run(args, out, err);
    return std::to_string(status) + "|" + out.str() + "|" + err.str();
}

ShowFile slides(int count, const std::string& prefix) {
    ShowFile show;
    for (int i = 0; i < count; ++i)
        show.slides.push_back({prefix + std::to_string(i) + ".jpg", "", "", "", ""});
    return show;
}

// A show whose paths spread over several folders, and one on another drive.
class Vtshow : public ::testing::Test {
  protected:
    Vtshow() {
        shown.mainSound = "C:\\Snd\\m.mid";
        shown.slides = {{"C:\\Pics\\a.jpg", "", "4", "C:\\Tex\\t.bmp", ""},
                        {"c:\\pics\\Holiday\\b.jpg", "", "C:\\Pics\\s.wav", "", ""}};
        folder.write("show.vts", shown.bytes());
        folder.write("other.vts", slides(1, "D:\\c").bytes());
    }

    ShowFile shown;
    test::TempFolder folder;
    const std::string show = folder.host("show.vts"), other = folder.host("other.vts");
};

TEST_F(Vtshow, MergeWritesTheSourceThenTheAppendedShowsAnsweringEveryQuestionAlike) {
    folder.write("a.vts", slides(2, "a").bytes());
    folder.write("b.vts", slides(3, "b").bytes());
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
    EXPECT_EQ(vtshow({"info", folder.host("old.vts")}), "0|Version 3.0\n10 slides\n|");
    const std::string bytes = folder.read("old.vts");
    EXPECT_LT(bytes.find(folder.win("a1.jpg")), bytes.find(folder.win("b0.jpg")));

    EXPECT_EQ(vtshow({"merge", "--yes", "-o", b, a, b}),
              "1||note:\nYou may not replace a slide show file you have specified to append, "
              "choose another filename and then try again...\n\n");
    EXPECT_EQ(folder.read("b.vts"), slides(3, "b").bytes());
}

TEST_F(Vtshow, InfoListAndFoldersShowWhatTheWindowWould) {
    ShowFile old;
    old.version = "Version 2.9";
    folder.write("old.vts", old.bytes());
    folder.write("junk.vts", "\"Vantora Slide Show\"\r\n");

    EXPECT_EQ(vtshow({"info", folder.host("old.vts")}), // a notice, not a failure
              "0|Version 2.9\nZero slides\n|note:\nThe selected slide show file was created with "
              "a different release (Version 2.9) of Vantora.\n\nOpen the file in Vantora and then "
              "save it again.  Then try to open it with this utility...\n\n");
    EXPECT_EQ(vtshow({"info", folder.host("junk.vts")}),
              "1|None\nZero slides\n|error:\nAn error occurred while reading the slide show file "
              "header.\n\nUnexpected end of file after line 1...\n\n");

    EXPECT_EQ(vtshow({"list", "--sections", "slides,sounds", "--numbers", "--append", other, show}),
              "0|" +
                  test::crlfLines({"", "\t*** Slide Show Image and/or Movie Files", "",
                                   "(1) C:\\Pics\\a.jpg", "(2) c:\\pics\\Holiday\\b.jpg",
                                   "(3) D:\\c0.jpg", "", "\t*** Main Sound File", "",
                                   "C:\\Snd\\m.mid", "", "\t*** Sound Files for Each Slide", "",
                                   "(1) CD-Audio Track #4", "(2) C:\\Pics\\s.wav"}) +
                  "|");
    const std::string all = vtshow({"list", show});
    EXPECT_NE(all.find("\t*** Slide Show Play List\r\n\r\nNo sounds"), std::string::npos);
    EXPECT_EQ(vtshow({"list", "-o", folder.host("l.txt"), show}), "0||");
    EXPECT_EQ("0|" + folder.read("l.txt") + "|", all);
    EXPECT_EQ(vtshow({"list", "-o", folder.host("gone/l.txt"), show}),
              "1||warning:\nUnable to create temporary file to hold slide show filenames.\n\n"
              "No such file or directory...\n\n");

    EXPECT_EQ(vtshow({"folders", "--append", other, show}),
              "0|[ListSlide]\nC:\\Pics\\\nc:\\pics\\Holiday\\\nD:\\\n[ListTexture]\nC:\\Tex\\\n"
              "[ListSound]\nC:\\Pics\\\n[TextSound]\nC:\\Snd\\m.mid\n|");
}

TEST_F(Vtshow, MergeRelocatesFoldersBeforeWriting) {
    const std::string home = folder.win();
    // With no box to edit it in, the main sound file moves too.
    EXPECT_EQ(vtshow({"merge", "--relocate", "c:\\pics\\Holiday\\=" + home + "Holiday",
                      "--relocate", "C:\\Pics\\=" + home, "--relocate", "C:\\Snd\\=D:\\", "-o",
                      folder.host("new.vts"), show}),
              "0||");
    shown.mainSound = "D:\\m.mid";
    shown.slides[0].file = home + "a.jpg";
    shown.slides[1].file = home + "Holiday\\b.jpg";
    shown.slides[1].sound = home + "s.wav";
    EXPECT_EQ(folder.read("new.vts"), shown.bytes());

    // A refused folder stops the merge before anything is written.
    EXPECT_EQ(
        vtshow({"merge", "--relocate", "C:\\Pics\\=Pictures", "-o", folder.host("no.vts"), show}),
        "1||note:\nUnable to modify file path, you must specify the drive and/or folder...\n\n");
    EXPECT_FALSE(folder.exists("no.vts"));
}

TEST(VtshowUsage, WrongUsageExitsWithTwoAndTheUsage) {
    for (const char* line :
         {"", "frobnicate", "info", "info a b", "merge a.vts", "merge -o x.vts",
          "merge --no -o x.vts a.vts", "merge --relocate C:\\Pics\\ -o x.vts a.vts",
          "list --sections slides,pictures a.vts", "folders --numbers a.vts"}) {
        std::istringstream words(line);
        const std::string shown = vtshow({std::istream_iterator<std::string>(words), {}});
        EXPECT_TRUE(shown.starts_with("2||vtshow: ") && shown.find("\n\nusage:\n") != shown.npos)
            << shown;
    }
}

} // namespace
} // namespace vt
