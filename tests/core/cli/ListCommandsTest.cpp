#include "TestSupport.h"

#include "cli/Vtshow.h"
#include "slideshow/SlideShowCommands.h"

#include <gtest/gtest.h>
#include <memory>
#include <sstream>

namespace vt {
namespace {

using test::crlfLines;
using test::ShowFile;
using test::TempFolder;

class VtshowPaths : public ::testing::Test {
  protected:
    VtshowPaths() {
        ShowFile show;
        show.mainSound = "C:\\Snd\\m.mid";
        show.slides = {{"C:\\Pics\\a.jpg", "", "4", "C:\\Tex\\t.bmp", ""},
                       {"c:\\pics\\Holiday\\b.jpg", "", "C:\\Pics\\s.wav", "", ""}};
        folder.write("show.vts", show.bytes());
        ShowFile other;
        other.slides = {{"D:\\c.jpg", "", "", "", ""}};
        folder.write("other.vts", other.bytes());
    }

    int run(std::vector<std::string> args) {
        out.str({});
        err.str({});
        return cli::run(args, out, err);
    }

    TempFolder folder;
    std::ostringstream out, err;
};

TEST_F(VtshowPaths, ListWritesTheListingBytesOfTheChosenSections) {
    EXPECT_EQ(run({"list", "--sections", "slides,sounds", "--numbers", "--append",
                   folder.host("other.vts"), folder.host("show.vts")}),
              0);
    const std::string listing =
        crlfLines({"", "\t*** Slide Show Image and/or Movie Files", "", "(1) C:\\Pics\\a.jpg",
                   "(2) c:\\pics\\Holiday\\b.jpg", "(3) D:\\c.jpg", "", "\t*** Main Sound File", "",
                   "C:\\Snd\\m.mid", "", "\t*** Sound Files for Each Slide", "",
                   "(1) CD-Audio Track #4", "(2) C:\\Pics\\s.wav"});
    EXPECT_EQ(out.str(), listing);
    EXPECT_EQ(err.str(), "");

    EXPECT_EQ(run({"list", folder.host("show.vts")}), 0);
    const std::string all = out.str();
    EXPECT_NE(all.find("\t*** Slide Show Play List\r\n\r\nNo sounds"), std::string::npos);
    EXPECT_EQ(run({"list", "-o", folder.host("l.txt"), folder.host("show.vts")}), 0);
    EXPECT_EQ(folder.read("l.txt"), all);

    EXPECT_EQ(run({"list", "--sections", "slides,pictures", folder.host("show.vts")}), 2);
    EXPECT_EQ(run({"list", "-o", folder.host("gone/l.txt"), folder.host("show.vts")}), 1);
    EXPECT_NE(err.str().find("Unable to create temporary file"), std::string::npos);
}

TEST_F(VtshowPaths, FoldersPrintsThePathEditorsRows) {
    EXPECT_EQ(run({"folders", "--append", folder.host("other.vts"), folder.host("show.vts")}), 0);
    EXPECT_EQ(out.str(), "[ListSlide]\nC:\\Pics\\\nc:\\pics\\Holiday\\\nD:\\\n"
                         "[ListTexture]\nC:\\Tex\\\n"
                         "[ListSound]\nC:\\Pics\\\n"
                         "[TextSound]\nC:\\Snd\\m.mid\n");
    EXPECT_EQ(run({"folders", folder.host("other.vts")}), 0);
    EXPECT_EQ(out.str(), "[ListSlide]\nD:\\\n[ListTexture]\n[ListSound]\n[TextSound]\n\n");
    EXPECT_EQ(run({"folders", "--numbers", folder.host("other.vts")}), 2);
}

TEST_F(VtshowPaths, MergeRelocatesFoldersBeforeWriting) {
    const std::string home = folder.win();
    EXPECT_EQ(run({"merge", "--relocate", "c:\\pics\\Holiday\\=" + home + "Holiday", "--relocate",
                   "C:\\Pics\\=" + home, "-o", folder.host("new.vts"), folder.host("show.vts")}),
              0);
    auto model = std::make_unique<SlideShowModel>();
    test::RecordingPrompter prompter;
    openSlideShow(*model, folder.win("new.vts"), prompter);
    EXPECT_EQ(model->slide(0).SlideFile, home + "a.jpg");
    EXPECT_EQ(model->slide(1).SlideFile, home + "Holiday\\b.jpg");
    EXPECT_EQ(model->slide(1).SlideSound, home + "s.wav");
    EXPECT_EQ(model->slide(0).SlideSound, "4");
    EXPECT_EQ(model->MainSoundFile, "C:\\Snd\\m.mid");

    // With no box to edit it in, the main sound file moves too.
    EXPECT_EQ(run({"merge", "--relocate", "C:\\Snd\\=D:\\", "-o", folder.host("snd2.vts"),
                   folder.host("show.vts")}),
              0);
    openSlideShow(*model, folder.win("snd2.vts"), prompter);
    EXPECT_EQ(model->MainSoundFile, "D:\\m.mid");

    // A refused folder stops the merge before anything is written.
    EXPECT_EQ(run({"merge", "--relocate", "C:\\Pics\\=Pictures", "-o", folder.host("no.vts"),
                   folder.host("show.vts")}),
              1);
    EXPECT_FALSE(folder.exists("no.vts"));
    EXPECT_NE(err.str().find("you must specify the drive and/or folder"), std::string::npos);
    EXPECT_EQ(run({"merge", "--relocate", "C:\\Pics\\", "-o", folder.host("no.vts"),
                   folder.host("show.vts")}),
              2);
}

} // namespace
} // namespace vt
