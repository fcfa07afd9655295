#include "TestSupport.h"

#include "VtshowRun.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace vt {
namespace {

using test::ShowFile;
using test::vtshow;

// Shows that cannot be read whole, each given as the source and as a show
// to append, to every command that writes: nothing is written, exit 1.
TEST(FailedReads, NothingIsWrittenFromAShowNotReadWhole) {
    test::TempFolder folder;
    test::ScopedCurrentFolder inFolder(folder.host());
    ShowFile show;
    show.slides = {{"C:\\a.jpg", "", "", "", ""}, {"C:\\b.jpg", "", "", "", ""}};
    const std::string good = show.bytes();
    folder.write("good.vts", good);
    folder.write("keep.vts", "keep me");
    folder.write("cut.vts", good.substr(0, good.size() - 30));
    folder.write("text.vts", "just some notes\r\n");
    show.version = "Version 4.0";
    folder.write("v4.vts", show.bytes());
    std::filesystem::create_directory(folder.host("folder.vts"));
    ASSERT_EQ(::mkfifo(folder.host("pipe.vts").c_str(), 0600), 0);

    const std::vector<std::string> bad = {"cut.vts",    "text.vts", "v4.vts",
                                          "folder.vts", "pipe.vts", "absent.vts"};
    for (const std::string& name : bad) {
        const std::vector<std::vector<std::string>> runs = {
            {"merge", "--yes", "-o", "keep.vts", name},
            {"merge", "--yes", "-o", "keep.vts", "good.vts", name},
            {"relink", "--yes", "--search", ".", "-o", "keep.vts", name},
            {"relink", "--yes", "--search", ".", "-o", "keep.vts", "--append", name, "good.vts"},
            {"list", "--yes", "-o", "keep.vts", name},
            {"pack", "-o", "packed", name},
            {"pack", "-o", "packed", "--append", name, "good.vts"},
            {"info", name},
            {"check", "--append", name, "good.vts"},
        };
        for (const std::vector<std::string>& run : runs) {
            const std::string all = vtshow(run);
            // A folder given to check or relink is a collection of shows:
            // -o, meant for one show, is then wrong usage.
            const bool collection = name == "folder.vts" && run[0] == "relink" && run.back() == name;
            EXPECT_TRUE(all.starts_with(collection ? "2|" : "1|")) << run[0] << ' ' << name << ": " << all;
            EXPECT_EQ(folder.read("keep.vts"), "keep me") << run[0] << ' ' << name;
            EXPECT_FALSE(folder.exists("packed")) << name;
        }
    }
    // Not a regular file: named as what it is.
    EXPECT_EQ(vtshow({"info", "folder.vts"}),
              "1|None\nZero slides\n|error:\nThis is a folder, not a slide show file:\n\n" +
                  folder.host("folder.vts") + "\n\n");
    EXPECT_NE(vtshow({"info", "pipe.vts"}).find("This is a named pipe, not a slide show file:"),
              std::string::npos);
}

// What the window only notes is a warning here: the run ends with 1.
TEST(FailedReads, ADroppedAppendAndARelocationThatMatchesNothingAreWarnings) {
    test::TempFolder folder;
    test::ScopedCurrentFolder inFolder(folder.host());
    ShowFile show;
    show.slides = {{"C:\\Pics\\a.jpg", "", "", "", ""}};
    folder.write("a.vts", show.bytes());

    std::vector<std::string> merge = {"merge", "--yes", "-o", "all.vts", "a.vts"};
    merge.insert(merge.end(), 101, "a.vts");
    const std::string all = vtshow(merge);
    EXPECT_TRUE(all.starts_with("1||")) << all.substr(0, 40);
    EXPECT_NE(all.find("warning:\nYou can only append 100 files at a time."), std::string::npos);
    EXPECT_EQ(vtshow({"info", "all.vts"}), "0|Version 3.0\n101 slides\n|");

    EXPECT_EQ(vtshow({"merge", "--relocate", "C:\\Nothing\\=D:\\", "--relocate", "C:\\Pics\\=D:\\",
                      "-o", "moved.vts", "a.vts"}),
              "1||warning:\nNo folder of the show begins with the OLD folder of this --relocate, "
              "which changes nothing:\n\nC:\\Nothing\\=D:\\\n\n");
    show.slides[0].file = "D:\\a.jpg";
    EXPECT_EQ(folder.read("moved.vts"), show.bytes());
}

} // namespace
} // namespace vt
