#include "companions/HelpViewer.h"
#include "companions/HelpWindow.h"

#include "TestSupport.h"
#include "platform/DriveMap.h"

#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpSearchEngine>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <filesystem>
#include <gtest/gtest.h>

#ifndef VT_BUILT_PROGRAM_FOLDER
#define VT_BUILT_PROGRAM_FOLDER ""
#endif

namespace vt {
namespace {

namespace fs = std::filesystem;

class HelpViewerTest : public ::testing::Test {
  protected:
    static QString text(const HelpWindow& window) {
        return window.findChild<QTextBrowser*>(QStringLiteral("helpBrowser"))->toPlainText();
    }
    static int tab(const HelpWindow& window) {
        return window.findChild<QTabWidget*>(QStringLiteral("helpTabs"))->currentIndex();
    }

    const std::string built = VT_BUILT_PROGRAM_FOLDER;
    // Requests make the program folder current; the test runner gets its own back.
    test::ScopedCurrentFolder restore{fs::current_path().string()};
};

TEST_F(HelpViewerTest, ContextNumbersContentsAndSearchShowTheirPages) {
    if (built.empty())
        GTEST_SKIP() << "no help file was built";
    HelpViewer viewer(DriveMap::current().toWindows(built) + "\\");
    const std::pair<int, const char*> topics[] = {
        {9999, "index.html"},      {10, "mainwindow.html"},  {450, "patheditor.html"},
        {460, "listing.html"},     {470, "opendialog.html"}, {480, "appenddialog.html"},
        {500, "createdialog.html"}};
    for (const auto& [context, page] : topics) {
        viewer.showTopic(context);
        EXPECT_EQ(viewer.window()->page().fileName(), QString::fromLatin1(page)) << context;
    }
    HelpWindow& window = *viewer.window();
    EXPECT_TRUE(text(window).startsWith(QStringLiteral("Creating the new slide show file")));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(fs::current_path(), fs::canonical(built));

    viewer.showSearch();
    EXPECT_EQ(window.page().fileName() + QString::number(tab(window)), "mainwindow.html2");
    viewer.showContents();
    EXPECT_EQ(window.page().fileName() + QString::number(tab(window)), "index.html0");
    viewer.close();
    EXPECT_FALSE(window.isVisible());
}

// The index and the full-text search need Qt Help's SQLite plugin at run time.
TEST_F(HelpViewerTest, IndexAndSearchAreFilled) {
    if (built.empty())
        GTEST_SKIP() << "no help file was built";
    HelpViewer viewer(DriveMap::current().toWindows(built) + "\\");
    viewer.showContents();
    QHelpEngine& engine = viewer.window()->engine();
    QHelpSearchEngine& search = *engine.searchEngine();
    QSignalSpy indexed(&search, &QHelpSearchEngine::indexingFinished);
    QTRY_VERIFY_WITH_TIMEOUT(engine.indexModel()->stringList().contains("Wine"), 10000);
    ASSERT_TRUE(indexed.count() > 0 || indexed.wait(20000));
    QSignalSpy searched(&search, &QHelpSearchEngine::searchingFinished);
    search.search(QStringLiteral("dosdevices"));
    ASSERT_TRUE(searched.wait(10000));
    ASSERT_EQ(search.searchResultCount(), 1);
    EXPECT_EQ(search.searchResults(0, 1).first().url().fileName(), QStringLiteral("paths.html"));
}

TEST_F(HelpViewerTest, MissingHelpFileExplainsItself) {
    test::TempFolder empty;
    HelpViewer viewer(empty.win());
    viewer.showTopic(450);
    viewer.showSearch();
    viewer.showContents();
    EXPECT_FALSE(viewer.window()->hasHelp());
    EXPECT_TRUE(viewer.window()->isVisible());
    EXPECT_TRUE(text(*viewer.window()).contains(QStringLiteral("Help is not available")));
    EXPECT_TRUE(text(*viewer.window()).contains(QString::fromStdString(empty.host("VTUtil.HLP"))));
}

} // namespace
} // namespace vt
