#include "TestSupport.h"

#include "app/AppendList.h"
#include "common/Texts.h"
#include "slideshow/SlideShowCommands.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

using test::RecordingPrompter;
using test::TempFolder;

TEST(AppendListChecks, AskBeforeTheSourceOrADuplicate) {
    RecordingPrompter prompter;
    AppendList list;
    EXPECT_EQ(list.lines(), std::vector<std::string>{std::string(AppendPlaceholder)});
    EXPECT_TRUE(list.confirm("C:\\a.vts", "C:\\src.vts", prompter));
    EXPECT_TRUE(prompter.messages.empty());

    prompter.answers = {Answer::No};
    EXPECT_FALSE(list.confirm("c:\\SRC.vts", "C:\\src.vts", prompter));
    EXPECT_TRUE(list.confirm("c:\\SRC.vts", "C:\\src.vts", prompter));
    list.add("C:\\a.vts");
    list.add("C:\\A.VTS");
    prompter.answers = {Answer::No};
    EXPECT_FALSE(list.confirm("c:\\a.vts", "C:\\src.vts", prompter));
    EXPECT_TRUE(list.confirm("c:\\a.vts", "C:\\src.vts", prompter)); // asked once for two lines
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{
                  "The file to append is the same as the source file.\r\n\r\nAppend this file "
                  "anyway?",
                  "The file to append is the same as the source file.\r\n\r\nAppend this file "
                  "anyway?",
                  "The file you selected is already in your list of files to append.\r\n\r\n"
                  "Append this file again?",
                  "The file you selected is already in your list of files to append.\r\n\r\n"
                  "Append this file again?"}));
    for (const Message& m : prompter.messages) {
        EXPECT_EQ(m.icon, Icon::Question);
        EXPECT_EQ(m.buttons, Buttons::YesNo);
    }
    EXPECT_EQ(list.lines(), (std::vector<std::string>{"C:\\a.vts", "C:\\A.VTS"}));
}

TEST(AppendListChecks, HoldsAHundredLines) {
    RecordingPrompter prompter;
    AppendList list;
    for (int i = 0; i < 99; ++i) {
        ASSERT_TRUE(list.hasRoom(prompter));
        list.add("C:\\" + std::to_string(i) + ".vts");
    }
    EXPECT_TRUE(list.hasRoom(prompter));
    list.add("C:\\last.vts");
    EXPECT_FALSE(list.hasRoom(prompter));
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"You can only append 100 files at a "
                                                         "time.\r\n\r\nCreate this slide show "
                                                         "file, open it, and then try again..."});
    EXPECT_EQ(prompter.messages[0].icon, Icon::Information);
    list.reset();
    EXPECT_TRUE(list.isEmpty());
    EXPECT_EQ(list.lines().size(), 1u);
}

TEST(CreateChecks, RefuseTheSourceAndAppendedShowsAndAskBeforeReplacing) {
    TempFolder folder;
    folder.write("old.vts", "x");
    folder.write(".hidden.vts", "x");
    RecordingPrompter prompter;
    const std::string source = folder.win("Source.vts");
    AppendList list;
    EXPECT_FALSE(mayCreate(folder.win("SOURCE.VTS"), source, list.lines(), prompter));
    EXPECT_TRUE(mayCreate(folder.win("new.vts"), source, list.lines(), prompter));
    list.add(folder.win("app.vts"));
    EXPECT_FALSE(mayCreate(folder.win("APP.vts"), source, list.lines(), prompter));
    prompter.answers = {Answer::No, Answer::Yes, Answer::No};
    EXPECT_FALSE(mayCreate(folder.win("old.vts"), source, list.lines(), prompter));
    EXPECT_TRUE(mayCreate(folder.win("old.vts"), source, list.lines(), prompter));
    EXPECT_FALSE(mayCreate(folder.win(".hidden.vts"), source, list.lines(), prompter));
    const std::string replace = "The specified filename already exists:\r\n\r\n" +
                                folder.win("old.vts") +
                                "\r\n\r\nDo you want to replace this file?";
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{
                  "You may not replace the opened slide show file, choose another filename and "
                  "then try again...",
                  "You may not replace a slide show file you have specified to append, choose "
                  "another filename and then try again...",
                  replace, replace,
                  "The specified filename already exists:\r\n\r\n" + folder.win(".hidden.vts") +
                      "\r\n\r\nDo you want to replace this file?"}));
    EXPECT_EQ(prompter.messages[0].icon, Icon::Information);
    EXPECT_EQ(prompter.messages[2].icon, Icon::Question);
}

} // namespace
} // namespace vt
