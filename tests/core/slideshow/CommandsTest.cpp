#include "TestSupport.h"

#include "app/AppendList.h"
#include "slideshow/SlideShowCommands.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

using test::RecordingPrompter;
using test::TempFolder;

// The window and vtshow prove the messages; here the rules behind them.
TEST(AppendListChecks, AskOnceForTheSourceOrAnyEqualLineIgnoringCase) {
    RecordingPrompter prompter;
    AppendList list;
    EXPECT_TRUE(list.confirm("C:\\a.vts", "C:\\src.vts", prompter));
    list.add("C:\\a.vts");
    list.add("C:\\A.VTS");
    prompter.answers = {Answer::No, Answer::Yes, Answer::No, Answer::Yes};
    EXPECT_FALSE(list.confirm("c:\\SRC.vts", "C:\\src.vts", prompter));
    EXPECT_TRUE(list.confirm("c:\\SRC.vts", "C:\\src.vts", prompter));
    EXPECT_FALSE(list.confirm("c:\\a.vts", "C:\\src.vts", prompter));
    EXPECT_TRUE(list.confirm("c:\\a.vts", "C:\\src.vts", prompter));
    EXPECT_EQ(prompter.messages.size(), 4u);
    for (int i = 0; i < 98; ++i)
        list.add("C:\\x.vts");
    EXPECT_FALSE(list.hasRoom(prompter));
    list.reset();
    EXPECT_TRUE(list.isEmpty() && list.hasRoom(prompter));
}

TEST(CreateChecks, AskBeforeReplacingAnyFileHiddenOrNot) {
    TempFolder folder;
    folder.write(".hidden.vts", "x");
    RecordingPrompter prompter;
    prompter.answers = {Answer::No};
    EXPECT_FALSE(mayCreate(folder.win(".hidden.vts"), folder.win("a.vts"), {"C:\\b.vts"}, prompter));
    EXPECT_EQ(prompter.messages.at(0).icon, Icon::Question);
    // Only a real append list is looked at, never its placeholder line.
    EXPECT_TRUE(mayCreate("-- Choose .VTS slide show file to append to opened .VTS file.", "C:\\a.vts",
                          AppendList().lines(), prompter));
}

} // namespace
} // namespace vt
