#include "MainWindowFixture.h"

#include "app/Main.h"

#include "slideshow/SlideShowTexts.h"

#include <QCoreApplication>

namespace vt::test {
namespace {

// What a user sees of an opened show, and what they can do next.
class StartTest : public MainWindowTest {
  protected:
    std::string state() {
        std::string shown;
        for (const char* label : {"lblSourceSS", "lblSlides", "lblSourceVer", "lblAppendVer",
                                  "lblFilePaths", "lblCreateSS"})
            shown += text(label) + "|";
        return shown +
               enabled({"CmdOpenSS", "CmdAppendSS", "CmdEditSSPaths", "CmdFilenames",
                        "CmdCreateSS", "ComboAppend"}) +
               "|" + std::to_string(appendRows().size());
    }
};

TEST_F(StartTest, TheFileNamedOnTheCommandLineIsTheFileOpenReads) {
    EXPECT_EQ(showFromArguments({"vtutil"}), "");
    EXPECT_EQ(showFromArguments({"vtutil", QString::fromStdString(temp.host("a.vts"))}),
              temp.win("a.vts"));
    ScopedCurrentFolder here(temp.host());
    EXPECT_EQ(showFromArguments({"vtutil", "shows/../b b.VTS"}), temp.win("b b.VTS"));
}

// Opening at start-up waits for the event loop, then leaves the window as the
// Open command does: same labels, commands, append list and messages.
TEST_F(StartTest, AShowNamedAtStartOpensAsOpenWouldOnceTheWindowRuns) {
    build();
    const std::string a = show("a.vts", 2, "Version 2.0");
    const std::string fresh = state();
    openWhenShown(*window, a);
    EXPECT_EQ(state(), fresh);
    QCoreApplication::processEvents();
    const std::string started = state();
    EXPECT_EQ(started, a + "|2 slides|Version 2.0|None|No|" + std::string(texts::NoDestinationYet) +
                           "|111110|1");
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_FALSE(busy.hourglass);

    pickAndClick(show("b.vts", 3), "CmdAppendSS");
    pickAndClick(a, "CmdOpenSS");
    EXPECT_EQ(state(), started);

    // A file that is not there: Open's own message, in the same window state.
    pickAndClick(temp.win("gone.vts"), "CmdOpenSS");
    const auto openMessages = prompter.texts();
    const std::string openState = state();
    prompter.messages.clear();
    openWhenShown(*window, temp.win("gone.vts"));
    QCoreApplication::processEvents();
    EXPECT_EQ(prompter.texts(), openMessages);
    EXPECT_EQ(openMessages.size(), 1u);
    EXPECT_EQ(state(), openState);
}

} // namespace
} // namespace vt::test
