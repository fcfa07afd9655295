#include "TestSupport.h"

#include "cli/Vtshow.h"

#include <gtest/gtest.h>
#include <sstream>

namespace vt {
namespace {

using test::ShowFile;
using test::TempFolder;

struct Outcome {
    int status;
    std::string out, err;
};

Outcome vtshow(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = cli::run(args, out, err);
    return {status, out.str(), err.str()};
}

ShowFile slides(int count, const std::string& prefix = "p") {
    ShowFile show;
    for (int i = 0; i < count; ++i)
        show.slides.push_back({prefix + std::to_string(i) + ".jpg", "", "", "", ""});
    return show;
}

TEST(Vtshow, InfoPrintsTheVersionLineAndTheCaption) {
    TempFolder folder;
    folder.write("one.vts", slides(1).bytes());
    folder.write("many.vts", slides(1250).bytes());
    ShowFile old = slides(0);
    old.version = "Version 2.9";
    folder.write("old.vts", old.bytes());
    folder.write("junk.vts", "\"Vantora Slide Show\"\r\n");

    EXPECT_EQ(vtshow({"info", folder.host("one.vts")}).out, "Version 3.0\nOne slide\n");
    EXPECT_EQ(vtshow({"info", folder.host("many.vts")}).out, "Version 3.0\n1,250 slides\n");
    const Outcome old29 = vtshow({"info", folder.host("old.vts")});
    EXPECT_EQ(old29.out, "Version 2.9\nZero slides\n");
    EXPECT_EQ(old29.status, cli::Success); // a notice, not a failure
    EXPECT_EQ(old29.err, "note:\nThe selected slide show file was created with a different "
                         "release (Version 2.9) of Vantora.\n\nOpen the file in Vantora and then "
                         "save it again.  Then try to open it with this utility...\n\n");
    const Outcome junk = vtshow({"info", folder.host("junk.vts")});
    EXPECT_EQ(junk.out, "None\nZero slides\n");
    EXPECT_EQ(junk.status, cli::Trouble);
    EXPECT_EQ(junk.err, "error:\nAn error occurred while reading the slide show file header.\n\n"
                        "Unexpected end of file after line 1...\n\n");
}

TEST(Vtshow, MergeWritesTheSourceFollowedByEachAppendedShow) {
    TempFolder folder;
    folder.write("a.vts", slides(2, "a").bytes());
    folder.write("b.vts", slides(3, "b").bytes());
    const Outcome merged =
        vtshow({"merge", "-o", folder.host("new.vts"), folder.host("a.vts"), folder.host("b.vts")});
    EXPECT_EQ(merged.status, cli::Success);
    EXPECT_EQ(merged.err, "");
    EXPECT_EQ(vtshow({"info", folder.host("new.vts")}).out, "Version 3.0\n5 slides\n");
    const std::string bytes = folder.read("new.vts");
    EXPECT_LT(bytes.find(folder.win("a1.jpg")), bytes.find(folder.win("b0.jpg")));
}

TEST(Vtshow, MergeAnswersEveryQuestionAlikeAndRefusesTheSource) {
    TempFolder folder;
    folder.write("a.vts", slides(2, "a").bytes());
    folder.write("b.vts", slides(3, "b").bytes());
    folder.write("old.vts", "keep me");
    const std::string a = folder.host("a.vts"), b = folder.host("b.vts");

    const Outcome no = vtshow({"merge", "-o", folder.host("old.vts"), a, b, b, a});
    EXPECT_EQ(no.status, cli::Trouble);
    EXPECT_EQ(folder.read("old.vts"), "keep me");
    const std::string sameQuestion = "question:\nThe file to append is the same as the source "
                                     "file.\n\nAppend this file anyway?\n";
    const std::string againQuestion = "question:\nThe file you selected is already in your list "
                                      "of files to append.\n\nAppend this file again?\n";
    const std::string replaceQuestion = "question:\nThe specified filename already exists:\n\n" +
                                        folder.win("old.vts") +
                                        "\n\nDo you want to replace this file?\n";
    EXPECT_EQ(no.err, againQuestion + "answer: No\n\n" + sameQuestion + "answer: No\n\n" +
                          replaceQuestion + "answer: No\n\n");

    const Outcome yes = vtshow({"merge", "--yes", "-o", folder.host("old.vts"), a, b, b, a});
    EXPECT_EQ(yes.status, cli::Success);
    EXPECT_EQ(vtshow({"info", folder.host("old.vts")}).out, "Version 3.0\n10 slides\n");

    const Outcome ontoSource = vtshow({"merge", "--yes", "-o", folder.host("A.VTS"), a});
    EXPECT_EQ(ontoSource.status, cli::Trouble);
    EXPECT_EQ(ontoSource.err, "note:\nYou may not replace the opened slide show file, choose "
                              "another filename and then try again...\n\n");
    const Outcome ontoAppended = vtshow({"merge", "--yes", "-o", b, a, b});
    EXPECT_EQ(ontoAppended.status, cli::Trouble);
    EXPECT_EQ(folder.read("b.vts"), slides(3, "b").bytes());
}

TEST(Vtshow, WrongUsageExitsWithTwoAndTheUsage) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{},
                                               {"frobnicate"},
                                               {"info"},
                                               {"info", "a", "b"},
                                               {"merge", "a.vts"},
                                               {"merge", "-o", "x.vts"},
                                               {"merge", "--no", "-o", "x.vts", "a.vts"}}) {
        const Outcome outcome = vtshow(args);
        EXPECT_EQ(outcome.status, cli::BadUsage);
        EXPECT_NE(outcome.err.find("usage:"), std::string::npos);
    }
}

} // namespace
} // namespace vt
