#include "MainWindowFixture.h"

#include "common/TabControl.h"

#include <QApplication>
#include <QDir>
#include <QMenu>

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

// Alt+F belongs to the File menu and to "Create Slide Show &File", Alt+H to
// the Help menu and the "S&hortcuts" tab: the menus win, as on Windows.
TEST_F(MainWindowTest, MenusWinTheirSharedKeysAndF1AsksForHelp) {
    build();
    pickAndClick(show("a.vts", 1), "CmdOpenSS");
    ASSERT_TRUE(showActive(*window));
    const auto asked = dialogs.requests.size();
    for (const auto& [key, menu] : {std::pair{Qt::Key_F, "mnuFile"}, std::pair{Qt::Key_H, "mnuHelp"}}) {
        QTest::keyClick(window.get(), key, Qt::AltModifier);
        EXPECT_TRUE(control<QMenu>(menu)->isVisible()) << menu;
        control<QMenu>(menu)->close();
    }
    QTest::keyClick(window.get(), Qt::Key_F1);
    QTest::keyClick(window.get(), Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_EQ(help.requests, (std::vector<std::string>{"contents", "search"}));
    EXPECT_EQ(dialogs.requests.size(), asked);
    EXPECT_EQ(control<QTabWidget>("SSTab1")->currentIndex(), 0);
}

} // namespace
} // namespace vt::test
