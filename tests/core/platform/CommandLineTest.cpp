#include "platform/CommandLine.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

std::vector<std::string> programsOf(std::string_view commandLine) {
    std::vector<std::string> programs;
    for (const ProgramReading& reading : programReadings(commandLine))
        programs.push_back(reading.program + "|" + reading.arguments);
    return programs;
}

using Texts = std::vector<std::string>;

} // namespace

TEST(CommandLine, AnUnquotedProgramIsTriedAtEachBlank) {
    EXPECT_EQ(programsOf("C:\\Program Files\\V\\VTViewer.EXE /SHOW"),
              (Texts{"C:\\Program|Files\\V\\VTViewer.EXE /SHOW",
                     "C:\\Program Files\\V\\VTViewer.EXE|/SHOW",
                     "C:\\Program Files\\V\\VTViewer.EXE /SHOW|"}));
    EXPECT_EQ(programsOf("  NOTEPAD.EXE   C:\\a b.txt  "),
              (Texts{"NOTEPAD.EXE|C:\\a b.txt  ", "NOTEPAD.EXE   C:\\a|b.txt  ",
                     "NOTEPAD.EXE   C:\\a b.txt|"}));
    EXPECT_EQ(programsOf("VTViewer.EXE"), (Texts{"VTViewer.EXE|"}));
    EXPECT_EQ(programsOf("\"C:\\a b\\x.exe\"  -y \"z\""), (Texts{"C:\\a b\\x.exe|-y \"z\""}));
    EXPECT_EQ(programsOf("\"C:\\a b\\x.exe"), (Texts{"C:\\a b\\x.exe|"}));
    EXPECT_TRUE(programsOf(" \t ").empty());
}

TEST(CommandLine, ArgumentsSplitAsTheCRuntimeSplitsThem) {
    EXPECT_EQ(splitArguments("\"abc\" d e"), (Texts{"abc", "d", "e"}));
    EXPECT_EQ(splitArguments("a\\\\\\b d\"e f\"g h"), (Texts{"a\\\\\\b", "de fg", "h"}));
    EXPECT_EQ(splitArguments("a\\\\\\\"b c d"), (Texts{"a\\\"b", "c", "d"}));
    EXPECT_EQ(splitArguments("a\\\\\\\\\"b c\" d e"), (Texts{"a\\\\b c", "d", "e"}));
    EXPECT_EQ(splitArguments("a\"b\"\" c d"), (Texts{"ab\" c d"}));
    EXPECT_EQ(splitArguments("\"\" x\\"), (Texts{"", "x\\"}));
    EXPECT_TRUE(splitArguments(" \t").empty());
}

TEST(CommandLine, NotepadTakesTheWholeRestAsItsFile) {
    EXPECT_EQ(documentArgument("C:\\My Folder\\README.TXT"), "C:\\My Folder\\README.TXT");
    EXPECT_EQ(documentArgument("  \"Z:\\tmp\\VTUtil.tmp\" "), "Z:\\tmp\\VTUtil.tmp");
    EXPECT_EQ(documentArgument("\""), "\"");
    EXPECT_EQ(documentArgument(""), "");
}

TEST(CommandLine, ProgramNamesOnWindowsAndOnTheHost) {
    EXPECT_EQ(withProgramExtension("C:\\V\\VTViewer"), "C:\\V\\VTViewer.exe");
    EXPECT_EQ(withProgramExtension("C:\\v.d\\prog"), "C:\\v.d\\prog.exe");
    EXPECT_EQ(withProgramExtension("VTUtil.EXE"), "VTUtil.EXE");
    EXPECT_EQ(nativeProgramName("C:\\V\\VTViewer.EXE"), "vtviewer");
    EXPECT_EQ(nativeProgramName("VTLaunch"), "vtlaunch");
    EXPECT_EQ(nativeProgramName("C:\\a.b.Exe"), "a.b");
    EXPECT_EQ(nativeProgramName("C:\\tool.com"), "tool.com");
}

TEST(CommandLine, TheShellTellsPagesProgramsAndDocumentsApart) {
    EXPECT_EQ(shellTargetOf("http://www.vantora.example/vantora/"), ShellTarget::Url);
    EXPECT_EQ(shellTargetOf("mailto:ann@example.org"), ShellTarget::Url);
    EXPECT_EQ(shellTargetOf("NOTEPAD.EXE"), ShellTarget::Program);
    EXPECT_EQ(shellTargetOf("C:\\V\\setup.bat"), ShellTarget::Program);
    EXPECT_EQ(shellTargetOf("C:\\V\\README.HTM"), ShellTarget::Document);
    EXPECT_EQ(shellTargetOf("C:\\x.exe\\README"), ShellTarget::Document);
    EXPECT_EQ(shellTargetOf("c:exe"), ShellTarget::Document);
}

} // namespace vt
