#pragma once

#include <string>
#include <string_view>

// Windows path text, the only kind of path inside the program.
namespace vt {

// The text up to and including the last backslash; empty when there is none.
std::string_view folderPart(std::string_view path);

// The text after the last backslash; the whole text when there is none.
std::string_view fileNamePart(std::string_view path);

// A path is absolute when it holds a colon anywhere.
inline bool isAbsolute(std::string_view path) {
    return path.find(':') != std::string_view::npos;
}

// Appends a backslash unless the text already ends in one.
std::string withTrailingBackslash(std::string text);

// Upper case in the active code page, as the system's own comparisons see it.
std::string upperCase(std::string_view text);
bool equalsIgnoringCase(std::string_view a, std::string_view b);
bool startsWithIgnoringCase(std::string_view text, std::string_view prefix);

std::string trimSpaces(std::string_view text);

} // namespace vt
