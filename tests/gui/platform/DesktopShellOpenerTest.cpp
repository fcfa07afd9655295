#include "platform/DesktopShellOpener.h"

#include "FakeSeams.h"
#include "TestSupport.h"

#include <QDesktopServices>
#include <QObject>
#include <QUrl>
#include <gtest/gtest.h>

namespace vt {
namespace {

class UrlRecorder : public QObject {
    Q_OBJECT
  public slots:
    void open(const QUrl& url) { urls << url; }

  public:
    QList<QUrl> urls;
};

// Catches what would reach the browser or the file manager.
class DesktopShellOpenerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* scheme : {"http", "file"})
            QDesktopServices::setUrlHandler(scheme, &recorder, "open");
    }
    void TearDown() override {
        for (const char* scheme : {"http", "file"})
            QDesktopServices::unsetUrlHandler(scheme);
    }

    UrlRecorder recorder;
    test::FakeProgramStarter starter;
    DesktopShellOpener shell{starter};
    test::TempFolder temp;
};

} // namespace

TEST_F(DesktopShellOpenerTest, PagesAndDocumentsGoToTheDesktop) {
    const std::string page = "http://www.vantora.example/vantora/version/check.htm?v=3.1.226";
    EXPECT_TRUE(shell.open(page, {}, temp.win()).succeeded());
    temp.write("Viewer Files/README.HTM", "<p>");
    EXPECT_TRUE(shell.open(temp.win("viewer files\\readme.htm"), {}, {}).succeeded());
    EXPECT_TRUE(shell.open("README.HTM", {}, temp.win("Viewer Files\\")).succeeded());
    ASSERT_EQ(recorder.urls.size(), 3);
    EXPECT_EQ(recorder.urls[0].toString().toStdString(), page);
    const QUrl readme =
        QUrl::fromLocalFile(QString::fromStdString(temp.host("Viewer Files/README.HTM")));
    EXPECT_EQ(recorder.urls[1], readme);
    EXPECT_EQ(recorder.urls[2], readme);
    EXPECT_TRUE(starter.starts.empty());
}

TEST_F(DesktopShellOpenerTest, AMissingDocumentIsNotFound) {
    const ShellResult result = shell.open(temp.win("README.HTM"), {}, temp.win());
    EXPECT_EQ(result.code, 2);
    EXPECT_EQ(result.failure, "");
    EXPECT_EQ(shell.open("Q:\\README.HTM", {}, {}).code, 2);
    EXPECT_TRUE(recorder.urls.empty());
}

TEST_F(DesktopShellOpenerTest, ProgramsAreStartedWithTheirParameters) {
    const std::string listing = "\"" + temp.win("VTUtil.tmp") + "\"";
    EXPECT_TRUE(shell.open("NOTEPAD.EXE", listing, temp.win()).succeeded());
    starter.failure = "No such file or directory";
    const ShellResult failed = shell.open("WORDPAD.EXE", listing, temp.win());
    EXPECT_FALSE(failed.succeeded());
    EXPECT_EQ(failed.failure, "No such file or directory");
    EXPECT_EQ(shell.open("C:\\V\\VTLaunch.EXE", {}, {}).failure, "No such file or directory");
    ASSERT_EQ(starter.starts.size(), 3u);
    EXPECT_EQ(starter.starts[0].commandLine, "\"NOTEPAD.EXE\" " + listing);
    EXPECT_EQ(starter.starts[0].workingFolder, temp.win());
    EXPECT_EQ(starter.starts[1].commandLine, "\"WORDPAD.EXE\" " + listing);
    EXPECT_EQ(starter.starts[2].commandLine, "\"C:\\V\\VTLaunch.EXE\"");
    EXPECT_TRUE(recorder.urls.empty());
}

} // namespace vt

#include "DesktopShellOpenerTest.moc"
