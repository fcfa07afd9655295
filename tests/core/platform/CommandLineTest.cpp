#include "platform/CommandLine.h"

#include <gtest/gtest.h>

namespace vt {

using Texts = std::vector<std::string>;

TEST(CommandLine, AnUnquotedProgramIsTriedAtEachBlank) {
    Texts readings;
    for (const auto& r : programReadings("  C:\\Program Files\\VTViewer.EXE  /SHOW "))
        readings.push_back(r.program + "|" + r.arguments);
    EXPECT_EQ(readings, (Texts{"C:\\Program|Files\\VTViewer.EXE  /SHOW ",
                               "C:\\Program Files\\VTViewer.EXE|/SHOW ",
                               "C:\\Program Files\\VTViewer.EXE  /SHOW|"}));
    const auto quoted = programReadings("\"C:\\a b\\x.exe\"  -y \"z\"");
    ASSERT_EQ(quoted.size(), 1u);
    EXPECT_EQ(quoted[0].program + "|" + quoted[0].arguments, "C:\\a b\\x.exe|-y \"z\"");
    EXPECT_TRUE(programReadings(" \t ").empty());
}

TEST(CommandLine, ArgumentsSplitAsTheCRuntimeSplitsThem) {
    EXPECT_EQ(splitArguments("\"abc\" d e"), (Texts{"abc", "d", "e"}));
    EXPECT_EQ(splitArguments("a\\\\\\b d\"e f\"g h"), (Texts{"a\\\\\\b", "de fg", "h"}));
    EXPECT_EQ(splitArguments("a\\\\\\\"b c"), (Texts{"a\\\"b", "c"}));
    EXPECT_EQ(splitArguments("a\\\\\\\\\"b c\" d"), (Texts{"a\\\\b c", "d"}));
    EXPECT_EQ(splitArguments("a\"b\"\" c d"), (Texts{"ab\" c d"}));
    EXPECT_EQ(splitArguments("\"\" x\\"), (Texts{"", "x\\"}));
    EXPECT_EQ(documentArgument("  \"Z:\\tmp\\VTUtil.tmp\" "), "Z:\\tmp\\VTUtil.tmp");
    EXPECT_EQ(documentArgument("C:\\My Folder\\README.TXT"), "C:\\My Folder\\README.TXT");
}

} // namespace vt
