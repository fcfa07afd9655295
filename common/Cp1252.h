#pragma once

#include <string>
#include <string_view>

// The program keeps every text in Windows-1252, the viewer's code page. These
// convert at the edges: Qt, host file names, the terminal.
namespace vt::cp1252 {

std::string toUtf8(std::string_view cp1252);

// Characters that Windows-1252 lacks, and bytes that are not UTF-8, become '?'.
std::string fromUtf8(std::string_view utf8);

} // namespace vt::cp1252
