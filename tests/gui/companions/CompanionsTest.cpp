#include "companions/AboutFrm.h"
#include "companions/HelpViewer.h"
#include "companions/HelpWindow.h"

#include "AccessKeys.h"
#include "DialogTesting.h"
#include "FakeSeams.h"
#include "TestSupport.h"
#include "platform/DriveMap.h"

#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpSearchEngine>
#include <QLabel>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <filesystem>
#include <gtest/gtest.h>

namespace vt {
namespace {

TEST(AboutFrm, ShowsTheVersionAndClosesOnAClickAnywhereButTheHeading) {
    test::FakeBusyPointer busy;
    test::RecordingHelp help;
    AboutFrm box(busy, help);
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About Vantora Utility Module"));
    const auto* version = box.findChild<QLabel*>(QStringLiteral("lblVersion"));
    EXPECT_EQ(version->text() + "|" + version->toolTip(),
              QStringLiteral("3.1.22 - November 2000|3.1.22 - November 2000"));

    ASSERT_TRUE(test::showActive(box));
    QTest::mouseClick(box.findChild<QWidget*>(QStringLiteral("lblVersionMsg2")), Qt::LeftButton);
    QTest::mouseClick(&box, Qt::RightButton, {}, QPoint(4, 4));
    QTest::keyClick(&box, Qt::Key_F1);
    EXPECT_TRUE(box.isVisible());
    EXPECT_EQ(help.requests, std::vector<std::string>{"topic 10"});

    for (const char* name : {"AboutFrm", "Picture1", "lblVersion", "lblVantoraSite", "CmdOK"}) {
        AboutFrm other(busy, help);
        other.show();
        QWidget* part = other.findChild<QWidget*>(QString::fromLatin1(name));
        QTest::mouseClick(part ? part : &other, Qt::LeftButton, {}, QPoint(4, 4));
        EXPECT_FALSE(other.isVisible()) << name;
    }

}

QString text(const HelpWindow& window) {
    return window.findChild<QTextBrowser*>(QStringLiteral("helpBrowser"))->toPlainText();
}

#ifdef VT_BUILT_PROGRAM_FOLDER // the help file the build has just made
TEST(HelpViewer, RequestsShowTheirPagesAndTheIndexAndSearchAreFilled) {
    // Requests make the program folder current; the test runner gets its own back.
    test::ScopedCurrentFolder restore{std::filesystem::current_path().string()};
    HelpViewer viewer(DriveMap::current().toWindows(VT_BUILT_PROGRAM_FOLDER) + "\\");
    const std::pair<int, const char*> topics[] = {
        {9999, "index.html"}, {10, "mainwindow.html"}, {450, "patheditor.html"}, {460, "listing.html"},
        {470, "opendialog.html"}, {480, "appenddialog.html"}, {530, "pack.html"},
        {500, "createdialog.html"}, {520, "checkfolder.html"}};
    for (const auto& [context, page] : topics) {
        viewer.showTopic(context);
        EXPECT_EQ(viewer.window()->page().fileName(), QString::fromLatin1(page)) << context;
    }
    HelpWindow& window = *viewer.window();
    EXPECT_EQ(test::shared(window), test::Owners()); // every access key reaches its control
    EXPECT_GE(test::accessKeys(window).size(), 7u);
    EXPECT_TRUE(text(window).startsWith(QStringLiteral("Checking the slide shows in a folder")));
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::canonical(VT_BUILT_PROGRAM_FOLDER));
    const auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("helpTabs"));
    viewer.showSearch(); // the search tab beside the main window's page
    EXPECT_EQ(window.page().fileName() + QString::number(tabs->currentIndex()), "mainwindow.html2");
    viewer.showContents();
    EXPECT_EQ(window.page().fileName() + QString::number(tabs->currentIndex()), "index.html0");

    // The index and the full-text search need Qt Help's SQLite plugin at run time.
    QHelpSearchEngine& search = *window.engine().searchEngine();
    QSignalSpy indexed(&search, &QHelpSearchEngine::indexingFinished);
    QTRY_VERIFY_WITH_TIMEOUT(window.engine().indexModel()->stringList().contains("Wine"), 10000);
    ASSERT_TRUE(indexed.count() > 0 || indexed.wait(20000));
    QSignalSpy searched(&search, &QHelpSearchEngine::searchingFinished);
    search.search(QStringLiteral("dosdevices"));
    ASSERT_TRUE(searched.wait(10000));
    ASSERT_EQ(search.searchResultCount(), 1);
    EXPECT_EQ(search.searchResults(0, 1).first().url().fileName(), QStringLiteral("paths.html"));
    viewer.close();
    EXPECT_FALSE(window.isVisible());
}
#endif

TEST(HelpViewer, MissingHelpFileExplainsItselfAndEveryRequestStillShowsTheWindow) {
    const std::filesystem::path before = std::filesystem::current_path();
    HelpViewer viewer("C:\\Vantora\\"); // no drive C: in the test home
    viewer.showTopic(450);
    viewer.showSearch();
    viewer.showContents();
    EXPECT_EQ(std::filesystem::current_path(), before); // an unknown drive is not entered
    EXPECT_FALSE(viewer.window()->hasHelp());
    EXPECT_TRUE(viewer.window()->isVisible());
    EXPECT_TRUE(text(*viewer.window()).contains(QStringLiteral("Help is not available")));
    EXPECT_TRUE(text(*viewer.window()).contains(QStringLiteral("C:\\Vantora\\VTUtil.HLP")));
}

} // namespace
} // namespace vt
