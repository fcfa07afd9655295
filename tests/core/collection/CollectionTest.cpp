#include "TestSupport.h"

#include "VtshowRun.h"
#include "slideshow/SlideShowCommands.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace vt {
namespace {

namespace fs = std::filesystem;
using test::vtshow;

// A collection whose pictures and music moved off a C: drive this machine
// lacks: a show in nested folders with accented names, one that is no show,
// one with a picture found nowhere, one whose play list moved, one that is
// whole, a hidden one, and a link that leads into a folder a second time.
class Collection : public ::testing::Test {
  protected:
    Collection() {
        for (const char* name : {"moved/Pics/Beach/a.jpg", "moved/Pics/Beach/b.jpg",
                                 "moved/Music/one.wav", "moved/Music/two.wav", "here/ok.jpg",
                                 "here/song.wav", "col/notes.txt"})
            folder.write(name, "x");
        show("col/Café/Été/trip.vts", {"C:\\Pics\\Beach\\a.jpg", "C:\\Pics\\Beach\\b.jpg"});
        show("col/lost.vts", {"C:\\Pics\\Beach\\a.jpg", "C:\\Pics\\nowhere.jpg"});
        show("col/ok.vts", {w + "here\\ok.jpg"});
        show("col/.hidden.vts", {"C:\\Pics\\Beach\\a.jpg"});
        test::ShowFile songs;
        songs.soundMode = 3;
        songs.slides = {{w + "here\\ok.jpg", "", "", "", ""}};
        songs.hasPlayList = true;
        songs.playList = {"C:\\Music\\one.wav", w + "here\\song.wav", "C:\\Music\\two.wav"};
        folder.write("col/Musik/songs.VTS", songs.bytes());
        folder.write("col/broken.vts", "not a show\r\n");
        fs::create_directory_symlink("Café", folder.host("col/again"));
    }
    void show(const char* name, const std::vector<std::string>& pictures) {
        test::ShowFile file;
        for (const std::string& picture : pictures)
            file.slides.push_back({picture, "", "", "", ""});
        folder.write(name, file.bytes());
    }
    std::string relink(std::vector<std::string> more) {
        std::vector<std::string> args{"relink", "--search", folder.host("moved")};
        args.insert(args.end(), more.begin(), more.end());
        return vtshow(args);
    }

    test::ScopedDriveMap drives{DriveMap({})};
    test::TempFolder folder;
    const std::string w = folder.win(), c = folder.host("col/");
    // Show names as the user typed them: relative to the current folder.
    const std::string broken = c + "broken.vts:\nwarning:\nThe selected file is not a valid Vantora "
                               "slide show file...\n\nFilenames with .VTS in the last 4 positions "
                               "are normally associated with Vantora files.\n\n";
};

TEST_F(Collection, CheckReadsEachShowOnItsOwnAndSumsThemUp) {
    const test::ScopedCurrentFolder here(folder.host());
    EXPECT_EQ(vtshow({"check", "col"}),
              "1|col/broken.vts: could not be read\n"
              "col/lost.vts: 2 slides, 2 missing\n"
              "col/ok.vts: 1 slide, 0 missing\n"
              "col/Café/Été/trip.vts: 2 slides, 2 missing\n"
              "col/Musik/songs.VTS: 1 slide, 2 missing\n"
              "\n"
              "Show                                Slides  Missing\n"
              "col/broken.vts (could not be read)       -        -\n"
              "col/lost.vts                             2        2\n"
              "col/ok.vts                               1        0\n"
              "col/Café/Été/trip.vts                    2        2\n"
              "col/Musik/songs.VTS                      1        2\n"
              "Total                                    6        6\n"
              "\n"
              "5 shows: 1 whole, 3 with missing files, 1 could not be read.\n"
              "|col/" + broken.substr(c.size()));
    // A show reached once more through a link is read once.
    EXPECT_TRUE(vtshow({"check", "col/again", "col/Café"})
                    .starts_with("1|col/again/Été/trip.vts: 2 slides, 2 missing\n\nShow "));
    // One show alone is checked in full, its left-out play list entries too.
    EXPECT_EQ(vtshow({"check", "col/Musik/songs.VTS"}),
              "1|[ListSlide] " + w + "here\\: 1 file, 0 missing\n"
              "[ListSound] " + w + "here\\: 1 file, 0 missing\n"
              "[PlayList] entries left out of the play list until their files are found:\n"
              "  play list 1, not mappable: C:\\Music\\one.wav\n"
              "  play list 3, not mappable: C:\\Music\\two.wav\n"
              "4 files: 2 found, 0 missing, 2 not mappable\n|");
    const std::string nothing = vtshow({"check", "col/ok.vts", "nothing"});
    EXPECT_TRUE(nothing.starts_with("1|col/ok.vts: 1 slide, 0 missing\n") &&
                nothing.find("\n1 show: 1 whole, 0 with missing") != nothing.npos &&
                nothing.ends_with("|error:\nThere is no file or folder of this name:\n\nnothing\n\n"))
        << nothing;
}

TEST_F(Collection, RelinkWritesTheChangedShowsIntoAFolderKeepingTheirLayout) {
    const std::string out = folder.host("out");
    const std::string all = relink({"-O", out, folder.host("col")});
    EXPECT_EQ(all.substr(0, all.find("\n\n")),
              "1|" + c + "broken.vts: could not be read\n"
              "Searched 4 files in 4 folders.\n" +
              c + "lost.vts: 2 slides, 2 missing, 1 after relinking, written to " + out + "/lost.vts\n" +
              c + "ok.vts: 1 slide, 0 missing, 0 after relinking, not changed\n" +
              c + "Café/Été/trip.vts: 2 slides, 2 missing, 0 after relinking, written to " + out +
              "/Café/Été/trip.vts\n" +
              c + "Musik/songs.VTS: 1 slide, 2 missing, 0 after relinking, written to " + out +
              "/Musik/songs.VTS");
    EXPECT_EQ(all.substr(all.find("\n\n5 shows")),
              "\n\n5 shows: 3 whole, 1 with missing files, 1 could not be read.\n|" + broken);
    EXPECT_FALSE(folder.exists("out/ok.vts") || folder.exists("out/broken.vts"));

    // The play list came back in its order; nothing was left behind.
    test::RecordingPrompter prompter;
    SlideShowModel songs;
    openSlideShow(songs, folder.win("out\\Musik\\songs.VTS"), prompter);
    ASSERT_EQ(songs.PlayListCount, 3);
    EXPECT_EQ(songs.playList(0) + songs.playList(1) + songs.playList(2),
              w + "moved\\Music\\one.wav" + w + "here\\song.wav" + w + "moved\\Music\\two.wav");
    EXPECT_TRUE(songs.PlayListAside.empty() && prompter.messages.empty());

    // Over the show itself, and over what is there only when asked.
    const std::string again = relink({"-O", out, folder.host("col/lost.vts"), c + "Café"});
    EXPECT_NE(again.find("lost.vts: 2 slides, 2 missing, 1 after relinking, not written\n"),
              std::string::npos);
    EXPECT_NE(again.find("written to " + out + "/Été/trip.vts"), std::string::npos);
    EXPECT_NE(relink({"-O", folder.host("col"), c + "lost.vts"}).find("You may not replace"),
              std::string::npos);
}

TEST_F(Collection, RelinkInPlaceKeepsEachOldShowAsANewBackup) {
    folder.write("col/Café/Été/trip.vts.bak", "an older backup");
    const std::string trip = folder.read("col/Café/Été/trip.vts"), lost = folder.read("col/lost.vts"),
                      songs = folder.read("col/Musik/songs.VTS"), ok = folder.read("col/ok.vts");
    fs::permissions(folder.host("col/lost.vts"), fs::perms::owner_read | fs::perms::owner_write);
    const std::string all = relink({"--in-place", folder.host("col")});
    EXPECT_NE(all.find("trip.vts: 2 slides, 2 missing, 0 after relinking, replaced, the old one kept as " +
                       c + "Café/Été/trip.vts.2.bak\n"),
              std::string::npos);
    EXPECT_EQ(all.substr(0, 2), "1|");
    EXPECT_EQ(folder.read("col/Café/Été/trip.vts.bak"), "an older backup");
    EXPECT_EQ(folder.read("col/Café/Été/trip.vts.2.bak"), trip);
    EXPECT_EQ(folder.read("col/lost.vts.bak"), lost);
    EXPECT_EQ(folder.read("col/Musik/songs.VTS.bak"), songs);
    EXPECT_EQ(fs::status(folder.host("col/lost.vts.bak")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_FALSE(folder.exists("col/ok.vts.bak"));
    EXPECT_EQ(folder.read("col/ok.vts"), ok);
    EXPECT_NE(folder.read("col/Musik/songs.VTS"), songs);

    // Run again, nothing more can be done: nothing is written.
    const std::string again = relink({"--in-place", folder.host("col")});
    EXPECT_NE(again.find("lost.vts: 2 slides, 1 missing, 1 after relinking, not changed\n"),
              std::string::npos);
    EXPECT_FALSE(folder.exists("col/lost.vts.2.bak"));
    // Every show fixable, so every one whole.
    EXPECT_EQ(relink({"--in-place", c + "Café", c + "ok.vts", c + "Musik"}).substr(0, 2), "0|");
}

TEST_F(Collection, AShowThatMayNotBeReplacedGetsNoBackupAndCountsAsNotWritten) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser may write anything; run as an ordinary user";
    const std::string lost = folder.read("col/lost.vts");
    fs::permissions(folder.host("col/lost.vts"), fs::perms::owner_read);
    const std::string all = relink({"--in-place", folder.host("col/lost.vts")});
    EXPECT_NE(all.find("1 show: 0 whole, 1 with missing files, 0 could not be read, 1 not written.\n"),
              std::string::npos);
    EXPECT_NE(all.find("error:\nThe slide show could not be replaced:\n\n" + w +
                       "col\\lost.vts\n\nPermission denied...\n"),
              std::string::npos);
    EXPECT_EQ(all.substr(0, 2), "1|");
    EXPECT_EQ(folder.read("col/lost.vts"), lost);
    EXPECT_FALSE(folder.exists("col/lost.vts.bak"));
}

} // namespace
} // namespace vt
