#include "TestSupport.h"

#include "VtshowRun.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

using test::ShowFile;
using test::vtshow;

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
        {{"merge", "-o", "--yes", "a.vts"}, "2 vtshow: merge: -o needs a value"},
        {{"list", "--sections"}, "2 vtshow: list: --sections needs a value"},
        {{"relink", "--search", "a.vts", "--append"}, "2 vtshow: relink: --append needs a value"},
        {{"relink", "-o", "x.vts", "a.vts"}, "2 vtshow: relink: missing --search DIR"},
        {{"pack", "--frobnicate", "a.vts"}, "2 vtshow: pack: unknown option --frobnicate"},
        {{"check", "--append", "a.vts", "a.vts", "a.vts"},
         "2 vtshow: check: --append works with one show"},
        {{"relink", "--search", ".", "--in-place", "-O", "out", "a.vts"},
         "2 vtshow: relink: give -O DIR or --in-place, not both"},
        {{"relink", "--search", ".", "a.vts", "a.vts"},
         "2 vtshow: relink: missing -O DIR, --in-place or --dry-run"},
        {{"info", "--", "-h", "a.vts"}, "2 vtshow: info: give one show"},
        {{"merge", "-o", "nowhere/x.vts", "a.vts"}, "1 error:"},
        // "--" ends the options: "-h" is then a show like any other.
        {{"info", "--", "-h"}, "1 error:"},
        {{"merge", "-o", "b.vts", "--", "a.vts"}, "0 "},
    };
    for (const auto& [args, expected] : cases)
        EXPECT_EQ(firstProblem(args), expected) << args.front() << ' ' << args.back();

    EXPECT_EQ(vtshow({"merge", "-o", "nowhere/x.vts", "a.vts"}),
              "1||error:\nThe folder to write into is not there:\n\n" + folder.host("nowhere/") +
                  "\n\n");
    // Help on each command, alike, on standard output.
    for (const char* command : {"info", "merge", "list", "folders", "check", "relink", "pack"}) {
        for (const char* help : {"-h", "--help"}) {
            const std::string all = vtshow({command, help});
            EXPECT_TRUE(all.starts_with(std::string("0|usage:\n  vtshow ") + command + " ")) << all;
            EXPECT_NE(all.find("\noptions:\n"), std::string::npos);
        }
    }
}

// Nothing in a show reaches the terminal as a control byte.
TEST(CommandLine, ControlBytesFromAShowAreWrittenEscaped) {
    test::TempFolder folder;
    ShowFile show;
    show.version = "Version \x1B]0;title\x07";
    show.slides = {{"C:\\Pics\x7F\\a\x1B[2Jb\x9D.jpg", "", "", "", ""}};
    folder.write("odd.vts", show.bytes());
    show.version = "Version 3.0";
    folder.write("esc.vts", show.bytes());
    const std::string odd = folder.host("odd.vts"), esc = folder.host("esc.vts");
    EXPECT_EQ(vtshow({"info", odd}).substr(0, 50),
              "1|Version \\x1B]0;title\\x07\nZero slides\n|note:\nThe ");
    const std::string folders = vtshow({"folders", esc});
    EXPECT_EQ(folders.substr(0, 30), "0|[ListSlide]\nC:\\Pics\\x7F\\\n[Li");
    const std::string checked = vtshow({"check", esc});
    EXPECT_NE(checked.find("C:\\Pics\\x7F\\a\\x1B[2Jb\\x9D.jpg"), std::string::npos) << checked;
    const std::string listed = vtshow({"list", "--sections", "slides", esc});
    EXPECT_NE(listed.find("\t*** Slide Show Image and/or Movie "
                          "Files\r\n\r\nC:\\Pics\\x7F\\a\\x1B[2Jb\\x9D.jpg\r\n"),
              std::string::npos)
        << listed;
    for (const std::string& all : {vtshow({"info", odd}), folders, checked, listed})
        EXPECT_EQ(all.find_first_of("\x1B\x07\x7F"), std::string::npos) << all;
    for (const std::string& all : {checked, listed}) // U+009D opens a terminal command
        EXPECT_EQ(all.find("\xC2\x9D"), std::string::npos) << all;
}

} // namespace
} // namespace vt
