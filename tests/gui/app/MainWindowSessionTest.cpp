#include "MainWindowFixture.h"

#include "common/FormGeometry.h"
#include "common/QtText.h"

#include <QMenu>
#include <QScreen>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

namespace vt::test {
namespace {

// The viewer's settings point at a temporary viewer folder.
class MainWindowSessionTest : public MainWindowTest {
protected:
    void SetUp() override {
        registry = std::string(std::getenv("XDG_CONFIG_HOME")) + "/VTViewer.ini";
        std::filesystem::create_directories(std::filesystem::path(registry).parent_path());
        std::ofstream(registry, std::ios::binary) << "[Settings]\r\nEXEPath=" << temp.win() << "\r\n";
    }
    void TearDown() override { std::filesystem::remove(registry); }

    void showActive() {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    int twips(int pixels) const { return form::twipsFromPixels(pixels, window.get()); }

    std::string registry;
};

TEST_F(MainWindowSessionTest, EscSavesTheOptionsBesideTheViewersOwn) {
    const std::string viewer = "[Viewer]\r\nLastSlideShow=C:\\Shows\\a.vts\r\n; kept as it is\r\n"
                               "Zoom = 3\r\n";
    temp.write("VANTORA.INI", viewer);
    options.chkSound = false;
    options.UseNotepad = true;
    build();
    showActive();
    window->move(300, 150);
    QTest::keyClick(window.get(), Qt::Key_Escape);

    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(help.requests, std::vector<std::string>{"close"});
    EXPECT_EQ(temp.read("VANTORA.INI"),
              viewer + "[Utility]\r\nUtilWinPosX=" + std::to_string(twips(300)) +
                  "\r\nUtilWinPosY=" + std::to_string(twips(150)) +
                  "\r\nchkSlide=True\r\nchkTexture=True\r\nchkSound=False\r\nchkPlayList=True\r\n"
                  "UseNotepad=True\r\nSlideNumbers=False\r\n");
}

TEST_F(MainWindowSessionTest, EveryWayOfClosingSavesOnce) {
    const std::vector<std::function<void(frmMain&)>> closers = {
        [this](frmMain&) { click("CmdOK"); },
        [this](frmMain&) { control<QMenu>("mnuFile")->actions().back()->trigger(); },
        [](frmMain& w) { w.close(); }};
    for (const auto& closeIt : closers) {
        help.requests.clear();
        build();
        showActive();
        closeIt(*window);
        EXPECT_FALSE(window->isVisible());
        EXPECT_TRUE(temp.exists("VANTORA.INI"));
        EXPECT_NE(temp.read("VANTORA.INI").find("UtilWinPosX="), std::string::npos);
        std::filesystem::remove(temp.host("VANTORA.INI"));
        window.reset(); // closing again on the way out writes nothing more
        EXPECT_FALSE(temp.exists("VANTORA.INI"));
        EXPECT_EQ(help.requests, std::vector<std::string>{"close"});
    }
}

TEST_F(MainWindowSessionTest, SavedPositionIsKeptOnTheScreen) {
    options.UtilWinPosX = -500;
    options.UtilWinPosY = -1;
    build();
    EXPECT_EQ(window->pos(), QPoint(0, 0));

    options.UtilWinPosX = 10'000'000;
    options.UtilWinPosY = 10'000'000;
    build();
    const QSize screen = window->screen()->geometry().size();
    const QSize outer = window->frameGeometry().size();
    EXPECT_EQ(twips(window->x()), twips(screen.width()) - twips(outer.width()));
    EXPECT_EQ(twips(window->y()), twips(screen.height()) - twips(outer.height()));

    options.UtilWinPosX = 1500;
    options.UtilWinPosY = 750;
    build();
    EXPECT_EQ(window->pos(), QPoint(form::pixelsFromTwips(1500, window.get()),
                                    form::pixelsFromTwips(750, window.get())));
}

TEST_F(MainWindowSessionTest, KeysWorkAsOnWindows) {
    build();
    openShow("a.vts", 1);
    showActive();
    const auto asked = dialogs.requests.size();
    QTest::keyClick(window.get(), Qt::Key_A, Qt::AltModifier); // presses the button shortly
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialogs.requests.size() == asked + 1; }));
    EXPECT_EQ(dialogs.requests.back().title, "Select Slide Show File");

    // Alt+F is the File menu's and the Create button's: the menu wins.
    QTest::keyClick(window.get(), Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(control<QMenu>("mnuFile")->isVisible());
    QTest::qWait(300);
    EXPECT_EQ(dialogs.requests.size(), asked + 1);
    control<QMenu>("mnuFile")->close();
    // Alt+H likewise: the Help menu, not the "S&hortcuts" tab.
    QTest::keyClick(window.get(), Qt::Key_H, Qt::AltModifier);
    QTest::keyClick(window.get(), Qt::Key_H, Qt::AltModifier);
    EXPECT_TRUE(control<QMenu>("mnuHelp")->isVisible());
    EXPECT_EQ(control<QTabWidget>("SSTab1")->currentIndex(), 0);
    control<QMenu>("mnuHelp")->close();

    QTest::keyClick(window.get(), Qt::Key_F1);
    QTest::keyClick(window.get(), Qt::Key_F1, Qt::ShiftModifier);
    click("CmdHelp");
    EXPECT_EQ(help.requests, (std::vector<std::string>{"contents", "search", "contents"}));

    // Tab reaches every enabled control of the tab in order, then Help and OK.
    control("CmdOpenSS")->setFocus();
    std::vector<QString> order;
    for (int i = 0; i < 7; ++i) {
        order.push_back(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(order, (std::vector<QString>{"CmdOpenSS", "CmdAppendSS", "CmdEditSSPaths",
                                           "CmdFilenames", "CmdCreateSS", "CmdHelp", "CmdOK"}));

    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

} // namespace
} // namespace vt::test
