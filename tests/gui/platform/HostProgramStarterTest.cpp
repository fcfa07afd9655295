#include "platform/HostProgramStarter.h"

#include "TestSupport.h"

#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

namespace vt {
namespace {

void executable(const test::TempFolder& temp, std::string_view name, std::string_view script) {
    temp.write(name, script);
    std::filesystem::permissions(temp.host(name), std::filesystem::perms::owner_all);
}

} // namespace

TEST(HostProgramStarter, StartsTheNativeBuildDetachedInItsFolder) {
    test::TempFolder temp;
    executable(temp, "Vantora Viewer/vtviewer",
               "#!/bin/sh\nprintf '%s|' \"$PWD\" \"$@\" > \"$PWD/started.tmp\"\n"
               "mv \"$PWD/started.tmp\" \"$PWD/started\"\n");
    HostProgramStarter starter;
    EXPECT_EQ(starter.start(temp.win("Vantora Viewer\\VTViewer.EXE") + " /SHOW \"a b\"",
                            temp.win("work")),
              "No such file or directory");
    temp.write("work/.keep", "");
    EXPECT_EQ(starter.start(temp.win("Vantora Viewer\\VTViewer.EXE") + " /SHOW \"a b\"",
                            temp.win("work")),
              "");
    EXPECT_TRUE(QTest::qWaitFor([&] { return temp.exists("work/started"); }, 10000));
    EXPECT_EQ(temp.read("work/started"), temp.host("work") + "|/SHOW|a b|");
}

TEST(HostProgramStarter, ReportsWhatTheSystemSays) {
    test::TempFolder temp;
    HostProgramStarter starter(ProgramSearch({}));
    EXPECT_EQ(starter.start(temp.win("VTLaunch.EXE")), "No such file or directory");
    EXPECT_EQ(starter.start("NOTEPAD.EXE " + temp.win("a.txt")), "No such file or directory");
    temp.write("VTThumb.EXE", "MZ");
    EXPECT_EQ(starter.start(temp.win("VTThumb.EXE")), "Exec format error");
    executable(temp, "vtbroken", "#!/nowhere/sh\n");
    EXPECT_EQ(starter.start(temp.win("VTBroken.EXE")), "No such file or directory");
}

} // namespace vt
