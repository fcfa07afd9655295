#pragma once

#include <string>
#include <string_view>
#include <vector>

// What vtshow writes for people to read is in the locale's character set
// (UTF-8 in a UTF-8 locale), whatever the shows' code page.
namespace vt::cli {

// The character set of the user's locale as iconv names it; "UTF-8" when the
// locale names none or plain ASCII, so that a C locale still shows names.
std::string terminalCharsetFromEnvironment();
// The one vtshow writes in: from the environment on first use.
const std::string& terminalCharset();
void setTerminalCharset(std::string charset);

// Code page text as the terminal shows it, and what the user typed back into
// the code page.
std::string toTerminal(std::string_view codePageText);
std::string utf8ToTerminal(std::string_view utf8);
std::string fromTerminal(std::string_view typed);

// Takes "--codepage N" out of args, anywhere before "--": the code page for
// this run. False, with the problem, for a number the program does not know.
bool takeCodePageOption(std::vector<std::string>& args, int& number, std::string& problem);

} // namespace vt::cli
