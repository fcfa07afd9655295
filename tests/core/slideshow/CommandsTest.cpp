#include "TestSupport.h"

#include "slideshow/SlideShowCommands.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

// The window's tests prove the refusals and the question; this is the file a
// plain existence test would miss.
TEST(CreateChecks, AskBeforeReplacingAHiddenFileToo) {
    test::TempFolder folder;
    folder.write(".hidden.vts", "x");
    test::RecordingPrompter prompter;
    prompter.answers = {Answer::No};
    EXPECT_FALSE(mayCreate(folder.win(".hidden.vts"), folder.win("a.vts"), {"C:\\b.vts"}, prompter));
    EXPECT_EQ(prompter.messages.at(0).icon, Icon::Question);
}

} // namespace
} // namespace vt
