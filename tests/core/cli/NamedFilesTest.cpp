#include "TestSupport.h"

#include "VtshowRun.h"
#include "common/CodePage.h"
#include "platform/FileSystem.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace vt {
namespace {

using test::ShowFile;
using test::vtshow;

// What a run leaves: its exit status and the bytes of the files that matter
// ("-" for a file that is not there).
struct Outcome {
    int status;
    std::vector<std::pair<std::string, std::string>> files;
};

class NamedFiles : public ::testing::Test {
  protected:
    NamedFiles() {
        ShowFile show;
        for (std::string* bytes : {&source, &appended, &merged, &four}) {
            show.slides.push_back({"C:\\Pics\\a.jpg", "", "", "", ""});
            *bytes = show.bytes();
        }
        for (const char* name : {"show.vts", "日本/a.vts", "日本/keep.vts"})
            folder.write(name, source);
        folder.write("app.vts", appended);
        folder.write("other.vts", "other");
        folder.write("notes.txt", "notes");
        std::filesystem::create_directory(folder.host("写真"));
        std::filesystem::create_symlink("show.vts", folder.host("lnk.vts"));
        std::filesystem::create_directory_symlink(".", folder.host("here"));
    }

    std::string bytesOf(const std::string& name) const {
        return folder.exists(name) ? folder.read(name) : "-";
    }

    // Runs vtshow in the folder and checks what it left.
    void expect(const std::vector<std::string>& args, const Outcome& outcome) {
        const std::string all = vtshow(args);
        const std::string line = args.front() + ' ' + args.back();
        EXPECT_EQ(all.substr(0, all.find('|')), std::to_string(outcome.status)) << line << all;
        for (const auto& [name, bytes] : outcome.files)
            EXPECT_EQ(bytesOf(name), bytes) << line << name;
    }

    test::TempFolder folder;
    test::ScopedCurrentFolder inFolder{folder.host()};
    std::string source, appended, merged, four; // one slide, two, three and four
};

TEST_F(NamedFiles, EveryWriteLandsOnExactlyTheFileNamedAndNeverOnAShowRead) {
    const std::vector<std::pair<std::vector<std::string>, Outcome>> cases = {
        // Names from other scripts are written as typed, next to look-alikes.
        {{"merge", "-o", "合併.vts", "show.vts"}, {0, {{"合併.vts", source}, {"??.vts", "-"}}}},
        {{"merge", "--yes", "-o", "写真/keep.vts", "show.vts", "app.vts"},
         {0, {{"写真/keep.vts", merged}, {"日本/keep.vts", source}}}},
        // Both are "Z:\\...\\??\\keep.vts" in the code page, yet two shows: no question.
        {{"merge", "-o", "both.vts", "日本/keep.vts", "写真/keep.vts"}, {0, {{"both.vts", four}}}},
        // Letter case: another file stays another file, the shows read are caught.
        {{"merge", "--yes", "-o", "OTHER.vts", "show.vts"},
         {0, {{"OTHER.vts", source}, {"other.vts", "other"}}}},
        {{"merge", "--yes", "-o", "SHOW.VTS", "show.vts"}, {1, {{"SHOW.VTS", "-"}}}},
        {{"list", "--yes", "-o", "SHOW.VTS", "--append", "app.vts", "show.vts"},
         {1, {{"SHOW.VTS", "-"}}}},
        // Links and "..": the file behind them is the one compared.
        {{"merge", "--yes", "-o", "lnk.vts", "show.vts", "app.vts"}, {1, {{"show.vts", source}}}},
        {{"merge", "--yes", "-o", "here/日本/../app.vts", "show.vts", "app.vts"},
         {1, {{"app.vts", appended}}}},
        {{"relink", "--yes", "--search", "写真", "-o", "lnk.vts", "show.vts"},
         {1, {{"show.vts", source}}}},
        {{"pack", "-o", "lnk.vts", "show.vts"}, {1, {{"show.vts", source}}}},
        // list -o asks before replacing, as merge does.
        {{"list", "-o", "notes.txt", "show.vts"}, {1, {{"notes.txt", "notes"}}}},
        {{"list", "--yes", "--sections", "playlist", "-o", "notes.txt", "show.vts"},
         {0,
          {{"notes.txt", "\r\n\t*** Slide Show Play List\r\n\r\nNo sounds are in the Play "
                         "List...\r\n"}}}},
        // What a show must hold and its code page cannot: said, nothing written.
        {{"merge", "--relocate", "C:\\Pics\\=Z:\\写真", "-o", "new.vts", "show.vts"},
         {1, {{"new.vts", "-"}}}},
        {{"pack", "-o", "packed", "日本/a.vts"}, {1, {{"packed", "-"}}}},
    };
    // A '?' where the code page lacks a character matches no name on the disk.
    EXPECT_EQ(DriveMap::current().toHost(folder.win("?" "?\\a.vts")), folder.host("?" "?/a.vts"));
    for (const auto& [args, outcome] : cases)
        expect(args, outcome);
}

// relink finds files in folders of any script, and says which of them a
// show cannot name instead of dropping them silently.
TEST_F(NamedFiles, RelinkSaysWhichFoundFoldersAShowCannotHold) {
    ShowFile show;
    const std::string w = codepage::fromUtf8(folder.win());
    show.slides = {{w + "pics\\a.jpg", "", "", "", ""}, {w + "old\\b.jpg", "", "", "", ""}};
    folder.write("moved.vts", show.bytes());
    folder.write("moved/写真/a.jpg", "a");
    folder.write("moved/Café/b.jpg", "b");
    const std::string all = vtshow({"relink", "--search", "moved", "-o", "new.vts", "moved.vts"});
    EXPECT_NE(all.find("pics\\  (found, not storable)  "), std::string::npos) << all;
    EXPECT_TRUE(all.ends_with("|warning:\nFound, but not storable: a slide show file cannot hold "
                              "these folders' names in its code page, so their files stay "
                              "missing:\n\n" +
                              folder.host("moved/写真/") + "\n\n"))
        << all;
    show.slides[1].file = w + "moved\\Caf\xE9\\b.jpg";
    EXPECT_EQ(folder.read("new.vts"), show.bytes());
}

} // namespace
} // namespace vt
