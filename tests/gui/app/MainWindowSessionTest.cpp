#include "MainWindowFixture.h"

#include "common/FormGeometry.h"

#include <QApplication>
#include <QMenu>
#include <QScreen>

#include <cstdlib>

namespace vt::test {
namespace {

// The viewer's settings name a temporary viewer folder.
class MainWindowSessionTest : public MainWindowTest {
  protected:
    void SetUp() override {
        registry.write("VTViewer.ini", "[Settings]\r\nEXEPath=" + temp.win() + "\r\n");
    }
    std::string twips(int pixels) const {
        return std::to_string(form::twipsFromPixels(pixels, window.get()));
    }

    TempFolder registry;
    ScopedEnvironment config{"XDG_CONFIG_HOME", registry.host().c_str()};
};

TEST_F(MainWindowSessionTest, EscSavesTheOptionsBesideTheViewersOwn) {
    const std::string viewer = "[Viewer]\r\nLastSlideShow=C:\\a.vts\r\n; kept\r\nZoom = 3\r\n";
    temp.write("VANTORA.INI", viewer);
    options.chkSound = false;
    options.UseNotepad = true;
    build();
    ASSERT_TRUE(test::showActive(*window));
    window->move(300, 150);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(help.requests, std::vector<std::string>{"close"});
    EXPECT_EQ(temp.read("VANTORA.INI"),
              viewer + "[Utility]\r\nUtilWinPosX=" + twips(300) + "\r\nUtilWinPosY=" + twips(150) +
                  "\r\nchkSlide=True\r\nchkTexture=True\r\nchkSound=False\r\nchkPlayList=True\r\n"
                  "UseNotepad=True\r\nSlideNumbers=False\r\n");

    std::filesystem::remove(temp.host("VANTORA.INI"));
    window.reset(); // already unloaded: nothing written again
    EXPECT_FALSE(temp.exists("VANTORA.INI"));
    build().close(); // the close box
    EXPECT_TRUE(temp.exists("VANTORA.INI"));
}

TEST_F(MainWindowSessionTest, SavedPositionIsKeptOnTheScreen) {
    options.UtilWinPosX = -500;
    options.UtilWinPosY = -1;
    EXPECT_EQ(build().pos(), QPoint(0, 0));
    options.UtilWinPosX = options.UtilWinPosY = 10'000'000;
    build();
    const QSize room = window->screen()->geometry().size() - window->frameGeometry().size();
    EXPECT_EQ(window->pos(), QPoint(room.width(), room.height()));
    options.UtilWinPosX = 1500;
    options.UtilWinPosY = 750;
    EXPECT_EQ(build().pos(), QPoint(form::pixelsFromTwips(1500, window.get()),
                                    form::pixelsFromTwips(750, window.get())));
}

TEST_F(MainWindowSessionTest, KeysWorkAsOnWindows) {
    build();
    pickAndClick(show("a.vts", 1), "CmdOpenSS");
    ASSERT_TRUE(test::showActive(*window));
    const auto asked = dialogs.requests.size();
    QTest::keyClick(window.get(), Qt::Key_A, Qt::AltModifier); // presses the button shortly
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialogs.requests.size() == asked + 1; }));

    QTest::keyClick(window.get(), Qt::Key_F1);
    QTest::keyClick(window.get(), Qt::Key_F1, Qt::ShiftModifier);
    click("CmdHelp");
    EXPECT_EQ(help.requests, (std::vector<std::string>{"contents", "search", "contents"}));

    // Tab reaches every enabled control of the tab in order, then Help and OK.
    control("CmdOpenSS")->setFocus();
    QStringList order;
    for (int i = 0; i < 7; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(order.join(' '),
              "CmdOpenSS CmdAppendSS CmdEditSSPaths CmdFilenames CmdCreateSS CmdHelp CmdOK");

    // Alt+F is the File menu's and the Create button's, Alt+H the Help
    // menu's and the Shortcuts tab's: the menus win, however often.
    for (const auto& [key, menu] :
         {std::pair{Qt::Key_F, "mnuFile"}, std::pair{Qt::Key_H, "mnuHelp"}}) {
        for (int i = 0; i < 2; ++i) {
            QTest::keyClick(window.get(), key, Qt::AltModifier);
            EXPECT_TRUE(control<QMenu>(menu)->isVisible()) << menu;
            control<QMenu>(menu)->close();
        }
    }
    QTest::qWait(300);
    EXPECT_EQ(dialogs.requests.size(), asked + 1);
    EXPECT_EQ(control<QTabWidget>("SSTab1")->currentIndex(), 0);
}

} // namespace
} // namespace vt::test
