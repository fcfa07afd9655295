#include "ModelBuilder.h"
#include "TestSupport.h"

#include "media/MediaCheck.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace vt {
namespace {

using namespace media;

// The check as text: one line per row, then one per entry.
std::string describe(const MediaCheck& check, const std::string& hostRoot) {
    std::string text;
    for (const FolderRowCheck& row : check.rows) {
        text += std::to_string(row.box) + "/" + std::to_string(row.row) + " " + row.folder + " " +
                std::to_string(row.files) + " " + std::to_string(row.missing) + " [";
        for (std::size_t problem : row.problems)
            text += " " + std::to_string(problem);
        text += " ]\n";
    }
    const char* states[] = {"found", "missing", "unmappable"};
    for (const MediaEntry& entry : check.entries) {
        std::string host = entry.hostPath;
        if (host.starts_with(hostRoot))
            host = "~/" + host.substr(hostRoot.size());
        text += std::string(sectionName(entry.section)) + " " + std::to_string(entry.index) + " " +
                entry.path + " " + states[static_cast<int>(entry.state)] + " " + host + " " +
                (entry.row == NoRow ? std::string("-") : std::to_string(entry.row)) + "\n";
    }
    return text + std::to_string(check.found) + " " + std::to_string(check.missing) + " " +
           std::to_string(check.notMappable) + "\n";
}

TEST(MediaCheck, FindsFilesIgnoringCaseAndGroupsThemByTheEditorsRows) {
    test::ScopedDriveMap drives(DriveMap({}));
    test::TempFolder folder;
    for (const char* name : {"Pics/a.jpg", "Pics/Holiday/B.JPG", "Pics/.hidden.jpg", "Tex/t.bmp",
                             "Snd/m.mid", "Snd/s.wav", "\xc3\x89t\xc3\xa9/e.jpg"})
        folder.write(name, "x");
    std::filesystem::create_directory(folder.host("Pics/dir.jpg"));
    const std::string w = folder.win();
    const auto model = test::makeModel(
        {{w + "Pics\\a.jpg", w + "tex\\T.BMP", "5"},
         {w + "Pics\\holiday\\b.jpg", "", w + "Snd\\s.wav"},
         {w + "Pics\\gone.jpg", "", " 12 "},
         {"D:\\Pics\\a.jpg", "", "\\\\server\\share\\s.wav"},
         {w + "Pics\\.hidden.jpg", "", ""},
         {w + "Pics\\dir.jpg", "", ""},
         {w + "\xe9T\xc9\\E.jpg", "", ""}},
        {w + "SND\\s.wav", w + "Snd\\none.wav"}, "  " + w + "Snd\\m.mid ");
    const std::string root = folder.host();
    EXPECT_EQ(describe(checkMedia(*model), root),
              "0/0 " + w + "Pics\\ 4 3 [ 2 4 5 ]\n"
              "0/1 " + w + "Pics\\holiday\\ 1 0 [ ]\n"
              "0/2 D:\\Pics\\ 1 1 [ 3 ]\n"
              "0/3 " + w + "\xe9T\xc9\\ 1 0 [ ]\n"
              "1/0 " + w + "tex\\ 1 0 [ ]\n"
              "2/0 " + w + "Snd\\ 3 1 [ 12 ]\n"
              "2/1 \\\\server\\share\\ 1 1 [ 10 ]\n"
              "3/0   " + w + "Snd\\m.mid  1 0 [ ]\n"
              "slide 0 " + w + "Pics\\a.jpg found ~/Pics/a.jpg 0\n"
              "slide 1 " + w + "Pics\\holiday\\b.jpg found ~/Pics/Holiday/B.JPG 1\n"
              "slide 2 " + w + "Pics\\gone.jpg missing  0\n"
              "slide 3 D:\\Pics\\a.jpg unmappable  2\n"
              "slide 4 " + w + "Pics\\.hidden.jpg missing  0\n"
              "slide 5 " + w + "Pics\\dir.jpg missing  0\n"
              "slide 6 " + w + "\xe9T\xc9\\E.jpg found ~/\xc3\x89t\xc3\xa9/e.jpg 3\n"
              "texture 0 " + w + "tex\\T.BMP found ~/Tex/t.bmp 4\n"
              "main sound 0 " + w + "Snd\\m.mid found ~/Snd/m.mid 7\n"
              "slide sound 1 " + w + "Snd\\s.wav found ~/Snd/s.wav 5\n"
              "slide sound 3 \\\\server\\share\\s.wav unmappable  6\n"
              "play list 0 " + w + "SND\\s.wav found ~/Snd/s.wav 5\n"
              "play list 1 " + w + "Snd\\none.wav missing  5\n"
              "7 4 2\n");

    // Once Modify has moved a folder, its sub-folder's files count under the
    // moved row; the old sub-folder row holds nothing.
    WorkingPaths editor(*model);
    editor.ReplaceFolder(w + "Pics\\", w + "Gone\\");
    editor.TextSound.clear();
    const MediaCheck moved = checkMedia(editor);
    ASSERT_EQ(moved.rows.size(), 7u);
    EXPECT_EQ(describe({{}, {moved.rows[0], moved.rows[1]}}, root),
              "0/0 " + w + "Gone\\ 5 5 [ 0 1 2 4 5 ]\n"
              "0/1 " + w + "Pics\\holiday\\ 0 0 [ ]\n"
              "0 0 0\n");
    EXPECT_EQ(moved.entries[1].path, w + "Gone\\holiday\\b.jpg");
}

TEST(MediaCheck, AFolderThatCannotBeListedStillHasItsFilesFound) {
    test::TempFolder folder;
    folder.write("locked/a.jpg", "x");
    std::filesystem::permissions(folder.host("locked"), std::filesystem::perms::owner_exec);
    const auto model = test::makeModel({{folder.win("locked\\a.jpg"), "", ""},
                                        {folder.win("locked\\b.jpg"), "", ""}});
    const MediaCheck check = checkMedia(*model);
    EXPECT_EQ(check.entries[0].hostPath, folder.host("locked/a.jpg"));
    EXPECT_EQ(check.found, 1);
    EXPECT_EQ(check.missing, 1);
}

} // namespace
} // namespace vt
