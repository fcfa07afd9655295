#include "MainWindowFixture.h"

#include "app/Main.h"
#include "common/FormGeometry.h"
#include "common/TabControl.h"
#include "platform/SingleInstance.h"

#include <QApplication>
#include <QDir>
#include <QScreen>

#include <cstdlib>
#include <set>

namespace vt::test {
namespace {

// Every caption whole and no two controls over each other, on every tab; with
// VT_SCREENSHOT_DIR set, a picture of each tab is left there to look at.
void expectTidyTabs(frmMain& window, const QString& picture) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* tabs = window.findChild<TabControl*>("SSTab1");
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        const auto controls = tabs->widget(i)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* a : controls) {
            const std::string name = a->objectName().toStdString();
            EXPECT_EQ(a->size().expandedTo(a->sizeHint()), a->size()) << name;
            for (QWidget* b : controls)
                EXPECT_TRUE(a == b || !a->geometry().intersects(b->geometry())) << name;
        }
        if (const char* folder = std::getenv("VT_SCREENSHOT_DIR"))
            window.grab().save(QDir(folder).filePath(picture + QString::number(i + 1) + ".png"));
    }
}

// The command buttons of the three tabs form one column: one width, however
// wide the caption that set it.
void expectOneButtonWidth(frmMain& window) {
    std::set<int> widths;
    for (const char* name : {"CmdOpenSS", "CmdAppendSS", "CmdCreateSS", "CmdDefaults", "CmdEditINI",
                             "CmdCreate1", "CmdCreate6"})
        widths.insert(control<QWidget>(window, name)->width());
    EXPECT_EQ(widths.size(), 1u);
    EXPECT_GE(*widths.begin(), control<QWidget>(window, "CmdAppendSS")->sizeHint().width());
}

TEST_F(MainWindowTest, EveryCaptionFitsAtTheDefaultAndALargeFont) {
    expectTidyTabs(build(), "main-tab");
    expectOneButtonWidth(*window);
    const QFont original = QApplication::font();
    QFont large = original;
    large.setPointSizeF(original.pointSizeF() * 1.6);
    QApplication::setFont(large);
    expectTidyTabs(build(), "main-large-tab");
    expectOneButtonWidth(*window);
    QApplication::setFont(original);
}

TEST_F(MainWindowTest, OneCopyRunsAtATime) {
    const QString lock = QString::fromStdString(temp.host("vtutil.lock"));
    {
        SingleInstance first(lock), second(lock);
        ASSERT_TRUE(claimSingleInstance(first, prompter));
        EXPECT_FALSE(claimSingleInstance(second, prompter));
        ASSERT_EQ(prompter.messages.size(), 1u);
        EXPECT_EQ(prompter.messages[0].text,
                  "You can only run one copy of the Vantora Utility Module at a time...");
        EXPECT_EQ(prompter.messages[0].icon, Icon::Information);
    }
    SingleInstance after(lock); // once the first copy has ended
    EXPECT_TRUE(claimSingleInstance(after, prompter));
}

TEST_F(MainWindowTest, EscSavesTheOptionsBesideTheViewersOwn) {
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
    const auto twips = [&](int pixels) {
        return std::to_string(form::twipsFromPixels(pixels, window.get()));
    };
    EXPECT_EQ(temp.read("VANTORA.INI"),
              viewer + "[Utility]\r\nUtilWinPosX=" + twips(300) + "\r\nUtilWinPosY=" + twips(150) +
                  "\r\nchkSlide=True\r\nchkTexture=True\r\nchkSound=False\r\nchkPlayList=True\r\n"
                  "UseNotepad=True\r\nSlideNumbers=False\r\n");

    std::filesystem::remove(temp.host("VANTORA.INI"));
    window.reset(); // already unloaded: nothing written again
    EXPECT_FALSE(temp.exists("VANTORA.INI"));
}

TEST_F(MainWindowTest, SavedPositionIsKeptOnTheScreen) {
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

} // namespace
} // namespace vt::test
