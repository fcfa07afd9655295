#include "platform/DesktopShellOpener.h"
#include "platform/HostProgramStarter.h"

#include "TestSupport.h"

#include <QDesktopServices>
#include <QTest>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace vt {
namespace {

// Catches what would reach the browser or the file manager.
struct UrlRecorder : QObject {
    Q_OBJECT
  public:
    Q_INVOKABLE void open(const QUrl& url) { urls.push_back(url.toString().toStdString()); }
    std::vector<std::string> urls;
};

TEST(DesktopShellOpener, PagesAndDocumentsGoToTheDesktopProgramsStartDetached) {
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler("file", &recorder, "open");
    test::TempFolder temp;
    HostProgramStarter starter(ProgramSearch({}));
    DesktopShellOpener shell(starter);
    EXPECT_EQ(shell.open("file:///p?v=3", {}, temp.win()).code, 42);
    temp.write("Viewer/README.HTM", "<p>");
    EXPECT_TRUE(shell.open("README.HTM", {}, temp.win("Viewer")).succeeded());
    EXPECT_EQ(recorder.urls, (std::vector<std::string>{
                                 "file:///p?v=3", "file://" + temp.host("Viewer/README.HTM")}));
    QDesktopServices::unsetUrlHandler("file");

    // A program that cannot start says why, in the system's words only; one
    // that can runs on by itself, in the given folder, with its parameters.
    const std::string viewer = temp.win("Vantora Viewer\\VTViewer.EXE");
    temp.write("Vantora Viewer/vtviewer", "#!/nowhere/sh\n");
    ::chmod(temp.host("Vantora Viewer/vtviewer").c_str(), 0755);
    EXPECT_EQ(shell.open(viewer, {}, temp.win("Viewer")).failure, "No such file or directory");
    temp.write("Vantora Viewer/vtviewer",
               "#!/bin/sh\nprintf '%s|' \"$PWD\" \"$@\" >t && mv t started\n");
    EXPECT_TRUE(shell.open(viewer, "/SHOW \"a b\"", temp.win("Viewer")).succeeded());
    EXPECT_TRUE(QTest::qWaitFor([&] { return temp.exists("Viewer/started"); }, 10000));
    EXPECT_EQ(temp.read("Viewer/started"), temp.host("Viewer") + "|/SHOW|a b|");
}

} // namespace
} // namespace vt

#include "DesktopShellOpenerTest.moc"
