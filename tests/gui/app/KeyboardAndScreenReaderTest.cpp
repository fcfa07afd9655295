#include "MainWindowFixture.h"
#include "AccessKeys.h"
#include "ModelBuilder.h"

#include "companions/AboutFrm.h"
#include "listing/frmSelectView.h"
#include "patheditor/frmEditPath.h"

#include <QAccessible>
#include <QApplication>
#include <QListWidget>
#include <QMenu>

#include <set>

namespace vt::test {
namespace {

// Only the keys the window's documented captions share: the main window's
// menus with a button and a tab, two boxes of the listing options.
TEST_F(MainWindowTest, NoTwoControlsOfAWindowShareAnAccessKeyBeyondTheDocumentedPairs) {
    EXPECT_EQ(shared(build()), (Owners{{"Alt+F", {"mnuFile", "CmdCreateSS"}},
                                       {"Alt+H", {"mnuHelp", "tab S&hortcuts"}}}));
    EXPECT_EQ(accessKeys(*window).size(), 10u);

    const auto model = makeModel({{"C:\\Pics\\a.jpg", "", ""}}, {}, "C:\\m.mid");
    frmEditPath editor(*model, prompter, busy, help, dialogs);
    EXPECT_EQ(shared(editor), Owners());
    EXPECT_EQ(accessKeys(editor).at("Alt+I"), std::set<std::string>{"CmdFindMissing"});
    frmSelectView listing(*model, options, temp.win(), prompter, busy, help, shell);
    EXPECT_EQ(shared(listing), (Owners{{"Alt+W", {"CheckPlayList", "OptionWordpad"}}}));
    AboutFrm about(busy, help);
    EXPECT_EQ(shared(about), Owners());
}

// A shared key opens the menu first, as on Windows; pressed again in the open
// menu it closes it and goes to the button or tab, so that every key reaches
// its control. Two boxes with one key take turns. F1 asks for help.
TEST_F(MainWindowTest, ASharedAccessKeyReachesEachOfItsControlsInTurn) {
    build();
    pickAndClick(show("a.vts", 1), "CmdOpenSS");
    ASSERT_TRUE(showActive(*window));
    QTest::keyClick(window.get(), Qt::Key_F, Qt::AltModifier);
    ASSERT_TRUE(control<QMenu>("mnuFile")->isVisible());
    QTest::keyClick(control<QMenu>("mnuFile"), Qt::Key_F, Qt::AltModifier);
    EXPECT_FALSE(control<QMenu>("mnuFile")->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), control("CmdCreateSS"));

    QTest::keyClick(window.get(), Qt::Key_H, Qt::AltModifier);
    ASSERT_TRUE(control<QMenu>("mnuHelp")->isVisible());
    QTest::keyClick(control<QMenu>("mnuHelp"), Qt::Key_H, Qt::AltModifier);
    EXPECT_FALSE(control<QMenu>("mnuHelp")->isVisible());
    EXPECT_EQ(control<QTabWidget>("SSTab1")->currentIndex(), 2);
    QTest::keyClick(window.get(), Qt::Key_F1);
    QTest::keyClick(window.get(), Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_EQ(help.requests, (std::vector<std::string>{"contents", "search"}));
    EXPECT_EQ(dialogs.requests.size(), 1u); // focus only: nothing was pressed

    const auto model = makeModel({{"C:\\Pics\\a.jpg", "", ""}});
    frmSelectView listing(*model, options, temp.win(), prompter, busy, help, shell);
    ASSERT_TRUE(showActive(listing));
    std::vector<QWidget*> reached;
    for (int press = 0; press < 2; ++press) {
        QTest::keyClick(&listing, Qt::Key_W, Qt::AltModifier);
        reached.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(std::set<QWidget*>(reached.begin(), reached.end()),
              (std::set<QWidget*>{test::control<QWidget>(listing, "CheckPlayList"),
                                  test::control<QWidget>(listing, "OptionWordpad")}));
}

// What a screen reader reads: a value label by its value, described by its
// caption; a path editor row with missing files with its counts.
TEST_F(MainWindowTest, ScreenReadersReadValuesAndMissingFiles) {
    build();
    pickAndClick(show("a.vts", 2), "CmdOpenSS");
    const auto read = [](QWidget* widget, QAccessible::Text what) {
        return QAccessible::queryAccessibleInterface(widget)->text(what).toStdString();
    };
    for (const char* name : {"lblSlides", "lblSourceVer", "lblDestVer", "lblProgEXE"})
        EXPECT_EQ(read(control(name), QAccessible::Name), text(name)) << name;
    EXPECT_EQ(read(control("lblSlides"), QAccessible::Description), "Total Number of Slides:");

    temp.write("Pics/here.jpg", "jpg");
    temp.write("Other/here.jpg", "jpg");
    const auto model = makeModel({{temp.win("Pics\\here.jpg"), "", ""},
                                  {temp.win("Pics\\gone.jpg"), "", ""},
                                  {temp.win("Other\\here.jpg"), "", ""}});
    frmEditPath editor(*model, prompter, busy, help, dialogs);
    auto* list = test::control<QListWidget>(editor, "ListSlide");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->data(Qt::AccessibleTextRole).toString().toStdString(),
              temp.win("Pics\\") + ", Files: 2, Missing: 1");
    EXPECT_TRUE(list->item(1)->data(Qt::AccessibleTextRole).isNull());
}

} // namespace
} // namespace vt::test
