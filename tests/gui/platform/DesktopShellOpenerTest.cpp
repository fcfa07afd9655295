#include "platform/DesktopShellOpener.h"

#include "FakeSeams.h"
#include "TestSupport.h"

#include <QDesktopServices>
#include <QObject>
#include <QUrl>
#include <gtest/gtest.h>

namespace vt {
namespace {

// Catches what would reach the browser or the file manager.
class UrlRecorder : public QObject {
    Q_OBJECT
  public slots:
    void open(const QUrl& url) { urls.push_back(url.toString().toStdString()); }

public:
    std::vector<std::string> urls;
};

} // namespace

TEST(DesktopShellOpener, PagesAndDocumentsGoToTheDesktopProgramsToTheStarter) {
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler("http", &recorder, "open");
    QDesktopServices::setUrlHandler("file", &recorder, "open");
    test::TempFolder temp;
    test::FakeProgramStarter starter;
    DesktopShellOpener shell(starter);
    const std::string page = "http://www.vantora.example/vantora/version/check.htm?v=3.1.226";
    EXPECT_EQ(shell.open(page, {}, temp.win()).code, 42);
    EXPECT_EQ(shell.open("README.HTM", {}, temp.win("Viewer")).code, 2);
    EXPECT_EQ(shell.open("Q:\\README.HTM", {}, {}).code, 2);
    temp.write("Viewer/README.HTM", "<p>");
    EXPECT_TRUE(shell.open("README.HTM", {}, temp.win("Viewer")).succeeded());
    EXPECT_TRUE(shell.open(temp.win("VIEWER\\readme.htm"), {}, {}).succeeded());
    const std::string readme = "file://" + temp.host("Viewer/README.HTM");
    EXPECT_EQ(recorder.urls, (std::vector<std::string>{page, readme, readme}));

    const std::string listing = "\"" + temp.win("VTUtil.tmp") + "\"";
    EXPECT_TRUE(shell.open("NOTEPAD.EXE", listing, temp.win()).succeeded());
    starter.failure = "No such file or directory";
    EXPECT_EQ(shell.open("C:\\V\\VTLaunch.EXE", {}, {}).failure, starter.failure);
    ASSERT_EQ(starter.starts.size(), 2u);
    EXPECT_EQ(starter.starts[0].commandLine, "\"NOTEPAD.EXE\" " + listing);
    EXPECT_EQ(starter.starts[0].workingFolder, temp.win());
    EXPECT_EQ(starter.starts[1].commandLine, "\"C:\\V\\VTLaunch.EXE\"");
    QDesktopServices::unsetUrlHandler("http");
    QDesktopServices::unsetUrlHandler("file");
}

} // namespace vt

#include "DesktopShellOpenerTest.moc"
