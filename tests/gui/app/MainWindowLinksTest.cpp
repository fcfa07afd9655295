#include "MainWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QTimer>

#include <functional>

namespace vt::test {
namespace {

// Runs `answer` on the modal dialog that the next command opens.
void onNextDialog(std::function<void(QWidget&)> answer, std::string* name) {
    QTimer::singleShot(0, [answer = std::move(answer), name] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_TRUE(dialog);
        *name = dialog->objectName().toStdString();
        answer(*dialog);
    });
}

void clickIn(QWidget& dialog, const char* button) {
    QTest::mouseClick(control<QAbstractButton>(dialog, button), Qt::LeftButton);
}

TEST_F(MainWindowTest, PathEditorAndListingOpenFromTheirButtons) {
    build();
    pickAndClick(show("a.vts", 2), "CmdOpenSS");
    std::string opened;
    onNextDialog([](QWidget& dialog) { clickIn(dialog, "CmdOK"); }, &opened);
    click("CmdEditSSPaths");
    EXPECT_EQ(opened, "frmEditPath");
    EXPECT_EQ(text("lblFilePaths"), "Yes");
    EXPECT_FALSE(busy.hourglass);

    onNextDialog([](QWidget& dialog) { clickIn(dialog, "CmdCancel"); }, &opened);
    click("CmdFilenames");
    EXPECT_EQ(opened, "frmSelectView");
    EXPECT_TRUE(shell.calls.empty());

    onNextDialog([](QWidget& dialog) { clickIn(dialog, "CmdOK"); }, &opened);
    control<QAction>("mnuAbout")->trigger();
    EXPECT_EQ(opened, "AboutFrm");
}

TEST_F(MainWindowTest, MenusAndShortcutButtonsReachTheirCommands) {
    build();
    busy.hourglass = true; // the guarded companion commands wait; About Vantora does not
    control<QAction>("mnuOpenLauncher")->trigger();
    control<QAction>("mnuAboutVTViewer")->trigger();
    busy.hourglass = false;
    control<QAction>("mnuOpenVantora")->trigger();
    control<QAction>("mnuWebTessel")->trigger();
    ASSERT_EQ(starter.starts.size(), 2u);
    EXPECT_EQ(starter.starts[0].commandLine, "VTViewer.EXE ABOUT");
    EXPECT_EQ(starter.starts[1].commandLine, "VTViewer.EXE");
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].file, "http://www.tessel.example");

    prompter.answers = {Answer::No, Answer::Yes};
    click("CmdCreate1");
    click("CmdCreate6");
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{
                  "Create a shortcut to Vantora on your desktop?",
                  "Create a shortcut to the Vantora Utility Module on your desktop?",
                  "Vantora Utility Module is having trouble adding the shortcut to your "
                  "desktop..."}));
    EXPECT_FALSE(busy.hourglass);
}

} // namespace
} // namespace vt::test
