#include "MainWindowFixture.h"

#include "app/Main.h"
#include "common/FormGeometry.h"
#include "common/TabControl.h"
#include "platform/SingleInstance.h"

#include <QApplication>

#include <set>

namespace vt::test {
namespace {

// Every caption whole and no two controls over each other, on every tab; the
// three tabs' command buttons form one column of one width.
void expectTidyTabs(frmMain& window) {
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
    }
    std::set<int> widths;
    for (const char* name : {"CmdOpenSS", "CmdAppendSS", "CmdDefaults", "CmdEditINI", "CmdCreate1"})
        widths.insert(control<QWidget>(window, name)->width());
    EXPECT_EQ(widths.size(), 1u);
}

TEST_F(MainWindowTest, EveryCaptionFitsAtTheDefaultAndALargeFont) {
    expectTidyTabs(build());
    const QFont original = QApplication::font();
    QFont large = original;
    large.setPointSizeF(original.pointSizeF() * 1.6);
    QApplication::setFont(large);
    expectTidyTabs(build());
    QApplication::setFont(original);
}

TEST_F(MainWindowTest, OneCopyRunsAtATime) {
    const QString lock = QString::fromStdString(temp.host("vtutil.lock"));
    {
        SingleInstance first(lock), second(lock);
        ASSERT_TRUE(claimSingleInstance(first, prompter));
        EXPECT_FALSE(claimSingleInstance(second, prompter));
        EXPECT_EQ(prompter.texts(),
                  std::vector<std::string>{"You can only run one copy of the "
                                           "Vantora Utility Module at a time..."});
        EXPECT_EQ(prompter.messages.at(0).icon, Icon::Information);
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
    const std::string x = std::to_string(form::twipsFromPixels(300, window.get())),
                      y = std::to_string(form::twipsFromPixels(150, window.get()));
    EXPECT_EQ(temp.read("VANTORA.INI"),
              viewer + "[Utility]\r\nUtilWinPosX=" + x + "\r\nUtilWinPosY=" + y +
                  "\r\nchkSlide=True\r\nchkTexture=True\r\nchkSound=False\r\nchkPlayList=True\r\n"
                  "UseNotepad=True\r\nSlideNumbers=False\r\n");

    std::filesystem::remove(temp.host("VANTORA.INI"));
    window.reset(); // already unloaded: nothing written again
    EXPECT_FALSE(temp.exists("VANTORA.INI"));
}

} // namespace
} // namespace vt::test
