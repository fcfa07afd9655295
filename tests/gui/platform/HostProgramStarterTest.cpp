#include "platform/HostProgramStarter.h"

#include "TestSupport.h"

#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

namespace vt {

TEST(HostProgramStarter, StartsDetachedInItsFolderOrSaysWhyNot) {
    test::TempFolder temp;
    HostProgramStarter starter(ProgramSearch({}));
    const std::string viewer = temp.win("Vantora Viewer\\VTViewer.EXE") + " /SHOW \"a b\"";
    EXPECT_EQ(starter.start(viewer), "No such file or directory");
    temp.write("Vantora Viewer/vtviewer", "#!/nowhere/sh\n");
    std::filesystem::permissions(temp.host("Vantora Viewer/vtviewer"),
                                 std::filesystem::perms::owner_all);
    EXPECT_EQ(starter.start(viewer), "No such file or directory");
    temp.write("Vantora Viewer/vtviewer", "#!/bin/sh\nprintf '%s|' \"$PWD\" \"$@\" > started.tmp\n"
                                          "mv started.tmp started\n");
    EXPECT_EQ(starter.start(viewer, temp.win("work")), "No such file or directory");
    temp.write("work/.keep", "");
    EXPECT_EQ(starter.start(viewer, temp.win("work")), "");
    EXPECT_TRUE(QTest::qWaitFor([&] { return temp.exists("work/started"); }, 10000));
    EXPECT_EQ(temp.read("work/started"), temp.host("work") + "|/SHOW|a b|");
}

} // namespace vt
