#include "DialogTesting.h"
#include "FakeSeams.h"
#include "ModelBuilder.h"
#include "TestSupport.h"

#include "listing/FilenameListing.h"
#include "listing/frmSelectView.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
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
    template <typename T> T* control(const char* name) { return test::control<T>(*dialog, name); }
    QCheckBox* box(const char* name) { return control<QCheckBox>(name); }
    void click(const char* name) {
        QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton);
    }
    bool okEnabled() { return control<QPushButton>("CmdOK")->isEnabled(); }

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
    EXPECT_EQ(dialog->windowTitle(), "Slide Show Filenames");
    EXPECT_FALSE(okEnabled());
    EXPECT_TRUE(box("CheckSlideNumbers")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("OptionNotepad")->isChecked());
    click("CheckSound");
    EXPECT_TRUE(okEnabled());
    click("CheckPlayList");
    click("CheckSound");
    EXPECT_TRUE(okEnabled());
    click("CheckPlayList");
    EXPECT_FALSE(okEnabled());
    click("CheckSlideNumbers");
    EXPECT_FALSE(okEnabled());
}

TEST_F(SelectView, EscapePressesDefaultsAndCancelKeepsTheOptions) {
    options.chkTexture = false;
    options.UseNotepad = options.SlideNumbers = true;
    const UtilityOptions before = options;
    open(folder.win());
    EXPECT_FALSE(box("CheckTexture")->isChecked());
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible());
    for (const char* name : {"CheckSlide", "CheckTexture", "CheckSound", "CheckPlayList"})
        EXPECT_TRUE(box(name)->isChecked()) << name;
    EXPECT_TRUE(control<QRadioButton>("OptionWordpad")->isChecked());
    EXPECT_FALSE(box("CheckSlideNumbers")->isChecked());
    click("CmdCancel");
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(options, before);
    EXPECT_TRUE(shell.calls.empty());
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
    EXPECT_NE(folder.read("VTUtil.tmp").find("(1) CD-Audio Track #2"), std::string::npos);
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].file, "NOTEPAD.EXE");
    EXPECT_EQ(shell.calls[0].parameters, "\"" + folder.win("VTUtil.tmp") + "\"");

    open(folder.win());
    EXPECT_TRUE(control<QRadioButton>("OptionNotepad")->isChecked());
    EXPECT_FALSE(box("CheckTexture")->isChecked());
}

TEST_F(SelectView, FailuresToWriteOrToStartTheEditor) {
    // The listing cannot be written: told, and the editor still starts.
    open(folder.win("gone\\"));
    click("CmdOK");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].icon, Icon::Exclamation);
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
    EXPECT_EQ(prompter.messages.back().text,
              "Unable to start NOTEPAD.EXE to display the filenames.\r\n\r\nNo such file or "
              "directory...");

    // While another command shows the hourglass OK does nothing.
    pointer.setHourglass();
    click("CheckSlide");
    click("CmdOK");
    EXPECT_FALSE(options.chkSlide);
    EXPECT_EQ(shell.calls.size(), 2u);
}

} // namespace
} // namespace vt
