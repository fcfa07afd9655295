#include "MainWindowFixture.h"

#include "common/CodePage.h"

#include <QLabel>

namespace vt::test {
namespace {

// A show named in Cyrillic, in a Cyrillic folder, opened on a Russian
// desktop: its path is shown in its own letters, and the window keeps it in
// Windows-1251 for every command.
TEST_F(MainWindowTest, AShowsPathIsShownInTheCodePagesLetters) {
    const ScopedCodePage russian(1251);
    build();
    ShowFile file;
    file.slides = {{"C:\\\xd4\xee\xf2\xee\\\xeb\xe5\xf2\xee.jpg", "", "", "", ""}};
    temp.write("Фото/дача.vts", file.bytes());
    const std::string path = temp.win("\xd4\xee\xf2\xee\\\xe4\xe0\xf7\xe0.vts");
    pickAndClick(path, "CmdOpenSS");
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(control<QLabel>("lblSourceSS")->text(),
              QString::fromStdString(temp.win()) + QString::fromUtf8("Фото\\дача.vts"));
    EXPECT_EQ(text("lblSourceSS"), path);
    EXPECT_EQ(text("lblSlides"), "One slide");
}

} // namespace
} // namespace vt::test
