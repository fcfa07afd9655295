#include "TestSupport.h"

#include "VtshowRun.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace vt {
namespace {

using test::vtshow;

namespace fs = std::filesystem;
using test::ShowFile;

// A show made on a machine with a C: drive, and the tree its files moved to:
// the same name in two folders, names in other letter case, a file that is
// nowhere, a CD-audio track, a hidden folder and a link back up the tree.
class Relink : public ::testing::Test {
  protected:
    Relink() {
        for (const char* name :
             {"moved/Pics/Beach/a.jpg", "moved/Pics/Beach/b.jpg", "moved/Backup/a.jpg",
              "moved/other/c.jpg", "moved/Tex/Paper.BMP", "moved/Snd/gulls.wav",
              "moved/Snd/waves.wav", "moved/.hidden/theme.mid", "moved/one/q.jpg",
              "moved/two/q.jpg", "here/ok.jpg", "here/song.wav"})
            folder.write(name, "x");
        fs::create_directory_symlink("..", folder.host("moved/Pics/loop"));
        shown.soundMode = 3; // else no play list is written
        shown.mainSound = "C:\\Snd\\theme.mid";
        shown.slides = {{"C:\\Pics\\Beach\\a.jpg", "", "3", "C:\\Tex\\paper.bmp", ""},
                        {"C:\\Pics\\Beach\\B.jpg", "", "C:\\Snd\\gulls.wav", "", ""},
                        {"C:\\Pics\\Beach\\c.jpg", "", "", "", ""},
                        {"C:\\Pics\\Beach\\lost.jpg", "", "", "", ""},
                        {"C:\\Art\\q.jpg", "", "", "", ""},
                        {w + "here\\ok.jpg", "", "", "", ""}};
        shown.hasPlayList = true;
        shown.playList = {w + "here\\song.wav"}; // the reader drops entries found nowhere
        folder.write("show.vts", shown.bytes());
    }

    test::ScopedDriveMap drives{DriveMap({})};
    test::TempFolder folder;
    const std::string w = folder.win(), show = folder.host("show.vts");
    ShowFile shown;
};

TEST_F(Relink, MovesWhatItFoundAndWritesTheNewShow) {
    const std::string m = w + "moved\\";
    // The new folder column is as wide as its widest folder.
    const auto column = [&](std::string text) {
        text.resize(m.size() + 11, ' ');
        return text;
    };
    const std::string report =
        "Searched 10 files in 10 folders. 1 link into folders already searched skipped.\n\n"
        "List         Old folder      " + column("New folder") + "  Found  Still missing  Ambiguous\n"
        "ListSlide    C:\\Pics\\Beach\\  " + column(m + "Pics\\Beach\\") + "      3              1\n"
        "ListSlide    C:\\Art\\         " + column("-") + "      0              1  2 candidates\n"
        "ListTexture  C:\\Tex\\         " + column(m + "Tex\\") + "      1              0\n"
        "ListSound    C:\\Snd\\         " + column(m + "Snd\\") + "      1              0\n"
        "  C:\\Art\\ is ambiguous between:\n"
        "    " + m + "one\\ (1 file)\n"
        "    " + m + "two\\ (1 file)\n"
        "\n"
        "Single files:\n"
        "  slide 3: C:\\Pics\\Beach\\c.jpg -> " + m + "other\\c.jpg\n"
        "  main sound: C:\\Snd\\theme.mid -> " + m + ".hidden\\theme.mid\n"
        "\n";
    EXPECT_EQ(vtshow({"relink", "--search", folder.host("moved"), "--dry-run", show}),
              "1|" + report + "Dry run, nothing written: 10 files: 8 found, 1 missing, 1 not mappable\n|");
    EXPECT_FALSE(folder.exists("new.vts"));

    EXPECT_EQ(vtshow({"relink", "--search", folder.host("moved"), "-o", folder.host("new.vts"), show}),
              "1|" + report + w + "new.vts: 10 files: 8 found, 1 missing, 1 not mappable\n|");
    shown.mainSound = m + ".hidden\\theme.mid";
    shown.slides[0] = {m + "Pics\\Beach\\a.jpg", "", "3", m + "Tex\\paper.bmp", ""};
    shown.slides[1].file = m + "Pics\\Beach\\B.jpg";
    shown.slides[1].sound = m + "Snd\\gulls.wav";
    shown.slides[2].file = m + "other\\c.jpg";
    shown.slides[3].file = m + "Pics\\Beach\\lost.jpg";
    EXPECT_EQ(folder.read("new.vts"), shown.bytes());
}

TEST_F(Relink, RefusesToReplaceItsShowAndSaysWhatItCannotSearch) {
    const std::string refused =
        vtshow({"relink", "--search", folder.host("moved"), "--yes", "-o", show, show});
    EXPECT_EQ(refused.substr(0, 2) + refused.substr(refused.rfind('|') + 1),
              "1|note:\nYou may not replace the opened slide show file, choose another filename "
              "and then try again...\n\n");
    EXPECT_EQ(folder.read("show.vts"), shown.bytes());

    EXPECT_EQ(vtshow({"relink", "--search", folder.host("absent"), "--search", folder.host("moved"),
                      "-o", folder.host("x.vts"), show}),
              "1||error:\nThe search folder does not exist or cannot be read:\n\n" +
                  folder.host("absent") + "\n\n");
    EXPECT_FALSE(folder.exists("x.vts"));

    ShowFile here;
    here.slides = {{w + "here\\ok.jpg", "", "", "", ""}};
    folder.write("here.vts", here.bytes());
    EXPECT_EQ(vtshow({"relink", "--search", folder.host("absent"), "-o", folder.host("x.vts"),
                      folder.host("here.vts")}),
              "0|Nothing is missing.\n" + w + "x.vts: 1 file: 1 found, 0 missing, 0 not mappable\n|");
    EXPECT_EQ(folder.read("x.vts"), here.bytes());
}

} // namespace
} // namespace vt
