#include "companions/HelpViewer.h"
#include "companions/HelpWindow.h"

#include "TestSupport.h"
#include "platform/DriveMap.h"

#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpSearchEngine>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <filesystem>
#include <gtest/gtest.h>

namespace vt {
namespace {

namespace fs = std::filesystem;

#ifdef VT_BUILT_PROGRAM_FOLDER
const std::string BuiltProgramFolder = VT_BUILT_PROGRAM_FOLDER;
#else
const std::string BuiltProgramFolder;
#endif

class HelpViewerTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (BuiltProgramFolder.empty())
            GTEST_SKIP() << "no help file was built";
    }
    // Requests make the program folder current; give the test runner its own back.
    void TearDown() override { fs::current_path(m_before); }

    static std::string builtProgramFolder() {
        return DriveMap::current().toWindows(BuiltProgramFolder) + "\\";
    }

    static QTextBrowser& browser(const HelpWindow& window) {
        return *window.findChild<QTextBrowser*>(QStringLiteral("helpBrowser"));
    }
    static int tab(const HelpWindow& window) {
        return window.findChild<QTabWidget*>(QStringLiteral("helpTabs"))->currentIndex();
    }

private:
    fs::path m_before = fs::current_path();
};

TEST_F(HelpViewerTest, ContextNumbersShowTheirTopics) {
    HelpViewer viewer(builtProgramFolder());
    const std::pair<int, const char*> topics[] = {
        {10, "mainwindow.html"},  {450, "patheditor.html"},   {460, "listing.html"},
        {470, "opendialog.html"}, {480, "appenddialog.html"}, {500, "createdialog.html"},
    };
    for (const auto& [context, page] : topics) {
        viewer.showTopic(context);
        ASSERT_TRUE(viewer.window());
        EXPECT_EQ(viewer.window()->page().fileName(), QString::fromLatin1(page)) << context;
    }
    // The page itself comes out of the help file.
    EXPECT_TRUE(browser(*viewer.window())
                    .toPlainText()
                    .startsWith(QStringLiteral("Creating the new slide show file")));
    EXPECT_TRUE(viewer.window()->isVisible());
    EXPECT_EQ(fs::current_path(), fs::canonical(BuiltProgramFolder));
}

TEST_F(HelpViewerTest, ContentsSearchUnknownTopicAndClose) {
    HelpViewer viewer(builtProgramFolder());
    EXPECT_FALSE(viewer.window()); // nothing until asked
    viewer.showContents();
    HelpWindow& window = *viewer.window();
    EXPECT_EQ(window.page().fileName(), QStringLiteral("index.html"));
    EXPECT_EQ(tab(window), 0);

    viewer.showSearch();
    EXPECT_EQ(window.page().fileName(), QStringLiteral("mainwindow.html"));
    EXPECT_EQ(tab(window), 2);

    viewer.showTopic(9999);
    EXPECT_EQ(window.page().fileName(), QStringLiteral("index.html"));

    viewer.close();
    EXPECT_FALSE(window.isVisible());
    viewer.showTopic(450); // comes back after closing
    EXPECT_TRUE(window.isVisible());
}

TEST_F(HelpViewerTest, ContentsIndexAndSearchAreFilled) {
    HelpViewer viewer(builtProgramFolder());
    viewer.showContents();
    QHelpEngine& engine = viewer.window()->engine();
    QHelpSearchEngine& search = *engine.searchEngine();
    QSignalSpy indexed(&search, &QHelpSearchEngine::indexingFinished);

    QHelpContentModel& contents = *engine.contentModel();
    QTRY_VERIFY_WITH_TIMEOUT(contents.rowCount() == 1, 10000);
    const QModelIndex top = contents.index(0, 0);
    EXPECT_EQ(contents.data(top, Qt::DisplayRole).toString(),
              QStringLiteral("Vantora Utility Module Help"));
    EXPECT_GE(contents.rowCount(top), 5);

    QHelpIndexModel& index = *engine.indexModel();
    QTRY_VERIFY_WITH_TIMEOUT(index.rowCount() > 50, 10000);
    EXPECT_TRUE(index.stringList().contains(QStringLiteral("Wine")));

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
    HelpWindow& window = *viewer.window();
    EXPECT_FALSE(window.hasHelp());
    EXPECT_TRUE(window.isVisible());
    const QString text = browser(window).toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("Help is not available")));
    EXPECT_TRUE(text.contains(QString::fromStdString(empty.host("VTUtil.HLP"))));
    EXPECT_EQ(fs::current_path(), fs::canonical(empty.host()));
    viewer.close();
}

} // namespace
} // namespace vt
