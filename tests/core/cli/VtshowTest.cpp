#include "TestSupport.h"

#include "VtshowRun.h"
#include "cli/Vtshow.h"

#include <gtest/gtest.h>
#include <iterator>
#include <sstream>

namespace vt {
namespace {

using test::vtshow;

using test::ShowFile;

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
    EXPECT_EQ(vtshow({"info", folder.host("old.vts")}), "0|Version 3.0\n10 slides\n|");
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
    // A refused folder stops the merge before anything is written.
    EXPECT_EQ(
        vtshow({"merge", "--relocate", "C:\\Pics\\=Pictures", "-o", folder.host("no.vts"), show}),
        "1||note:\nUnable to modify file path, you must specify the drive and/or folder...\n\n");
    EXPECT_FALSE(folder.exists("no.vts"));
}

TEST_F(Vtshow, InfoListAndFoldersShowWhatTheWindowWould) {
    folder.write("junk.vts", "\"Vantora Slide Show\"\r\n");
    EXPECT_EQ(vtshow({"info", folder.host("junk.vts")}),
              "1|None\nZero slides\n|error:\nAn error occurred while reading the slide show file "
              "header.\n\nUnexpected end of file after line 1...\n\n");

    EXPECT_EQ(vtshow({"list", "--sections", "playlist,textures", "--numbers", show}),
              "0|\r\n\t*** Slide Show Background Textures\r\n\r\n(1) C:\\Tex\\t.bmp\r\n\r\n"
              "\t*** Slide Show Play List\r\n\r\nNo sounds are in the Play List...\r\n|");
    EXPECT_EQ(vtshow({"folders", "--append", other, show}),
              "0|[ListSlide]\nC:\\Pics\\\nc:\\pics\\Holiday\\\nD:\\\n[ListTexture]\nC:\\Tex\\\n"
              "[ListSound]\nC:\\Pics\\\n[TextSound]\nC:\\Snd\\m.mid\n|");
}

TEST(VtshowUsage, WrongUsageExitsWithTwoAndTheUsage) {
    for (const char* line :
         {"", "frobnicate", "info a b", "merge a.vts", "merge -o x.vts",
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
