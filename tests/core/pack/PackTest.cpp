#include "TestSupport.h"

#include "pack/Pack.h"
#include "pack/PackNames.h"
#include "platform/FileCopy.h"
#include "platform/FileSystem.h"
#include "slideshow/SlideShowReader.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace vt {
namespace {

namespace fs = std::filesystem;
using test::ShowFile;

// Every file found under a folder, as "relative path=contents" lines.
std::string tree(const std::string& hostFolder) {
    std::vector<std::string> lines;
    std::error_code error;
    for (const auto& item : fs::recursive_directory_iterator(hostFolder, error)) {
        const std::string name = fs::relative(item.path(), hostFolder).string();
        if (item.is_directory()) {
            lines.push_back(name + "/");
            continue;
        }
        std::ostringstream bytes;
        bytes << std::ifstream(item.path(), std::ios::binary).rdbuf();
        lines.push_back(name + "=" + bytes.str());
    }
    std::sort(lines.begin(), lines.end());
    std::string all;
    for (const std::string& line : lines)
        all += line + "\n";
    return all;
}

// A show whose files live in several folders: two of them named Beach, a
// file needed three times, names Windows cannot hold, a CD track, relative
// and absolute paths and a missing file.
class Pack : public ::testing::Test {
  protected:
    Pack() {
        for (const auto& [name, bytes] :
             std::vector<std::pair<std::string, std::string>>{{"shows/Beach/a.jpg", "a"},
                                                              {"shows/Beach/A.JPG", "A big"},
                                                              {"shows/Beach/Caf\u00e9.jpg", "cafe"},
                                                              {"shows/list.mid", "midi"},
                                                              {"trips/Beach/b.jpg", "bb"},
                                                              {"trips/Beach/what?.jpg", "q"},
                                                              {"snd/theme.wav", "wave"},
                                                              {"tex/t.bmp", "texture"}})
            temp.write(name, bytes);
        fs::last_write_time(temp.host("tex/t.bmp"), Old);
        show.soundMode = 3;
        show.mainSound = temp.win("snd\\theme.wav");
        show.slides = {
            {"Beach\\a.jpg", "", "7", temp.win("tex\\t.bmp"), ""},
            {temp.win("shows\\Beach\\Caf\xe9.jpg"), "", temp.win("snd\\theme.wav"), "", ""},
            {temp.win("trips\\Beach\\b.jpg"), "", "", "", ""},
            {temp.win("trips\\Beach\\what?.jpg"), "", "", "", ""},
            {"Beach\\A.JPG", "", "", "", ""},
            {temp.win("shows\\Beach\\gone.jpg"), "", "", "", ""}};
        show.hasPlayList = true;
        show.playList = {temp.win("snd\\theme.wav"), "list.mid"};
        temp.write("shows/trip.vts", show.bytes());
    }

    void open() {
        model = std::make_unique<SlideShowModel>();
        ReadSlideShow(*model, temp.win("shows\\trip.vts"), prompter);
        model->SlideCount = countSlides(*model);
    }

    // Plans and runs a pack into folder as the window does; the outcome, or
    // "refused" when no plan was made.
    std::string pack(const std::string& folder, pack::PackProgress& progress) {
        const auto plan = pack::planPack(*model, folder, temp.win("shows\\trip.vts"), prompter);
        if (!plan)
            return "refused";
        const pack::PackResult result = pack::runPack(*plan, progress);
        pack::reportPack(*plan, result, prompter, 10);
        return result.outcome == pack::Outcome::Packed      ? "packed"
               : result.outcome == pack::Outcome::Cancelled ? "cancelled"
                                                            : "failed";
    }
    std::string pack(const std::string& folder) {
        pack::PackProgress progress;
        return pack(folder, progress);
    }

    static constexpr auto Old = fs::file_time_type(std::chrono::hours(24 * 365 * 40));
    test::TempFolder temp;
    ShowFile show;
    std::unique_ptr<SlideShowModel> model;
    test::RecordingPrompter prompter;
};

TEST_F(Pack, GathersEveryFileIntoAFolderThatWorksWhereverItIsMoved) {
    open();
    const auto sourceTree = [&] {
        return tree(temp.host("shows")) + tree(temp.host("trips")) + tree(temp.host("snd")) +
               tree(temp.host("tex"));
    };
    const std::string sources = sourceTree();
    ASSERT_EQ(pack(temp.win("out\\Trip")), "packed");

    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{
                  "The slide show has been packed into " + temp.win("out\\Trip\\") +
                  " as trip.vts.\r\n\r\nFiles copied: 8 (28 bytes)\r\nFiles missing: 1\r\nNames "
                  "changed: 2\r\n\r\nThese files were not found; their slides keep the old "
                  "paths:\r\n" +
                  temp.win("shows\\Beach\\gone.jpg") +
                  "\r\n\r\nThese names were changed, as Windows cannot hold them as they "
                  "were:\r\n" +
                  temp.win("trips\\Beach\\what?.jpg") + "  ->  Beach (2)\\what_.jpg\r\n" +
                  temp.win("shows\\Beach\\A.JPG") + "  ->  Beach\\A (2).JPG"});
    EXPECT_EQ(prompter.messages[0].icon, Icon::Exclamation);

    ShowFile packed = show;
    packed.mainSound = "snd\\theme.wav";
    packed.slides = {{"Beach\\a.jpg", "", "7", "tex\\t.bmp", ""},
                     {"Beach\\Caf\xe9.jpg", "", "snd\\theme.wav", "", ""},
                     {"Beach (2)\\b.jpg", "", "", "", ""},
                     {"Beach (2)\\what_.jpg", "", "", "", ""},
                     {"Beach\\A (2).JPG", "", "", "", ""},
                     {temp.win("shows\\Beach\\gone.jpg"), "", "", "", ""}};
    packed.playList = {"snd\\theme.wav", "shows\\list.mid"};
    const std::string packedTree = tree(temp.host("out/Trip"));
    EXPECT_EQ(packedTree,
              "Beach (2)/\nBeach (2)/b.jpg=bb\nBeach (2)/what_.jpg=q\nBeach/\nBeach/A (2).JPG=A "
              "big\nBeach/Caf\u00e9.jpg=cafe\nBeach/a.jpg=a\nshows/\nshows/list.mid=midi\nsnd/\n"
              "snd/theme.wav=wave\ntex/\ntex/t.bmp=texture\ntrip.vts=" +
                  packed.bytes() + "\n");
    EXPECT_EQ(fs::last_write_time(temp.host("out/Trip/tex/t.bmp")), Old);

    EXPECT_EQ(sourceTree(), sources); // the show and its files untouched
}

TEST_F(Pack, RefusesWhatCannotBePackedBeforeWritingAnything) {
    open();
    temp.write("busy/trip.vts", "mine");
    temp.write("busy/Beach/x.jpg", "x");
    temp.write("afile", "x");
    const std::string busy = tree(temp.host("busy"));
    prompter.answers = {Answer::No};
    EXPECT_EQ(pack(temp.win("busy")), "refused");
    EXPECT_EQ(pack(temp.win("busy")), "refused");
    EXPECT_EQ(pack(temp.win("afile")), "refused");
    // A name whose extension alone leaves no room in 260 characters.
    const std::string folder(92, 'f'), extension(240, 'e');
    temp.write(folder + "/x." + extension, "x");
    model->slot(model->SlideCount++).SlideFile = temp.win(folder + "\\x." + extension);
    EXPECT_EQ(pack(temp.win("out")), "refused");
    const std::string notEmpty =
        "The folder " + temp.win("busy\\") +
        " is not empty.\r\n\r\nPack the slide show into it anyway? Nothing "
        "that it holds now will be replaced.";
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{
                  notEmpty, notEmpty,
                  "The folder " + temp.win("busy\\") +
                      " already holds a file named trip.vts.\r\n\r\nNothing was packed. Choose "
                      "another folder, or move that file away first.",
                  "A file, not a folder, already has the name of the folder to pack "
                  "into:\r\n\r\n" +
                      temp.win("afile\\"),
                  "Nothing was packed: these files would get paths longer than a slide show file "
                  "can hold (260 characters, counted from the packed folder):\r\n" +
                      temp.win(folder + "\\x." + extension)}));
    EXPECT_EQ(tree(temp.host("busy")), busy);
    EXPECT_FALSE(temp.exists("out"));
}

// A disk that fills up during the copy, or while the show is written, stops
// the pack; what it wrote goes, what the folder held stays.
TEST_F(Pack, AFullDiskLeavesNothingHalfWritten) {
    open();
    temp.write("usb/Beach/mine.jpg", "mine");
    temp.write("usb/keep.txt", "keep");
    const std::string before = tree(temp.host("usb"));
    const std::string failed = "The slide show could not be packed into " + temp.win("usb\\") +
                               ". Everything the pack had written has been removed; the slide "
                               "show and its files are unchanged.\r\n\r\n";
    for (const auto& [room, problem] : std::vector<std::pair<std::size_t, std::string>>{
             {6, "Unable to copy " + temp.win("trips\\Beach\\b.jpg") + "."},
             {28, "Unable to write the slide show file " + temp.win("usb\\trip.vts") + "."}}) {
        prompter.messages.clear();
        files::setWriteFault(files::WriteFault{ENOSPC, room});
        EXPECT_EQ(pack(temp.win("usb")), "failed");
        files::setWriteFault(std::nullopt);
        EXPECT_EQ(prompter.texts().back(), failed + problem + "\r\n\r\nNo space left on device...");
        EXPECT_EQ(tree(temp.host("usb")), before);
    }
}

TEST(PackNames, WindowsCanHoldEveryNameThePackGives) {
    std::string names;
    for (const char* name : {"a:b*c?.jpg", "x<y>z|\"q\".bmp", "tab\there\x01.wav", "end. . ", "...",
                             "CON.txt", "com1", "lpt9.a.b", "Console.txt", "caf\xe9.jpg"})
        names += pack::windowsSafeName(name) + "|";
    EXPECT_EQ(names, "a_b_c_.jpg|x_y_z__q_.bmp|tab_here_.wav|end|_|CON_.txt|com1_|lpt9_.a.b|"
                     "Console.txt|caf\xe9.jpg|");

    pack::NameSet used;
    std::string claimed;
    for (const char* name :
         {"a.jpg", "A.JPG", "a.jpg", "abcdefgh.jpg", "abcdefgh.jpg", "x.toolongext"})
        claimed += used.claim(name, 11) + "|";
    EXPECT_EQ(claimed, "a.jpg|A (2).JPG|a (3).jpg|abcdefg.jpg|abc (2).jpg||");
}

} // namespace
} // namespace vt
