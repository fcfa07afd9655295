#pragma once

#include <string>
#include <string_view>

// Everything vtshow writes to the terminal goes through here: the show's
// code page becomes the locale's character set, and a control character (a byte below 0x20, 0x7F,
// U+0080 to U+009F) is written as \xHH, so that nothing in a show can move
// the cursor, recolour or retitle the terminal.
namespace vt::cli {

// Text from a show or a message box, in the show's code page. The message
// boxes' own line breaks (CR LF) become line breaks.
std::string terminalText(std::string_view windowsText);

// Text that is UTF-8 already, such as a host path the user typed.
std::string terminalHostText(std::string_view utf8);

// The listing's bytes in the locale's character set, with control bytes
// other than its own tabs and line breaks escaped.
std::string listingText(std::string_view bytes);

} // namespace vt::cli
