#include "DialogTesting.h"
#include "FakeSeams.h"
#include "ModelBuilder.h"
#include "TestSupport.h"

#include "listing/FilenameListing.h"
#include "listing/frmSelectView.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace vt {
namespace {

class SelectView : public ::testing::Test {
  protected:
    void open(std::string appFolder) {
        dialog = std::make_unique<frmSelectView>(*model, options, std::move(appFolder), prompter,
                                                 pointer, help, shell);
        ASSERT_TRUE(test::showActive(*dialog));
    }
    bool checked(const char* name) {
        return test::control<QAbstractButton>(*dialog, name)->isChecked();
    }
    void click(const char* name) {
        QTest::mouseClick(test::control<QAbstractButton>(*dialog, name), Qt::LeftButton);
    }
    bool okEnabled() { return test::control<QPushButton>(*dialog, "CmdOK")->isEnabled(); }

    std::unique_ptr<SlideShowModel> model =
        test::makeModel({{"C:\\Pics\\a.jpg", "", "2"}}, {}, "C:\\m.mid");
    UtilityOptions options;
    test::RecordingPrompter prompter;
    test::FakeBusyPointer pointer;
    test::RecordingHelp help;
    test::FakeShellOpener shell;
    test::TempFolder folder;
    std::unique_ptr<frmSelectView> dialog;
};

TEST_F(SelectView, OkNeedsAtLeastOneSection) {
    options.chkSlide = options.chkTexture = options.chkSound = options.chkPlayList = false;
    options.SlideNumbers = options.UseNotepad = true;
    open(folder.win());
    EXPECT_FALSE(okEnabled());
    EXPECT_TRUE(checked("CheckSlideNumbers"));
    EXPECT_TRUE(checked("OptionNotepad"));
    click("CheckSound");
    EXPECT_TRUE(okEnabled());
    click("CheckSound");
    EXPECT_FALSE(okEnabled());
}

TEST_F(SelectView, EscapePressesDefaultsAndCancelKeepsTheOptions) {
    options.chkTexture = false;
    options.UseNotepad = options.SlideNumbers = true;
    const UtilityOptions before = options;
    open(folder.win());
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible());
    for (const char* name : {"CheckSlide", "CheckTexture", "CheckSound", "CheckPlayList"})
        EXPECT_TRUE(checked(name)) << name;
    EXPECT_TRUE(checked("OptionWordpad"));
    EXPECT_FALSE(checked("CheckSlideNumbers"));
    click("CmdCancel");
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(options, before);
}

TEST_F(SelectView, OkStoresTheOptionsWritesTheListingAndOpensIt) {
    open(folder.win());
    click("CheckTexture");
    click("CheckSlideNumbers");
    click("OptionNotepad");
    QTest::keyClick(dialog.get(), Qt::Key_F1);
    EXPECT_EQ(help.requests, std::vector<std::string>{"topic 460"});
    click("CmdOK");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(options.chkTexture);
    EXPECT_TRUE(options.SlideNumbers);
    EXPECT_TRUE(options.UseNotepad);
    EXPECT_EQ(folder.read("VTUtil.tmp"), filenameListingBytes(*model, options));
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].file, "NOTEPAD.EXE");

    open(folder.win());
    EXPECT_TRUE(checked("OptionNotepad"));
    EXPECT_FALSE(checked("CheckTexture"));
}

TEST_F(SelectView, FailuresToWriteOrToStartTheEditor) {
    // The listing cannot be written: told, and the editor still starts.
    open(folder.win("gone\\"));
    click("CmdOK");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(shell.calls.size(), 1u);

    // The editor cannot start: the dialog stays, keeping the editor choice.
    shell.result = {0, "No such file or directory"};
    open(folder.win());
    click("OptionNotepad");
    click("CheckSlide");
    click("CmdOK");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(options.chkSlide);
    EXPECT_FALSE(options.UseNotepad);
    EXPECT_EQ(prompter.messages.size(), 2u);

    // While another command shows the hourglass OK does nothing.
    pointer.setHourglass();
    click("CheckSlide");
    click("CmdOK");
    EXPECT_FALSE(options.chkSlide);
}

} // namespace
} // namespace vt
