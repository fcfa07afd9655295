#include "DialogTesting.h"
#include "FakeSeams.h"
#include "ModelBuilder.h"
#include "TestSupport.h"

#include "listing/FilenameListing.h"
#include "listing/frmSelectView.h"

#include <QAbstractButton>
#include <gtest/gtest.h>

namespace vt {
namespace {

QAbstractButton* button(const QWidget& dialog, const char* name) {
    return test::control<QAbstractButton>(dialog, name);
}

// The checked controls, then OK when it is enabled.
std::string state(const QWidget& dialog) {
    std::string names;
    for (const char* name : {"CheckSlide", "CheckTexture", "CheckSound", "CheckPlayList",
                             "OptionWordpad", "OptionNotepad", "CheckSlideNumbers"})
        if (button(dialog, name)->isChecked())
            names += std::string(name) + " ";
    return names + (button(dialog, "CmdOK")->isEnabled() ? "OK" : "");
}

TEST(SelectView, OpensOnTheStoredOptionsAndOkStoresWritesAndOpens) {
    const auto model = test::makeModel({{"C:\\Pics\\a.jpg", "", "2"}}, {}, "C:\\m.mid");
    UtilityOptions options;
    options.chkSlide = options.chkTexture = options.chkSound = options.chkPlayList = false;
    options.UseNotepad = options.SlideNumbers = true;
    test::RecordingPrompter prompter;
    test::FakeBusyPointer pointer;
    test::RecordingHelp help;
    test::FakeShellOpener shell;
    test::TempFolder folder;
    frmSelectView dialog(*model, options, folder.win(), prompter, pointer, help, shell);
    ASSERT_TRUE(test::showActive(dialog));

    EXPECT_EQ(state(dialog), "OptionNotepad CheckSlideNumbers ");
    button(dialog, "CheckSound")->click();
    EXPECT_EQ(state(dialog), "CheckSound OptionNotepad CheckSlideNumbers OK");
    QTest::keyClick(&dialog, Qt::Key_Escape); // presses Defaults
    EXPECT_EQ(state(dialog), "CheckSlide CheckTexture CheckSound CheckPlayList OptionWordpad OK");
    QTest::keyClick(&dialog, Qt::Key_F1);
    EXPECT_EQ(help.requests, std::vector<std::string>{"topic 460"});
    button(dialog, "CheckTexture")->click();

    pointer.setHourglass(); // another command is running: OK does nothing
    button(dialog, "CmdOK")->click();
    EXPECT_TRUE(shell.calls.empty());
    pointer.setDefault();
    // WordPad cannot start: the dialog stays, and so does the old editor choice.
    shell.result = {0, "No such file or directory"};
    button(dialog, "CmdOK")->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(options, (UtilityOptions{.chkTexture = false, .UseNotepad = true}));

    folder.write("VTUtil.tmp", std::string(10000, 'x'));
    shell.result = {42, {}};
    button(dialog, "CmdOK")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(options, (UtilityOptions{.chkTexture = false}));
    EXPECT_EQ(folder.read("VTUtil.tmp"), filenameListingBytes(*model, options));
    EXPECT_EQ(shell.calls.back().file, "WORDPAD.EXE");
}

} // namespace
} // namespace vt
