#pragma once

#include <string>
#include <string_view>
#include <vector>

// Windows command lines and shell requests, read the way Windows reads them.
namespace vt {

// One way to read a command line: the program's path and the text after it.
struct ProgramReading {
    std::string program;
    std::string arguments;
};

// The readings CreateProcess tries, in its order: a quoted program path is the
// only reading; an unquoted one is cut at each blank in turn, and last taken
// whole, so that "C:\Program Files\a.exe x" finds C:\Program Files\a.exe.
std::vector<ProgramReading> programReadings(std::string_view commandLine);

// The arguments as a C runtime program gets them: blanks separate, double
// quotes group, backslashes escape only the quotes they precede.
std::vector<std::string> splitArguments(std::string_view text);

// The text Notepad opens: the whole rest of its command line, one pair of
// enclosing quotes removed.
std::string documentArgument(std::string_view arguments);

// The program file CreateProcess looks for: ".exe" added to a name without
// an extension.
std::string withProgramExtension(std::string_view program);

// The name a native build of a Windows program has: its file name in lower
// case, without ".exe".
std::string nativeProgramName(std::string_view program);

// What the shell does with a file it is asked to open.
enum class ShellTarget { Url, Program, Document };
ShellTarget shellTargetOf(std::string_view file);

} // namespace vt
