#include "MainWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QTimer>

namespace vt::test {
namespace {

// Runs `command` and presses `button` in the modal dialog it opens; gives
// the dialog's name.
template <class Command> std::string dialogOf(Command command, const char* button) {
    std::string name;
    QObject scope; // no answer left behind when no dialog opens
    QTimer::singleShot(0, &scope, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_TRUE(dialog);
        name = dialog->objectName().toStdString();
        QTest::mouseClick(control<QAbstractButton>(*dialog, button), Qt::LeftButton);
    });
    command();
    return name;
}

TEST_F(MainWindowTest, PathEditorListingAndAboutOpenFromTheirCommands) {
    build();
    pickAndClick(show("a.vts", 2), "CmdOpenSS");
    EXPECT_EQ(dialogOf([&] { click("CmdEditSSPaths"); }, "CmdOK"), "frmEditPath");
    EXPECT_EQ(text("lblFilePaths"), "Yes");
    EXPECT_FALSE(busy.hourglass);
    EXPECT_EQ(dialogOf([&] { click("CmdFilenames"); }, "CmdCancel"), "frmSelectView");
    EXPECT_EQ(dialogOf([&] { control<QAction>("mnuAbout")->trigger(); }, "CmdOK"), "AboutFrm");
}

TEST_F(MainWindowTest, MenusAndShortcutButtonsReachTheirCommands) {
    build();
    busy.hourglass = true; // the guarded companion commands wait; About Vantora does not
    for (const char* action : {"mnuOpenLauncher", "mnuAboutVTViewer"})
        control<QAction>(action)->trigger();
    busy.hourglass = false;
    for (const char* action : {"mnuOpenVantora", "mnuWebTessel"})
        control<QAction>(action)->trigger();
    ASSERT_EQ(starter.starts.size(), 2u);
    EXPECT_EQ(starter.starts[0].commandLine + "|" + starter.starts[1].commandLine,
              temp.win("VTViewer.EXE ABOUT|") + temp.win("VTViewer.EXE"));
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
